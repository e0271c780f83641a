#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "localization/TextCis.h"
#include "shell/DateTimeText.h"
#include "shell/DesktopPrograms.h"
#include "shell/GraphTargetSetting.h"
#include "shell/MainWindowSettings.h"

namespace morvik {
namespace {

TEST(GraphTargetSetting, TheChoiceSurvivesTheProgramAndDamageReadsAsTheClipboard)
{
    for (const GraphTarget target : {GraphTarget::Clipboard, GraphTarget::Bitmap, GraphTarget::Metafile,
                                     GraphTarget::Jpeg}) {
        SettingsFile settings;
        WriteGraphTarget(settings, target);
        EXPECT_EQ(ReadGraphTarget(SettingsFile::FromText(settings.Text())), target);
    }
    EXPECT_EQ(ReadGraphTarget(SettingsFile()), GraphTarget::Clipboard);
    for (const char* damaged : {"7", "-1", "jpg"}) {
        const SettingsFile settings =
            SettingsFile::FromText(std::string("[--  Nastaveni  --]\nForm1 Graf do=") + damaged + "\n");
        EXPECT_EQ(ReadGraphTarget(settings), GraphTarget::Clipboard) << damaged;
    }
}

// Each separator item sets its separator and the format that goes with it, and the clock and dates follow.
TEST(Separators, EachItemGivesItsFormatAndText)
{
    std::tm moment{};
    moment.tm_year = 2024 - 1900;
    moment.tm_mon = 2;
    moment.tm_mday = 5;
    moment.tm_hour = 14;
    moment.tm_min = 7;
    moment.tm_sec = 30;
    struct DateCase {
        char separator;
        std::string format;
        std::string text;
    };
    for (const DateCase& c : {DateCase{'.', "d.m.yyyy", "5.3.2024"}, DateCase{'-', "d-m-yyyy", "5-3-2024"},
                              DateCase{'/', "d/m/yyyy", "5/3/2024"}}) {
        EXPECT_EQ(ShortDateFormat(c.separator), c.format);
        EXPECT_EQ(DateText(moment, c.separator), c.text);
    }
    for (const DateCase& c : {DateCase{':', "hh:mm:ss", "14:07:30"}, DateCase{'.', "hh.mm.ss", "14.07.30"}}) {
        EXPECT_EQ(LongTimeFormat(c.separator), c.format);
        EXPECT_EQ(TimeText(moment, c.separator), c.text);
    }
}

TEST(WordProcessor, WriterFirstThenAbiWordThenTheDesktopsChoiceForTheNewDocument)
{
    const std::vector<ProgramLaunch> expected = {
        {"libreoffice", {"--writer"}},
        {"abiword", {}},
        {"xdg-open", {"/tmp/new.odt"}},
    };
    EXPECT_EQ(WordProcessorCandidates("/tmp/new.odt"), expected);
}

TEST(WordProcessor, TheFailureNamesEveryProgramWithItsReasonInTheLanguageOfTheSession)
{
    const std::vector<FailedLaunch> failures = {{"libreoffice", "not installed"}, {"xdg-open", "Permission denied"}};
    std::string texts[2];
    for (const Language language : {Language::English, Language::Czech}) {
        SetLanguage(language);
        const std::string& text = texts[static_cast<int>(language)] = WordProcessorFailureText(failures);
        EXPECT_NE(text.find("libreoffice : not installed"), std::string::npos) << text;
        EXPECT_NE(text.find("xdg-open : Permission denied"), std::string::npos) << text;
    }
    SetLanguage(Language::English);
    EXPECT_NE(texts[0], texts[1]);
}

}  // namespace
}  // namespace morvik
