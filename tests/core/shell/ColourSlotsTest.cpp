#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/ChartWindowSettings.h"
#include "shell/ColourSlots.h"
#include "shell/MainWindowSettings.h"
#include "shell/WindowPlacement.h"

namespace morvik {
namespace {

// Every colour key the program keeps in the settings file.
// clang-format off
const std::vector<std::string> AllColourKeys = {
    "FORM1 pozadi", "panel nastroju", "status bar", "PANEL Vstupniho histogramu", "text zahlavi 1",
    "texty na panelu 1", "edit.okno Nasobek A", "text Nasobek A", "GRAF pozadi", "histogram", "Histogram KTZ",
    "Histogram PR", "hodnota x", "velikost kvantilu P", "text nadpisu)", "PANEL vysledneho histogramu",
    "text zahlavi 2", "texty na panelu 2", "edit.okno Hodnota x", "edit.okno Velikost kvantilu P",
    "GRAF pozadí KTZ", "GRAF pozadí PR", "KrivkaTrvani-Form10.Color- GRAF pozadí KTZ",
    "ParamRozdel-Form12.Color- GRAF pozadí PR", "PrvotniData-Form14.Color- GRAF pozadí PR",
};
// clang-format on

SettingsFile WrittenAtProgramEnd(const MainWindowColours& colours)
{
    MainWindowSettings main;
    main.colours = colours;
    SettingsFile settings;
    WriteMainWindowSettings(settings, main);
    WriteChartWindowBackgrounds(settings, colours);
    return SettingsFile::FromText(settings.Text());
}

// A colour chosen for a slot reaches exactly the keys of what the slot covers, and the next run shows it in
// the slot's preview box again.
TEST(ColourSlots, EachSlotWritesExactlyItsKeys)
{
    // clang-format off
    const std::vector<std::vector<std::string>> slotKeys = {
        {"FORM1 pozadi", "panel nastroju", "PANEL Vstupniho histogramu", "PANEL vysledneho histogramu"},
        {"texty na panelu 1"},
        {"edit.okno Nasobek A"},
        {"text Nasobek A"},
        {"text nadpisu)"},
        {"GRAF pozadi"},
        {"histogram"},
        {"hodnota x"},
        {"velikost kvantilu P"},
        {"texty na panelu 2"},
        {"edit.okno Hodnota x"},
        {"edit.okno Velikost kvantilu P"},
        {"GRAF pozadí KTZ", "KrivkaTrvani-Form10.Color- GRAF pozadí KTZ"},
        {"Histogram KTZ"},
        {"GRAF pozadí PR", "ParamRozdel-Form12.Color- GRAF pozadí PR", "PrvotniData-Form14.Color- GRAF pozadí PR"},
        {"Histogram PR"},
    };
    // clang-format on
    ASSERT_EQ(slotKeys.size(), static_cast<size_t>(ColourSlotCount));
    const Colour chosen = RgbColour(12, 34, 56);  // no default is this colour
    for (int slot = 0; slot < ColourSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        MainWindowColours colours;
        SetSlotColour(colours, slot, chosen);
        EXPECT_EQ(SlotColour(colours, slot), chosen);

        const SettingsFile settings = WrittenAtProgramEnd(colours);
        const auto& keys = slotKeys[static_cast<size_t>(slot)];
        for (const std::string& key : AllColourKeys) {
            const bool covered = std::find(keys.begin(), keys.end(), key) != keys.end();
            EXPECT_EQ(settings.ReadColour(SettingSection, key, 0) == chosen, covered) << key;
        }

        MainWindowColours read = ReadMainWindowSettings(settings).colours;
        ReadChartWindowBackgrounds(settings, read);
        EXPECT_EQ(SlotColour(read, slot), chosen);
    }
}

// The chart backgrounds of the distribution-function and parametric windows come from those windows' own keys,
// and writing them back leaves the windows' label style and angle as they were.
TEST(ColourSlots, ChartWindowBackgroundsLiveUnderTheWindowsKeys)
{
    SettingsFile settings = SettingsFile::FromText(
        "[--  Setting  --]\n"
        "KrivkaTrvani-Form10.Color- GRAF pozadí KTZ=255\n"
        "ParamRozdel-Form12.Color- GRAF pozadí PR=65280\n"
        "ParamRozdel-Form12.CBMarks.ItemIndex=4\n"
        "ParamRozdel-Form12.SpinEdAngle.Value=45\n");
    MainWindowColours colours = ReadMainWindowSettings(settings).colours;
    ReadChartWindowBackgrounds(settings, colours);
    EXPECT_EQ(SlotColour(colours, 12), 255u);
    EXPECT_EQ(SlotColour(colours, 14), 65280u);

    SetSlotColour(colours, 14, 0x0000FF);
    WriteChartWindowBackgrounds(settings, colours);
    const ChartWindowSettings parametric = ReadChartWindowSettings(settings, 12);
    EXPECT_EQ(parametric, (ChartWindowSettings{0x0000FF, 4, 45}));
    EXPECT_EQ(ReadChartWindowSettings(settings, 14).chartBackground, 0x0000FFu);
    EXPECT_EQ(ReadChartWindowSettings(settings, 10).chartBackground, 255u);
}

}  // namespace
// A chart window redraws only when the run's colours or its own chart background really changed.
TEST(ColourSlots, ChartWindowsTakeNewColoursOnce)
{
    MainWindowColours current;
    Colour chartBackground = current.distributionChartBackground;
    MainWindowColours changed = current;
    changed.distributionChartBackground = 0x123456;
    EXPECT_TRUE(TakeChartWindowColours(changed, 10, current, chartBackground));
    EXPECT_EQ(current, changed);
    EXPECT_EQ(chartBackground, Colour(0x123456));
    EXPECT_FALSE(TakeChartWindowColours(changed, 10, current, chartBackground));

    // A window without a chart background of its own in the run's colours keeps the one it has.
    Colour ownBackground = 0xABCDEF;
    MainWindowColours other;
    EXPECT_TRUE(TakeChartWindowColours(changed, 3, other, ownBackground));
    EXPECT_EQ(ownBackground, Colour(0xABCDEF));
}

}  // namespace morvik
