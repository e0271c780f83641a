#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "common/TabbedListing.h"
#include "histogram/Characteristics.h"
#include "localization/TextCis.h"

using namespace morvik;

TEST(TabbedListing, ValuesOfTheCharacteristicsListingShareOneColumn)
{
    SetLanguage(Language::English);
    const std::vector<double> prob{0.25, 0.5, 0.25};
    const std::string listing = CharacteristicsText("Histogram : x", prob, 3, 1, 3, HistogramKind::Discrete, 4);
    const std::string aligned = AlignTabbedListing(listing);
    EXPECT_EQ(aligned.find('\t'), std::string::npos);

    std::istringstream lines(aligned);
    std::vector<std::pair<std::string, size_t>> rows;  // caption start, value column
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(!line.empty() && line.back() == '\r') << "line ends are kept";
        line.pop_back();
        const size_t gap = line.find("  ", line.find_first_not_of(' '));
        if (gap == std::string::npos) continue;
        const size_t value = line.find_first_not_of(' ', gap);
        if (value != std::string::npos) rows.emplace_back(line, value);
    }
    ASSERT_GE(rows.size(), 10u);
    for (const auto& [line, column] : rows) EXPECT_EQ(column, rows.front().second) << line;
    EXPECT_NE(aligned.find("Min"), std::string::npos);
}

TEST(TabbedListing, LinesWithoutTabsStayAsTheyAre)
{
    EXPECT_EQ(AlignTabbedListing("plain\r\n  indented\n"), "plain\r\n  indented\n");
    EXPECT_EQ(AlignTabbedListing("a\t1\nlonger\t\t2"), "a       1\nlonger  2");
    EXPECT_EQ(AlignTabbedListing("\tM e d i a n\t2\nMin\t0.5"), "    M e d i a n  2\nMin              0.5");
}
