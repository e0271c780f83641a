#include <cmath>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "histogram/HistogramFile.h"
#include "histogram/ResultsReport.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::MakeHistogram;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

const ReportHeading heading{"dead load", "1.00", "10.12.2026", "14:05:09", "1.0.0"};

}  // namespace

TEST(ResultsReport, DiscreteReportHasFixedHeadingAndEdgeRows)
{
    SetLanguage(Language::English);
    const auto lines =
        Lines(ResultsReportText(heading, MakeHistogram(0.5, 1, {0.25, 0.5, 0.25}, 4), HistogramKind::Discrete, 4));
    const std::vector<std::string> head{
        "   R E S U L T I N G   P R O B A B I L I T I E S   ",
        std::string(52, '_'),
        " ",
        "Histogram A : dead load",
        "Multiple  x : 1.00",
        "Date        : 10.12.2026 / 14:05:09",
        "Program     : Morvik ( Version :  1.0.0 )",
        " ",
        " ",
        "   B a s i c     C h a r a c t e r i s t i c s",
        "",
        "Min                              \t0",
        "Max                              \t3",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
    ASSERT_EQ(lines.size(), 11u + 14u + 4u + 7u + 3u);  // heading, characteristics, rules, 2n + 1 rows, total
    const std::vector<std::string> table(lines.end() - 14, lines.end());
    const std::vector<std::string> expected{
        " ",
        " " + std::string(66, '_'),
        "|  INT |       X      |  Probab.P(x) |  Frequency   | Distr. F(x)  |",
        "|" + std::string(66, '_') + "|",
        "|      |      0.00000 |              |              |      0.00000 |",
        "|    1 |     0.500000 |     0.250000 |            1 |     0.125000 |",
        "|      |      1.00000 |              |              |     0.250000 |",
        "|    2 |      1.50000 |     0.500000 |            2 |     0.500000 |",
        "|      |      2.00000 |              |              |     0.750000 |",
        "|    3 |      2.50000 |     0.250000 |            1 |     0.875000 |",
        "|      |      3.00000 |              |              |      1.00000 |",
        "|" + std::string(66, '_') + "|",
        "|      T o t a l      |      1.00000 |            4 |              |",
        "|" + std::string(66, '_') + "|",
    };
    EXPECT_EQ(table, expected);
}

TEST(ResultsReport, PureDiscreteRowsAndCzechHeading)
{
    SetLanguage(Language::Czech);
    const auto lines =
        Lines(ResultsReportText(heading, MakeHistogram(1, 1, {0.5, 0.5}, 3), HistogramKind::PureDiscrete, 3));
    SetLanguage(Language::English);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], " V Ý S L E D N É   P R A V D Ě P O D O B N O S T I ");
    EXPECT_EQ(lines[4], "Násobek   x : 1.00");
    const std::vector<std::string> rows(lines.end() - 6, lines.end() - 3);
    EXPECT_EQ(rows[0], "|" + std::string(66, '_') + "|");
    EXPECT_EQ(rows[1], "|    1 |      1.00000 |     0.500000 |         1.50 |     0.500000 |");
    EXPECT_EQ(rows[2], "|    2 |      2.00000 |     0.500000 |         1.50 |      1.00000 |");
    EXPECT_EQ(lines[lines.size() - 7], "|  INT |       X      |  Pravd.P(x)  |   Četnost    | Distr. F(x)  |");
}

TEST(ResultsReport, ShippedWindLoadFrequenciesAreTheFileCounts)
{
    SetLanguage(Language::English);
    const std::string path = std::string(MORVIK_SOURCE_DIR) + "/../data/examples/Loads/WindLoad.dis";
    const HistogramRead read = ReadHistogramFile(path, HistogramKind::Discrete);
    ASSERT_TRUE(read.ok());
    const Histogram& h = read.histogram;
    const auto lines = Lines(ResultsReportText(heading, h, read.kind, h.Total));
    int rows = 0;
    for (const std::string& line : lines) {
        // An interval row: "|  INT | X | P(x) | Frequency | F(x) |" with the interval number in the first cell.
        std::vector<std::string> cells;
        std::stringstream stream(line);
        for (std::string cell; std::getline(stream, cell, '|');) cells.push_back(cell);
        if (cells.size() != 6 || cells[1].find_first_of("0123456789") == std::string::npos) continue;
        const int index = std::stoi(cells[1]);
        const long long count = std::llround(h.Prob[index - 1] * h.Total);
        EXPECT_EQ(cells[4], " " + PadLeft(std::to_string(count), 12) + " ") << line;
        ++rows;
    }
    EXPECT_EQ(rows, h.Bins);
}
