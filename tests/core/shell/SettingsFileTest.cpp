#include <filesystem>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "shell/SettingsFile.h"
#include "support/TempFolder.h"

using namespace morvik;
using morvik::test::ReadText;
using morvik::test::TempFolder;
using morvik::test::WriteText;

TEST(SettingsFile, TypedValuesFallBackOnDamage)
{
    const SettingsFile settings = SettingsFile::FromText(
        "[--  Setting  --]\r\n"
        "whole=42\r\nnegative=-7\r\nfraction=4.5\r\nword=abc\r\nempty=\r\nhuge=99999999999\r\n"
        "on=1\r\noff=0\r\nthree=3\r\nyes=yes\r\n"
        "real=1E-7\r\ncomma=1,5\r\n"
        "face=-16777201\r\nunsigned=4278190095\r\nyellow=65535\r\ntoobig=4294967296\r\n");
    const char* s = "--  Setting  --";
    struct IntegerCase {
        const char* key;
        int expected;
    };
    for (const IntegerCase& c : {IntegerCase{"whole", 42},
                                 {"negative", -7},
                                 {"fraction", 5},
                                 {"word", 5},
                                 {"empty", 5},
                                 {"huge", 5},
                                 {"missing", 5}}) {
        EXPECT_EQ(settings.ReadInteger(s, c.key, 5), c.expected) << c.key;
    }
    EXPECT_TRUE(settings.ReadBool(s, "on", false));
    EXPECT_FALSE(settings.ReadBool(s, "off", true));
    EXPECT_TRUE(settings.ReadBool(s, "three", false));  // any non-zero whole number
    EXPECT_FALSE(settings.ReadBool(s, "yes", false));   // not a number: the default
    EXPECT_TRUE(settings.ReadBool(s, "yes", true));
    EXPECT_DOUBLE_EQ(settings.ReadFloat(s, "real", 0), 1e-7);
    EXPECT_DOUBLE_EQ(settings.ReadFloat(s, "comma", 2), 2);
    EXPECT_EQ(settings.ReadColour(s, "face", 0), ButtonFaceColour);
    EXPECT_EQ(settings.ReadColour(s, "unsigned", 0), ButtonFaceColour);
    EXPECT_EQ(settings.ReadColour(s, "yellow", 0), 0x00FFFFu);
    EXPECT_EQ(settings.ReadColour(s, "toobig", 7), 7u);
    EXPECT_EQ(settings.ReadString(s, "word", "x"), "abc");
    EXPECT_EQ(settings.ReadString(s, "missing", "x"), "x");
}

TEST(SettingsFile, MatchesSectionsAndKeysWithoutRegardToCase)
{
    SettingsFile settings = SettingsFile::FromText("[--  Position  --]\nKombinace-Form8.Width=640\n");
    EXPECT_EQ(settings.ReadInteger("--  position  --", "Kombinace-Form8.width", 0), 640);
    settings.WriteInteger("--  Position  --", "KOMBINACE-FORM8.WIDTH", 700);
    EXPECT_EQ(settings.ReadInteger("--  Position  --", "Kombinace-Form8.Width", 0), 700);
    const std::string text = settings.Text();
    EXPECT_EQ(text.find("640"), std::string::npos);
    EXPECT_EQ(text.find("=700"), text.rfind("=700")) << "one key, not two";
}

TEST(SettingsFile, KeepsUnusualNamesAndOneLinePerValue)
{
    SettingsFile settings;
    settings.WriteColour("--  Setting  --", "text nadpisu)", ButtonFaceColour);
    settings.WriteString("--  Uložit histogram  --", "Soubor", "/a/b\r\nc.dis");
    settings.WriteString("--  ReOpen histogram  --", "ReOpen-soubor  [0]", "/h/Loads/x y.dis");
    const std::string text = settings.Text();
    EXPECT_NE(text.find("text nadpisu)=-16777201"), std::string::npos);
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), std::string::npos) << "no byte-order mark";

    const SettingsFile back = SettingsFile::FromText(text);
    EXPECT_EQ(back.ReadColour("--  Setting  --", "text nadpisu)", 0), ButtonFaceColour);
    EXPECT_EQ(back.ReadString("--  Uložit histogram  --", "Soubor", ""), "/a/b  c.dis");
    EXPECT_EQ(back.ReadString("--  ReOpen histogram  --", "ReOpen-soubor  [0]", ""), "/h/Loads/x y.dis");
}

TEST(SettingsFile, ReadsAFileWithAByteOrderMark)
{
    const SettingsFile settings = SettingsFile::FromText("\xEF\xBB\xBF[--  Setting  --]\r\njazyk cesky=1\r\n");
    EXPECT_TRUE(settings.ReadBool("--  Setting  --", "jazyk cesky", false));
}

TEST(SettingsFile, SavesAndLoadsAFile)
{
    TempFolder temp;
    const std::string path = temp / "Morvik.INI";
    SettingsFile settings = SettingsFile::Load(path);  // not there yet: empty
    EXPECT_FALSE(settings.Unreadable());
    settings.WriteInteger("--  Position  --", "Prob_u-Form1.left", 12);
    ASSERT_FALSE(settings.Save());
    EXPECT_EQ(SettingsFile::Load(path).ReadInteger("--  Position  --", "Prob_u-Form1.left", 0), 12);

    // Another window's writer keeps what the first wrote.
    ASSERT_FALSE(UpdateSettingsFile(path, [](SettingsFile& s) { s.WriteInteger("--  Position  --", "x.top", 3); }));
    const SettingsFile back = SettingsFile::Load(path);
    EXPECT_EQ(back.ReadInteger("--  Position  --", "Prob_u-Form1.left", 0), 12);
    EXPECT_EQ(back.ReadInteger("--  Position  --", "x.top", 0), 3);
}

TEST(SettingsFile, AnUnreadableFileGivesDefaultsAndIsNotOverwritten)
{
    SetLanguage(Language::English);
    TempFolder temp;
    const std::string path = temp / "Morvik.INI";
    std::filesystem::create_directory(path);  // something that cannot be read as a file
    SettingsFile settings = SettingsFile::Load(path);
    EXPECT_TRUE(settings.Unreadable());
    EXPECT_EQ(settings.ReadInteger("--  Position  --", "Prob_u-Form1.width", 700), 700);
    settings.WriteInteger("--  Position  --", "Prob_u-Form1.width", 1);
    const auto failure = settings.Save();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, FormatText(22, path));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SettingsFile, ABinaryFileReadsWithoutStopping)
{
    TempFolder temp;
    const std::string path = temp / "Morvik.INI";
    WriteText(path, std::string("\0\xff\xfe[\n=\n[x\n\x80=\x81\n", 14));
    SettingsFile settings = SettingsFile::Load(path);
    EXPECT_EQ(settings.ReadInteger("--  Position  --", "Prob_u-Form1.width", 700), 700);
    settings.WriteInteger("--  Position  --", "Prob_u-Form1.width", 640);
    ASSERT_FALSE(settings.Save());
    EXPECT_EQ(SettingsFile::Load(path).ReadInteger("--  Position  --", "Prob_u-Form1.width", 700), 640);
}
