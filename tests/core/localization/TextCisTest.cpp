#include <gtest/gtest.h>

#include "localization/TextCis.h"

using namespace morvik;

TEST(TextCis, LooksUpTheCurrentLanguageAtEachCall)
{
    SetLanguage(Language::Czech);
    EXPECT_EQ(TextCis(152), "TextCis[152] neexistuje !");
    EXPECT_EQ(TextCis(23), "Násobek A je nulový !");
    SetLanguage(Language::English);
    EXPECT_EQ(TextCis(152), "TextCis[152] no exist !");
    EXPECT_EQ(TextCis(23), "Multiple A = 0 !");
    EXPECT_EQ(TextCis(77, Language::Czech), "");
    EXPECT_EQ(TextCis(77, Language::English), "");
}

TEST(TextCis, KeepsControlCharactersAndFormatsOnePlaceholder)
{
    EXPECT_EQ(FormatText(19, "5") + "3", "Min > Max\r\nContained: Min 5  Max 3");
    EXPECT_EQ(TextCis(499, Language::English).substr(0, 58),
              "The selected file is not saved in the allowed directory : ");
    EXPECT_NE(TextCis(499, Language::English).find("%s\\\r\n"), std::string::npos);
    EXPECT_EQ(TextCis(21, Language::English), "File \r\n\r\n\t%s\r\n\r\n\t\t\t\t exists.  O v e r w r i t e ?");
    EXPECT_EQ(FormatText(9, "/a b.dis"), "Data file  /a b.dis   does not exist !");
    EXPECT_EQ(TextCis(506, Language::Czech), "P ř e t e č e n í  reálného čísla !");
}
