#include <gtest/gtest.h>

#include "shell/ChartWindowSettings.h"
#include "shell/MainWindowSettings.h"
#include "shell/WindowPlacement.h"

using namespace morvik;

TEST(MainWindowSettings, AnEmptyFileGivesTheDefaults)
{
    const MainWindowSettings main = ReadMainWindowSettings(SettingsFile());
    EXPECT_EQ(main, MainWindowSettings{});
    EXPECT_EQ(main.placement, (WindowPlacement{0, 0, 700, 496}));
    EXPECT_EQ(main.language, Language::English);
    EXPECT_FALSE(main.index1);                // value labels
    EXPECT_EQ(main.colours.bars, 0x00FFFFu);  // yellow bars
    EXPECT_EQ(main.colours.windowBackground, ButtonFaceColour);
    EXPECT_EQ(ShortDateFormat(main.DateSeparator), "d.m.yyyy");
    EXPECT_EQ(LongTimeFormat(main.TimeSeparator), "hh:mm:ss");
}

TEST(MainWindowSettings, RoundTripThroughTheFileUnderItsKeys)
{
    MainWindowSettings main;
    main.placement = {10, 20, 1024, 700};
    main.TCharCom = false;
    main.KontVypis = true;
    main.PrikazRadka1 = false;
    main.help = HelpForm::HelpViewer;
    main.index1 = true;
    main.language = Language::Czech;
    main.colourHighlight = false;
    main.CBMarksItemIndex = 4;
    main.SpinEdAngleValue = 45;
    main.DateSeparator = '/';
    main.TimeSeparator = '.';
    main.colours.chartTitle = 0x123456;
    main.colours.windowBackground = 0xFF000005;
    main.colours.parametricChartBackground = 0x00ABCDEF;

    SettingsFile settings;
    WriteMainWindowSettings(settings, main);
    const std::string text = settings.Text();
    EXPECT_EQ(ReadMainWindowSettings(SettingsFile::FromText(text)), main);

    for (const char* line : {"[--  Position  --]",
                             "Prob_u-Form1.width=1024",
                             "[--  Nastaveni  --]",
                             "Form1 Kontrolni vypis=1",
                             "Form1 HELP WIN=1",
                             "Form1 Help-HTML=0",
                             "[--  Component  --]",
                             "FORM1 Index Ano=1",
                             "FORM1 Index Ne=0",
                             "jazyk cesky=1",
                             "jazyk anglicky=0",
                             "Barevné zvýraznění Ano=0",
                             "Barevné zvýraznění Ne=1",
                             "text nadpisu)=1193046",
                             "FORM1 pozadi=-16777211",
                             "GRAF pozadí PR=11259375",
                             "Prob_u-Form1.CBMarks.ItemIndex=4",
                             "Prob_u-Form1.SpinEdAngle.Value=45",
                             "DateSeparator=47",
                             "TimeSeparator=46"}) {
        EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line;
    }
}

TEST(MainWindowSettings, DamagedOrForeignValuesTakeTheirDefaults)
{
    const MainWindowSettings main = ReadMainWindowSettings(SettingsFile::FromText(
        "[--  Position  --]\nProb_u-Form1.width=0\nProb_u-Form1.height=wide\nProb_u-Form1.left=-30\n"
        "[--  Setting  --]\nProb_u-Form1.CBMarks.ItemIndex=5\nProb_u-Form1.SpinEdAngle.Value=361\n"
        "DateSeparator=65\nTimeSeparator=0\nhistogram=yellow\nstatus bar=1.5\njazyk cesky=ano\n"));
    EXPECT_EQ(main.placement, (WindowPlacement{-30, 0, 700, 496}));
    EXPECT_EQ(main.CBMarksItemIndex, 2);
    EXPECT_EQ(main.SpinEdAngleValue, 90);
    EXPECT_EQ(main.DateSeparator, '.');
    EXPECT_EQ(main.TimeSeparator, ':');
    EXPECT_EQ(main.colours.bars, 0x00FFFFu);
    EXPECT_EQ(main.colours.statusBar, 0xFFFFFFu);
    EXPECT_EQ(main.language, Language::English);
}

TEST(MainWindowSettings, TheItemTheProgramAsksDecidesAnExclusivePair)
{
    struct Case {
        const char* text;
        Language language;
        bool colourHighlight;
        HelpForm help;
    };
    // clang-format off
    const Case cases[] = {
        {"jazyk cesky=1\njazyk anglicky=1\n", Language::Czech, true, HelpForm::WebPage},
        {"jazyk cesky=0\njazyk anglicky=0\n", Language::English, true, HelpForm::WebPage},
        {"Barevné zvýraznění Ano=1\nBarevné zvýraznění Ne=1\n", Language::English, false, HelpForm::WebPage},
        {"Barevné zvýraznění Ano=0\nBarevné zvýraznění Ne=0\n", Language::English, true, HelpForm::WebPage},
        {"[--  Nastaveni  --]\nForm1 Help-HTML=0\nForm1 HELP WIN=0\n", Language::English, true, HelpForm::WebPage},
        {"[--  Nastaveni  --]\nForm1 Help-HTML=0\nForm1 HELP WIN=1\n", Language::English, true,
         HelpForm::HelpViewer},
    };
    // clang-format on
    for (const Case& c : cases) {
        const MainWindowSettings main =
            ReadMainWindowSettings(SettingsFile::FromText(std::string("[--  Setting  --]\n") + c.text));
        EXPECT_EQ(main.language, c.language) << c.text;
        EXPECT_EQ(main.colourHighlight, c.colourHighlight) << c.text;
        EXPECT_EQ(main.help, c.help) << c.text;
    }
}

