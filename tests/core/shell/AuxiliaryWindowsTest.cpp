// The rules behind the auxiliary windows and commands: the settings viewer's rows, the "Default values" command
// for the other windows, the main window's first place on a large screen and the help pages.
#include <set>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "shell/ChartWindowSettings.h"
#include "shell/DefaultValues.h"
#include "shell/HelpPages.h"
#include "shell/SettingsListing.h"
#include "shell/StartPlacement.h"
#include "shell/WindowPlacement.h"

using namespace morvik;

TEST(SettingsListing, OneRowPerLineWithSectionsAsRows)
{
    const std::string text =
        "[--  Position  --]\r\n"
        "Prob_u-Form1.left=12\r\n"
        "\r\n"
        "[--  Setting  --]\n"
        "text nadpisu)=255\n"
        "ReOpen-soubor  [0]=/home/a=b.dis\n"
        "empty=\n";
    const std::vector<SettingsRow> expected = {
        {"[--  Position  --]", ""},
        {"Prob_u-Form1.left", "12"},
        {"[--  Setting  --]", ""},
        {"text nadpisu)", "255"},
        {"ReOpen-soubor  [0]", "/home/a=b.dis"},  // split at the first "=" only
        {"empty", ""},
    };
    EXPECT_EQ(SettingsRows(text), expected);
    EXPECT_TRUE(SettingsRows("").empty());
}

TEST(SettingsListing, ASettingsFileNotYetWrittenIsReported)
{
    SetLanguage(Language::English);
    const std::optional<Message> refusal = SettingsViewerRefusal(false);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, Message::Information("INI file was not created yet !"));
    EXPECT_FALSE(SettingsViewerRefusal(true));
}

// Every other window's reset place, and the chart options and fields of windows 10, 12 and 14, replace whatever
// the file held; the main window's own keys are left to its settings.
TEST(DefaultValues, EveryWindowTakesItsResetValues)
{
    constexpr int screen = 1600;
    SettingsFile settings;
    const WindowPlacement odd{300, 200, 123, 77};
    for (int form = 1; form <= 19; ++form) WriteWindowPlacement(settings, form, odd);
    for (int form : {10, 12, 14}) WriteChartWindowSettings(settings, form, {0x123456, 4, 30});
    for (int form : {12, 14}) WriteGenerationFields(settings, form, {"1E-3", "16"});

    WriteDefaultWindowValues(settings, screen);

    const std::set<int> withoutKeys = {1, 16, 17};
    for (int form = 2; form <= 19; ++form) {
        if (withoutKeys.count(form)) continue;
        EXPECT_EQ(ReadWindowPlacement(settings, form, screen), ResetWindowPlacement(form, screen)) << form;
    }
    EXPECT_EQ(ReadWindowPlacement(settings, 7, screen), (WindowPlacement{0, 0, 770, 440}));
    EXPECT_EQ(ReadWindowPlacement(settings, 19, screen), (WindowPlacement{0, 0, screen, 600}));
    EXPECT_EQ(ReadWindowPlacement(settings, 1, screen), odd);
    for (int form : {10, 12, 14}) {
        EXPECT_EQ(ReadChartWindowSettings(settings, form), (ChartWindowSettings{0xFFFFFF, 2, 90})) << form;
    }
    for (int form : {12, 14}) {
        EXPECT_EQ(ReadGenerationFields(settings, form), (GenerationFields{"0.0000001", "128"})) << form;
    }
}

TEST(StartPlacement, ALargeScreenIsUsedUntilASizeIsStored)
{
    struct Case {
        const char* settings;
        ScreenArea screen;
        WindowPlacement expected;
    };
    const Case cases[] = {
        // No file: 90 % of the available area, centred in it.
        {"", {0, 0, 2000, 1000}, {100, 50, 1800, 900}},
        {"", {50, 30, 1000, 800}, {100, 70, 900, 720}},
        // A small screen still gets at least the default size.
        {"", {0, 0, 640, 480}, {0, 0, 700, 496}},
        // A stored size is kept as stored, with its place.
        {"[--  Position  --]\nProb_u-Form1.left=5\nProb_u-Form1.top=6\nProb_u-Form1.width=640\n"
         "Prob_u-Form1.height=400\n",
         {0, 0, 2000, 1000},
         {5, 6, 640, 400}},
        // Keys are matched without regard to case.
        {"[--  position  --]\nprob_u-form1.WIDTH=800\nPROB_U-FORM1.Height=500\n", {0, 0, 2000, 1000}, {0, 0, 800, 500}},
        // Without a screen the stored defaults stand.
        {"", {0, 0, 0, 0}, {0, 0, 700, 496}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindowStartPlacement(SettingsFile::FromText(c.settings), c.screen), c.expected) << c.settings;
    }
}

TEST(HelpPages, OnePagePerLanguageInTheStartFolder)
{
    Folders folders;
    folders.StartFolder = "/usr/share/morvik";
    EXPECT_EQ(HelpPagePath(folders, Language::English), "/usr/share/morvik/Morvik.htm");
    EXPECT_EQ(HelpPagePath(folders, Language::Czech), "/usr/share/morvik/cs/Morvik.htm");
}

TEST(HelpPages, AMissingPageIsReportedOnceAfterEachMainCaptionSet)
{
    Folders folders;
    folders.StartFolder = "/opt/morvik";
    std::set<std::string> present = {"/opt/morvik/Morvik.htm"};
    HelpCommand help([&present](const std::string& path) { return present.count(path) > 0; });

    const HelpCommand::Outcome english = help.Request(folders, Language::English);
    EXPECT_EQ(english.page, "/opt/morvik/Morvik.htm");
    EXPECT_FALSE(english.notice);

    const HelpCommand::Outcome first = help.Request(folders, Language::Czech);
    EXPECT_FALSE(first.page);
    ASSERT_TRUE(first.notice);
    EXPECT_EQ(first.notice->kind, DialogKind::Warning);
    EXPECT_EQ(first.notice->text, "Adresář souboru Help nenalezen !\r\n\r\n/opt/morvik/cs/Morvik.htm");

    const HelpCommand::Outcome second = help.Request(folders, Language::Czech);
    EXPECT_FALSE(second.page);
    EXPECT_FALSE(second.notice);

    help.MainCaptionSetApplied();
    const HelpCommand::Outcome again = help.Request(folders, Language::English);
    EXPECT_TRUE(again.page);  // the English page is there: no notice is used up
    const HelpCommand::Outcome third = help.Request(folders, Language::Czech);
    ASSERT_TRUE(third.notice);
    EXPECT_EQ(third.notice->text, first.notice->text);

    // A program that found no data folder at all has no page in any language.
    HelpCommand withoutData([](const std::string&) { return true; });
    const HelpCommand::Outcome none = withoutData.Request(Folders{}, Language::English);
    EXPECT_FALSE(none.page);
    ASSERT_TRUE(none.notice);
    EXPECT_EQ(none.notice->text, "Directory for file Help no exist !\r\n\r\n/Morvik.htm");
}
