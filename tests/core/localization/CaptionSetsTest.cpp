#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"
#include "localization/TableCaptionSets.h"

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
         {"Panel1",        "Novyhistogram1",  "Otevthistogram1", "ReOpen1",     "N01",          "PopisVysledku1",
          "VypisVstHist",  "OtevriWord1",     "Ulozit3",         "Ulozit2",     "UlozGraf1",    "UlozOkno1",
          "KrivkaTrvZat",  "Konec1",          "BarZvy",          "Barvy1",      "DefaultNast1", "Zasobnik1",
          "VolejPicture1", "ProhlSoubor1",    "Jazyk1",          "Cestina",     "Anglictina",   "KontVypis",
          "PrikazRadka1",  "VypisIniSouboru", "TextAdobe",       "OAdresach1",  "OVerzi1",      "OProgramu1",
          "GroupBox1",     "Edit1",           "AbsHodHist",      "Edit3",       "EditMin",      "EditMax",
          "CBTypHist",     "StringGrid1",     "StringGrid4",     "GroupBox2",   "EditXY",       "EditP",
          "StatusBar1",    "BChar",           "StringGrid2",     "StringGrid3", "TeeCommander1"}) {
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

// The sets of the version window, the settings viewer, the distribution-function window, the editor, the
// tables and the listing: the window titles, both
// languages naming the same elements, and a hint for every element the windows describe.
TEST(ToolWindowCaptionSets, TitlesAndHintsInBothLanguages)
{
    struct Case {
        int form;
        const char* czechTitle;
        const char* englishTitle;
        std::vector<const char*> hinted;
    };
    // clang-format off
    const Case cases[] = {
        {2, "  Morvik  -  O verzi", "  Morvik  -  About version", {"BitBtn1", "BitBtn2", "BitBtn3", "Label4", "Label5"}},
        {3, " Popis histogramu", "Histogram description", {"StringGrid1", "KontTisk", "ExitBtn"}},
        {5, "  Morvik  -  Nastavení barev", "  Morvik  -  SetUp colours", {}},
        {6, "  Morvik :   Inicializační soubor - Morvik.INI", "  Morvik :   Initial file - Morvik.INI", {}},
        {9, "  Morvik : Popis ", "  Morvik : Description ", {"StringGrid1", "KontTisk", "ExitBtn"}},
        {10, "  Morvik   :   Graf distribuční funkce", "  Morvik :  Graph Distribution function",
         {"Chart1L", "StringGrid2", "ExitBtn", "OtevriWord", "UlozGraf", "SpeedButton1"}},
        {15, "  Morvik :   Výpis histogramu ", "  Morvik :   Histogram description", {"ListBox1"}},
        {18, "  Morvik :  Popis nového histogramu", "  Morvik :  Description of new histogram",
         {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "BitBtn1", "BitBtn2", "Memo1", "ComboBox1"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto czech = CaptionSet(c.form, Language::Czech);
        const auto english = CaptionSet(c.form, Language::English);
        ASSERT_EQ(czech.size(), english.size()) << c.form;
        ASSERT_FALSE(czech.empty()) << c.form;
        EXPECT_EQ(czech[0].kind, CaptionKind::WindowTitle) << c.form;
        EXPECT_EQ(czech[0].text, c.czechTitle) << c.form;
        EXPECT_EQ(english[0].text, c.englishTitle) << c.form;
        for (size_t i = 0; i < czech.size(); ++i) {
            EXPECT_EQ(czech[i].objectName, english[i].objectName) << c.form << " " << i;
            EXPECT_EQ(czech[i].kind, english[i].kind) << c.form << " " << czech[i].objectName;
            EXPECT_FALSE(czech[i].text.empty());
            EXPECT_FALSE(english[i].text.empty());
        }
        for (const char* name : c.hinted) {
            const auto czechHint = FindHint(czech, name);
            const auto englishHint = FindHint(english, name);
            ASSERT_TRUE(czechHint && englishHint) << c.form << " " << name;
            EXPECT_NE(czechHint->find('|'), std::string_view::npos) << name;
            EXPECT_NE(englishHint->find('|'), std::string_view::npos) << name;
        }
    }
    EXPECT_EQ(FindItem(CaptionSet(10, Language::Czech), "CBValInd", 1), "Hodnota  x");
    EXPECT_EQ(FindItem(CaptionSet(10, Language::English), "CBValInd", 1), "Value  x");
    EXPECT_EQ(FindCaption(CaptionSet(18, Language::Czech), "Label7"), "Počet dat");
    EXPECT_EQ(FindCaption(CaptionSet(18, Language::English), "Label4"), "Frequency summation");
    EXPECT_EQ(RowTableHeadings(Language::Czech)[2], " Pravděpodobnost P(x)");
    EXPECT_EQ(RowTableHeadings(Language::English)[4], " Distr.function F(x)");
}

// The control listing takes its title from the catalogue as it opens; its set gives the grid's hint only.
TEST(ToolWindowCaptionSets, ControlListingHintsItsGrid)
{
    for (const Language language : {Language::Czech, Language::English}) {
        const auto set = CaptionSet(4, language);
        ASSERT_EQ(set.size(), 1u);
        const auto hint = FindHint(set, "StringGrid1");
        ASSERT_TRUE(hint.has_value());
        EXPECT_NE(hint->find('|'), std::string_view::npos);
    }
}
