#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "editor/HistogramWorkbook.h"
#include "histogram/Characteristics.h"
#include "localization/CharacteristicLabels.h"
#include "localization/TableCaptionSets.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"
#include "support/XlsxCells.h"

using namespace morvik;
using morvik::test::MakeHistogram;
using morvik::test::TempFolder;
using namespace morvik::test::xlsx;

namespace {

std::string Trimmed(const std::string& label) { return label.substr(0, label.find_last_not_of(' ') + 1); }

}  // namespace

TEST(HistogramWorkbook, DiscreteCellsReadBack)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const Histogram h = MakeHistogram(1, 2, {0.5, 0.25, 0.25}, 4);
    const std::string path = folder / "wind.xlsx";
    ASSERT_FALSE(WriteHistogramWorkbook(path, h, HistogramKind::Discrete, "wind"));
    EXPECT_NE(Unzip(path, "xl/workbook.xml").find("name=\"Histogram\""), std::string::npos);
    auto cells = ReadCells(path);

    EXPECT_EQ(cells["A1"].text, "Histogram : wind");
    // The characteristics, rows 3 to 14.
    const Statistics s = ComputeStatistics(h.Prob, h.Bins, h.Min, h.Max, HistogramKind::Discrete, h.Total);
    const std::pair<int, double> rows[] = {
        {3, s.min},        {4, s.max},       {5, s.bins},           {6, s.frequencyTotal},
        {7, s.mean},       {8, s.variance},  {9, s.stdDev},         {10, s.meanDeviation},
        {11, s.cvPercent}, {12, s.skewness}, {13, s.concentration}, {14, s.excess},
    };
    for (const auto& [row, value] : rows) {
        const std::string at = std::to_string(row);
        EXPECT_EQ(cells["A" + at].text, Trimmed(CharacteristicLabels(Language::English)[row - 3])) << row;
        EXPECT_FALSE(cells["B" + at].isText) << row;
        EXPECT_DOUBLE_EQ(cells["B" + at].number, value) << row;
    }
    EXPECT_EQ(cells["B3"].number, 0);  // the lower edge of the first interval
    EXPECT_EQ(cells["B4"].number, 6);
    // Headings in row 16, then the lower edge, each interval with its upper edge, and the totals.
    const char* columns[] = {"A", "B", "C", "D", "E"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(cells[std::string(columns[c]) + "16"].text, RowTableHeadings(Language::English)[c]);
    }
    EXPECT_EQ(cells["B17"].number, 0);
    EXPECT_EQ(cells["E17"].number, 0);
    EXPECT_EQ(cells.count("A17"), 0u);
    double F = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string interval = std::to_string(18 + 2 * i);
        const std::string edge = std::to_string(19 + 2 * i);
        EXPECT_EQ(cells["A" + interval].number, i + 1);
        EXPECT_EQ(cells["B" + interval].number, 1 + 2 * i);
        EXPECT_EQ(cells["C" + interval].number, h.Prob[i]);
        EXPECT_EQ(cells["D" + interval].number, h.Prob[i] * 4);
        EXPECT_DOUBLE_EQ(cells["E" + interval].number, F + h.Prob[i] / 2);
        F += h.Prob[i];
        EXPECT_EQ(cells["B" + edge].number, 2 + 2 * i);
        EXPECT_DOUBLE_EQ(cells["E" + edge].number, F);
        EXPECT_FALSE(cells["C" + interval].isText);
    }
    EXPECT_EQ(cells["B24"].text, TextCis(49));
    EXPECT_DOUBLE_EQ(cells["C24"].number, 1.0);
    EXPECT_EQ(cells["D24"].number, 4);
    EXPECT_EQ(cells.count("A25") + cells.count("B25"), 0u);
}

TEST(HistogramWorkbook, PureDiscreteRowsAndCzechTexts)
{
    SetLanguage(Language::Czech);
    TempFolder folder;
    const Histogram h = MakeHistogram(-1, 0.5, {0.125, 0.375, 0.5}, 8);
    const std::string path = folder / "steps.xlsx";
    ASSERT_FALSE(WriteHistogramWorkbook(path, h, HistogramKind::PureDiscrete, "steps"));
    auto cells = ReadCells(path);
    EXPECT_EQ(cells.count("A1"), 0u);
    EXPECT_EQ(cells["A5"].text, "Počet intervalů");
    EXPECT_EQ(cells["C16"].text, " Pravděpodobnost P(x)");
    double F = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string row = std::to_string(17 + i);
        F += h.Prob[i];
        EXPECT_EQ(cells["A" + row].number, i + 1);
        EXPECT_EQ(cells["B" + row].number, -1 + 0.5 * i);
        EXPECT_EQ(cells["C" + row].number, h.Prob[i]);
        EXPECT_EQ(cells["D" + row].number, h.Prob[i] * 8);
        EXPECT_DOUBLE_EQ(cells["E" + row].number, F);
    }
    EXPECT_EQ(cells["B20"].text, TextCis(49));
    EXPECT_EQ(cells["D20"].number, 8);
    SetLanguage(Language::English);
}

TEST(HistogramWorkbook, FailedWriteLeavesTheOldFile)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const Histogram h = MakeHistogram(0, 1, {0.5, 0.5}, 2);
    const auto missing = WriteHistogramWorkbook(folder / "none/out.xlsx", h, HistogramKind::Discrete, "x");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->text, FormatText(22, "out.xlsx"));

    // Replacing a file works; in a folder that refuses writing the old file stays and no scratch file is left.
    const std::string old = folder.Write("locked/out.xlsx", "old");
    ASSERT_FALSE(WriteHistogramWorkbook(old, h, HistogramKind::Discrete, "x"));
    EXPECT_FALSE(ReadCells(old).empty());
    morvik::test::WriteText(old, "old");
    std::filesystem::permissions(folder / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access((folder / "locked").c_str(), W_OK) != 0) {  // root writes anyway
        EXPECT_TRUE(WriteHistogramWorkbook(old, h, HistogramKind::Discrete, "x").has_value());
        EXPECT_EQ(TempFolder::Read(old), "old");
    }
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_all);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder / "locked")) ++files;
    EXPECT_EQ(files, 1u);
}

TEST(HistogramWorkbook, FileNameAndTheWarningWhenNothingOpensIt)
{
    EXPECT_EQ(WorkbookFileName("wind.dis"), "wind.xlsx");
    EXPECT_EQ(WorkbookFileName("wind"), "wind.xlsx");
    for (Language language : {Language::Czech, Language::English}) {
        SetLanguage(language);
        const Message warning = WorkbookNotOpened("/home/u/Results/wind.xlsx");
        EXPECT_EQ(warning.kind, DialogKind::Warning);
        EXPECT_TRUE(warning.text.ends_with("\r\n/home/u/Results/wind.xlsx"));
    }
    SetLanguage(Language::English);
}
