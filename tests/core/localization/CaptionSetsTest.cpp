#include <gtest/gtest.h>

#include <set>
#include <string>

#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"

using namespace morvik;

TEST(MainWindowCaptionSet, SpotChecksInBothLanguages)
{
    const auto czech = MainWindowCaptionSet(Language::Czech);
    const auto english = MainWindowCaptionSet(Language::English);
    EXPECT_EQ(FindCaption(czech, "Otevthistogram1"), "&Otevřít histogram ...");
    EXPECT_EQ(FindCaption(english, "Otevthistogram1"), "&Open histogram...");
    EXPECT_EQ(FindCaption(czech, "GroupBox2"), "  V ý s l e d n ý   h i s t o g r a m  ");
    EXPECT_EQ(FindCaption(english, "Label14"), "Propability P(X<=Qp)");
    EXPECT_EQ(FindCaption(english, "Ano1"), "Yes");
    EXPECT_EQ(FindCell(czech, "StringGrid3", 0, 3), "   Suma pravděpodobností");
    EXPECT_EQ(FindCell(english, "StringGrid4", 0, 1), "Frequency summation");
    EXPECT_EQ(FindCell(english, "StringGrid4", 1, 1), std::nullopt);
    EXPECT_EQ(FindItem(czech, "CBValInd", 1), "Hodnota  x");
    EXPECT_EQ(FindItem(english, "CBValInd", 1), "Value x");
    EXPECT_EQ(FindHint(english, "Konec1"), "Exit program ?| Exit program  M o r v i k");
    EXPECT_EQ(FindHint(czech, "Otevthistogram1"),
              "Otevřít histogram ( Ctrl+O ) | Otevře datový soubor, obsahující popis histogramem");
    EXPECT_EQ(FindHint(english, "CBTypHist"),
              "1.Histogram (correction)2.Histogram of combination 3.Summing histogram 4.Parametric distribution "
              "5.Raw data");
    EXPECT_EQ(CaptionSet(1, Language::Czech).data(), czech.data());
    EXPECT_TRUE(CaptionSet(13, Language::English).empty());
}

TEST(MainWindowCaptionSet, BothLanguagesNameTheSameElementsAndEveryHint)
{
    const auto czech = MainWindowCaptionSet(Language::Czech);
    const auto english = MainWindowCaptionSet(Language::English);
    ASSERT_EQ(czech.size(), english.size());
    std::set<std::string> hinted;
    for (size_t i = 0; i < czech.size(); ++i) {
        EXPECT_EQ(czech[i].objectName, english[i].objectName) << i;
        EXPECT_EQ(czech[i].kind, english[i].kind) << czech[i].objectName;
        EXPECT_EQ(czech[i].column, english[i].column) << czech[i].objectName;
        EXPECT_EQ(czech[i].row, english[i].row) << czech[i].objectName;
        EXPECT_FALSE(czech[i].text.empty());
        EXPECT_FALSE(english[i].text.empty());
        if (czech[i].kind == CaptionKind::Hint) hinted.insert(std::string(czech[i].objectName));
    }
    // Chart1 takes its hint from the message catalogue (MainChartHint).
    for (const char* name :
         {"Panel1", "Novyhistogram1", "Otevthistogram1", "ReOpen1", "N01", "PopisVysledku1", "VypisVstHist",
          "OtevriWord1", "Ulozit3", "Ulozit2", "UlozGraf1", "UlozOkno1", "KrivkaTrvZat", "Konec1", "BarZvy",
          "Barvy1", "DefaultNast1", "Zasobnik1", "VolejPicture1", "ProhlSoubor1", "Jazyk1", "Cestina",
          "Anglictina", "KontVypis", "PrikazRadka1", "VypisIniSouboru", "TextAdobe", "OAdresach1", "OVerzi1",
          "OProgramu1", "GroupBox1", "Edit1", "AbsHodHist", "Edit3", "EditMin", "EditMax", "CBTypHist",
          "StringGrid1", "StringGrid4", "GroupBox2", "EditXY", "EditP", "StatusBar1", "BChar", "StringGrid2",
          "StringGrid3", "TeeCommander1"}) {
        EXPECT_TRUE(hinted.count(name)) << name;
    }
    // Every button that copies a menu item's hint finds one.
    for (const auto sources : {ToolbarHintSources(), NamedHintSources()}) {
        for (const HintSource& source : sources) {
            EXPECT_TRUE(hinted.count(std::string(source.menuItem))) << source.control;
        }
    }
}

TEST(MainWindowTexts, ListsAndTitles)
{
    for (Language language : {Language::Czech, Language::English}) {
        const auto items = CBTypHistItems(language);
        EXPECT_EQ(items[0], "Histogram");
        for (int i = 1; i < 5; ++i) EXPECT_EQ(items[i], TextCis(54 + i, language)) << i;
    }
    EXPECT_EQ(CBValIndItems(Language::English), (std::array<std::string, 2>{"Index x", "Value x"}));
    EXPECT_EQ(CBMarksItems()[2], "x & P(x)");
    EXPECT_EQ(MainBottomAxisTitle(true, Language::Czech), "Index   x");
    EXPECT_EQ(MainBottomAxisTitle(false, Language::English), "Value  x");
    EXPECT_EQ(MainLeftAxisTitle(Language::English), "Probability   P(x)");
    EXPECT_EQ(MainChartHint(false, Language::English), TextCis(53, Language::English));
    EXPECT_EQ(MainWindowTitle(Language::English, "1.0.0"), "M o r v i k  -  Version 1.0.0");
    EXPECT_EQ(MainWindowTitle(Language::Czech, "1.0.0"), "M o r v i k  -  Verze 1.0.0");
}

TEST(MainWindowTexts, HintsThatNameTheHistogram)
{
    EXPECT_EQ(HintWithName("Save graph | Saves the chart", "Dead"), "Save graph  : Dead| Saves the chart : Dead");
    EXPECT_EQ(HintWithName("No bar", "x"), "No bar : x");
    EXPECT_EQ(NameWithoutExtension("a.b"), "a");
    EXPECT_EQ(NameWithoutExtension("DeadLoad.dis"), "DeadLoad");
    EXPECT_EQ(NameWithoutExtension("x.disabc"), "xabc");
    EXPECT_EQ(NameWithoutExtension("plain"), "plain");
    const auto named = NamedHintSources();
    EXPECT_EQ(std::count_if(named.begin(), named.end(), [](const HintSource& s) { return s.fullName; }), 1);
}