TEST(MainWindowSettings, DefaultValuesResetWhatTheCommandResets)
{
    MainWindowSettings main;
    main.placement = {100, 100, 900, 900};
    main.TCharCom = false;
    main.KontVypis = true;
    main.PrikazRadka1 = false;
    main.index1 = true;
    main.help = HelpForm::HelpViewer;
    main.language = Language::Czech;
    main.colourHighlight = false;
    main.CBMarksItemIndex = 0;
    main.SpinEdAngleValue = 10;
    main.DateSeparator = '-';
    main.TimeSeparator = '.';
    main.colours.bars = 0x123456;
    ApplyDefaultValues(main);

    MainWindowSettings expected;
    expected.placement = {0, 0, 720, 500};
    expected.TCharCom = false;  // untouched by the command
    expected.index1 = true;
    expected.help = HelpForm::HelpViewer;
    EXPECT_EQ(main, expected);
}

TEST(WindowPlacement, EveryWindowReadsAndWritesItsOwnKeys)
{
    const int screen = 1280;
    for (int form = 1; form <= 19; ++form) {
        SCOPED_TRACE(form);
        if (!HasPositionKeys(form)) {
            EXPECT_TRUE(form == 16 || form == 17);
            continue;
        }
        const WindowPlacement defaults = ReadWindowPlacement(SettingsFile(), form, screen);
        EXPECT_EQ(defaults, DefaultWindowPlacement(form, screen));
        EXPECT_GT(defaults.width, 0);
        SettingsFile settings;
        const WindowPlacement moved{form, 2 * form, 300 + form, 200 + form};
        WriteWindowPlacement(settings, form, moved);
        EXPECT_EQ(ReadWindowPlacement(SettingsFile::FromText(settings.Text()), form, screen), moved);
        // No two windows share a key.
        for (int other = 1; other <= 19; ++other) {
            if (other != form && HasPositionKeys(other)) {
                EXPECT_EQ(ReadWindowPlacement(settings, other, screen), DefaultWindowPlacement(other, screen));
            }
        }
    }
}

TEST(WindowPlacement, KeySpellingsAndSizes)
{
    const SettingsFile settings = SettingsFile::FromText(
        "[--  Position  --]\nGrafKoSu-Form11left=5\nGrafKoSu-Form11Width=640\nKombinace-Form8.width=610\n"
        "PopisHistogramu-Form18.WIDTH=300\n");
    EXPECT_EQ(ReadWindowPlacement(settings, 11, 0), (WindowPlacement{5, 0, 640, 400}));
    EXPECT_EQ(ReadWindowPlacement(settings, 8, 0).width, 610);
    EXPECT_EQ(ReadWindowPlacement(settings, 18, 0).width, 300);

    SettingsFile written;
    WriteWindowPlacement(written, 8, {0, 0, 750, 322});
    EXPECT_NE(written.Text().find("Kombinace-Form8.Width=750"), std::string::npos);

    EXPECT_EQ(DefaultWindowPlacement(19, 1600), (WindowPlacement{0, 0, 1600, 600}));
    EXPECT_EQ(DefaultWindowPlacement(7, 0), (WindowPlacement{0, 0, 800, 460}));
    EXPECT_EQ(ResetWindowPlacement(7, 0), (WindowPlacement{0, 0, 770, 440}));
    EXPECT_EQ(ResetWindowPlacement(1, 0), (WindowPlacement{0, 0, 720, 500}));
    EXPECT_EQ(DefaultWindowPlacement(1, 0), (WindowPlacement{0, 0, 700, 496}));
}

TEST(ChartWindowSettings, EachChartWindowKeepsItsOwnOptions)
{
    SettingsFile settings;
    WriteChartWindowSettings(settings, 10, {0x112233, 1, 45});
    WriteChartWindowSettings(settings, 14, {ButtonFaceColour, 4, 0});
    WriteChartWindowSettings(settings, 3, {0x445566, 0, 0});  // keeps none
    WriteGenerationFields(settings, 12, {"1E-5", "256"});
    const std::string text = settings.Text();
    EXPECT_NE(text.find("KrivkaTrvani-Form10.Color- GRAF pozadí KTZ=1122867\n"), std::string::npos);
    EXPECT_NE(text.find("PrvotniData-Form14.CBMarks.ItemIndex=4\n"), std::string::npos);
    EXPECT_NE(text.find("ParamRozdel-Form12.PocetIntervalu=256\n"), std::string::npos);
    EXPECT_EQ(text.find("445566"), std::string::npos);

    const SettingsFile back = SettingsFile::FromText(text);
    EXPECT_EQ(ReadChartWindowSettings(back, 10), (ChartWindowSettings{0x112233, 1, 45}));
    EXPECT_EQ(ReadChartWindowSettings(back, 14), (ChartWindowSettings{ButtonFaceColour, 4, 0}));
    EXPECT_EQ(ReadChartWindowSettings(back, 12), ChartWindowSettings{});
    EXPECT_EQ(ReadGenerationFields(back, 12), (GenerationFields{"1E-5", "256"}));
    EXPECT_EQ(ReadGenerationFields(back, 14), GenerationFields{});
    EXPECT_EQ(ReadChartWindowSettings(
                  SettingsFile::FromText("[--  Setting  --]\nParamRozdel-Form12.SpinEdAngle.Value=999\n"), 12),
              ChartWindowSettings{});
}
