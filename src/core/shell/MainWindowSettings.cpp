#include "shell/MainWindowSettings.h"

#include <array>
#include <string_view>

namespace morvik {
namespace {

struct ColourKey {
    const char* key;
    Colour MainWindowColours::*field;
};

// In the order the main window writes them.
constexpr std::array<ColourKey, 22> ColourKeys = {{
    {"FORM1 pozadi", &MainWindowColours::windowBackground},
    {"panel nastroju", &MainWindowColours::toolPanel},
    {"status bar", &MainWindowColours::statusBar},
    {"PANEL Vstupniho histogramu", &MainWindowColours::inputPanel},
    {"text zahlavi 1", &MainWindowColours::inputPanelCaption},
    {"texty na panelu 1", &MainWindowColours::panelText},
    {"edit.okno Nasobek A", &MainWindowColours::multipleBackground},
    {"text Nasobek A", &MainWindowColours::multipleText},
    {"GRAF pozadi", &MainWindowColours::chartBackground},
    {"histogram", &MainWindowColours::bars},
    {"Histogram KTZ", &MainWindowColours::distributionBars},
    {"Histogram PR", &MainWindowColours::parametricBars},
    {"hodnota x", &MainWindowColours::valueQuery},
    {"velikost kvantilu P", &MainWindowColours::quantileQuery},
    {"text nadpisu)", &MainWindowColours::chartTitle},
    {"PANEL vysledneho histogramu", &MainWindowColours::resultPanel},
    {"text zahlavi 2", &MainWindowColours::resultPanelCaption},
    {"texty na panelu 2", &MainWindowColours::queryLabels},
    {"edit.okno Hodnota x", &MainWindowColours::valueBackground},
    {"edit.okno Velikost kvantilu P", &MainWindowColours::quantileBackground},
    {"GRAF pozadí KTZ", &MainWindowColours::distributionChartBackground},
    {"GRAF pozadí PR", &MainWindowColours::parametricChartBackground},
}};

constexpr int MarkStyles = 5;  // the items of CBMarks
constexpr std::string_view DateSeparators = ".-/";
constexpr std::string_view TimeSeparators = ":.";

// A separator stored as its character code; a code the menu does not offer gives the default.
char ReadSeparator(const SettingsFile& settings, const char* key, std::string_view allowed, char fallback)
{
    const int code = settings.ReadInteger(SettingSection, key, fallback);
    return code > 0 && code < 128 && allowed.find(static_cast<char>(code)) != std::string_view::npos
               ? static_cast<char>(code)
               : fallback;
}

int ReadInRange(const SettingsFile& settings, const char* key, int low, int high, int fallback)
{
    const int value = settings.ReadInteger(SettingSection, key, fallback);
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

MainWindowSettings ReadMainWindowSettings(const SettingsFile& settings)
{
    MainWindowSettings main;
    main.placement = ReadWindowPlacement(settings, 1, 0);
    main.TCharCom = settings.ReadBool(NastaveniSection, "Form1 TCharCom", main.TCharCom);
    main.KontVypis = settings.ReadBool(NastaveniSection, "Form1 Kontrolni vypis", main.KontVypis);
    main.PrikazRadka1 = settings.ReadBool(NastaveniSection, "Form1 Prikazova radka", main.PrikazRadka1);
    // Of each pair of exclusive items, the one the program asks decides: HTML1, index1, Cestina and Ne1.
    main.help = settings.ReadBool(NastaveniSection, "Form1 Help-HTML", true)   ? HelpForm::WebPage
                : settings.ReadBool(NastaveniSection, "Form1 HELP WIN", false) ? HelpForm::HelpViewer
                                                                               : HelpForm::WebPage;
    main.index1 = settings.ReadBool(ComponentSection, "FORM1 Index Ano", main.index1);
    main.language = settings.ReadBool(SettingSection, "jazyk cesky", false) ? Language::Czech : Language::English;
    main.colourHighlight = !settings.ReadBool(SettingSection, "Barevné zvýraznění Ne", false);
    main.CBMarksItemIndex = ReadInRange(settings, "Prob_u-Form1.CBMarks.ItemIndex", 0, MarkStyles - 1, 2);
    main.SpinEdAngleValue = ReadInRange(settings, "Prob_u-Form1.SpinEdAngle.Value", 0, 360, 90);
    for (const ColourKey& colour : ColourKeys) {
        main.colours.*colour.field = settings.ReadColour(SettingSection, colour.key, main.colours.*colour.field);
    }
    main.DateSeparator = ReadSeparator(settings, "DateSeparator", DateSeparators, '.');
    main.TimeSeparator = ReadSeparator(settings, "TimeSeparator", TimeSeparators, ':');
    return main;
}

void WriteMainWindowSettings(SettingsFile& settings, const MainWindowSettings& main)
{
    WriteWindowPlacement(settings, 1, main.placement);
    settings.WriteBool(NastaveniSection, "Form1 TCharCom", main.TCharCom);
    settings.WriteBool(NastaveniSection, "Form1 Kontrolni vypis", main.KontVypis);
    settings.WriteBool(NastaveniSection, "Form1 Prikazova radka", main.PrikazRadka1);
    settings.WriteBool(NastaveniSection, "Form1 Help-HTML", main.help == HelpForm::WebPage);
    settings.WriteBool(NastaveniSection, "Form1 HELP WIN", main.help == HelpForm::HelpViewer);
    settings.WriteBool(ComponentSection, "FORM1 Index Ano", main.index1);
    settings.WriteBool(ComponentSection, "FORM1 Index Ne", !main.index1);
    settings.WriteBool(SettingSection, "jazyk cesky", main.language == Language::Czech);
    settings.WriteBool(SettingSection, "jazyk anglicky", main.language == Language::English);
    settings.WriteBool(SettingSection, "Barevné zvýraznění Ano", main.colourHighlight);
    settings.WriteBool(SettingSection, "Barevné zvýraznění Ne", !main.colourHighlight);
    for (const ColourKey& colour : ColourKeys) {
        settings.WriteColour(SettingSection, colour.key, main.colours.*colour.field);
    }
    settings.WriteInteger(SettingSection, "Prob_u-Form1.CBMarks.ItemIndex", main.CBMarksItemIndex);
    settings.WriteInteger(SettingSection, "Prob_u-Form1.SpinEdAngle.Value", main.SpinEdAngleValue);
    settings.WriteInteger(SettingSection, "DateSeparator", main.DateSeparator);
    settings.WriteInteger(SettingSection, "TimeSeparator", main.TimeSeparator);
}

void ApplyDefaultValues(MainWindowSettings& main)
{
    const MainWindowSettings defaults;
    main.placement = ResetWindowPlacement(1, 0);
    main.KontVypis = false;
    main.PrikazRadka1 = true;
    main.CBMarksItemIndex = defaults.CBMarksItemIndex;
    main.SpinEdAngleValue = defaults.SpinEdAngleValue;
    main.language = Language::English;
    main.colourHighlight = true;
    // Every colour the colours window sets goes back to its default; the others are not changed by anything.
    main.colours = defaults.colours;
    main.DateSeparator = defaults.DateSeparator;
    main.TimeSeparator = defaults.TimeSeparator;
}

std::string ShortDateFormat(char dateSeparator)
{
    const std::string separator(1, dateSeparator);
    return "d" + separator + "m" + separator + "yyyy";
}

std::string LongTimeFormat(char timeSeparator)
{
    const std::string separator(1, timeSeparator);
    return "hh" + separator + "mm" + separator + "ss";
}

void WriteLastSavedHistogram(SettingsFile& settings, const std::string& path)
{
    settings.WriteString(SavedHistogramSection, "Soubor", path);
}

void WriteLastSavedResults(SettingsFile& settings, const std::string& path)
{
    settings.WriteString(SavedResultsSection, "Soubor", path);
}

}  // namespace morvik
