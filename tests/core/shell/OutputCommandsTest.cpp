#include <string>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "shell/DesktopPrograms.h"
#include "shell/GraphTargetSetting.h"
#include "shell/MainWindowSettings.h"

namespace morvik {
namespace {

TEST(GraphTargetSetting, TheChoiceSurvivesTheProgramAndDamageReadsAsTheClipboard)
{
    for (const GraphTarget target :
         {GraphTarget::Clipboard, GraphTarget::Bitmap, GraphTarget::Metafile, GraphTarget::Jpeg}) {
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

// Each separator item sets its separator and the format that goes with it.
TEST(Separators, EachItemGivesItsFormat)
{
    struct Case {
        char separator;
        std::string format;
    };
    for (const Case& c : {Case{'.', "d.m.yyyy"}, Case{'-', "d-m-yyyy"}, Case{'/', "d/m/yyyy"}}) {
        EXPECT_EQ(ShortDateFormat(c.separator), c.format);
    }
    for (const Case& c : {Case{':', "hh:mm:ss"}, Case{'.', "hh.mm.ss"}})
        EXPECT_EQ(LongTimeFormat(c.separator), c.format);
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
