#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "rawdata/RankingTable.h"

namespace morvik {
namespace {

// A fit row with the fields the table sorts by; the numbers are written as the program writes them.
FitRow Row(int type, double closeness, double median, double mean, double stdDev, double skewness, double ksD = 0.1)
{
    FitRow row;
    row.type = type;
    row.closeness = closeness;
    auto& f = row.fields;
    f[FieldName] = "T" + std::to_string(type);
    f[FieldCloseness] = StrNaCarku(closeness);
    f[FieldMedian] = StrNaCarku(median);
    f[FieldMode] = StrNaCarku(median);
    f[FieldMean] = StrNaCarku(mean);
    f[FieldVariance] = StrNaCarku(stdDev * stdDev);
    f[FieldStdDev] = StrNaCarku(stdDev);
    f[FieldVariation] = StrNaCarku(100 * stdDev / mean);
    f[FieldSkewness] = StrNaCarku(skewness);
    f[FieldKurtosis] = StrNaCarku(0);
    f[FieldKsDistance] = StrNaCarku(ksD);
    f[FieldKsPValue] = StrNaCarku(1 - ksD);
    f[FieldAndersonDarling] = StrNaCarku(10 * ksD);
    return row;
}

// A ranking of the given rows (in type order) with the data mean 10, s 2 and skewness 0.3.
struct Tabled {
    FitRanking ranking;
    RawDataSet data;
};

Tabled Make(std::vector<FitRow> rows)
{
    Tabled s;
    s.data.mean = 10;
    s.data.stdDev = 2;
    s.data.skewness = 0.3;
    for (int t = 0; t < DistributionTypeCount; ++t) s.ranking.ranked[static_cast<size_t>(t)].type = t;
    for (const FitRow& row : rows) s.ranking.ranked[static_cast<size_t>(row.type)].closeness = row.closeness;
    RankByCloseness(s.ranking.ranked);
    s.ranking.acceptedCount = static_cast<int>(rows.size());
    s.ranking.rows = std::move(rows);
    s.ranking.rawRow = Row(-1, 1, 10.1, 10.05, 2.1, 0.25);
    return s;
}

std::vector<std::string> Names(const RankingTable& table)
{
    std::vector<std::string> names;
    for (const RankingRow& row : table.Rows()) {
        if (!row[FieldName].empty()) names.push_back(row[FieldName]);
    }
    return names;
}

using Names_ = std::vector<std::string>;

TEST(RankingTable, OpensSortedByClosenessWithEqualValuesInTypeOrder)
{
    const Tabled s = Make({Row(0, 0.8, 10, 10, 2, 0.1), Row(2, 0.9, 10, 10, 2.2, 0.5), Row(6, 0.8, 10, 10, 1.9, -0.2)});
    const RankingTable table(s.ranking, s.data);
    EXPECT_EQ(Names(table), (Names_{"T2", "T0", "T6"}));
    EXPECT_EQ(table.Count(), 3);
    EXPECT_FALSE(table.RemovalOffered());  // every standard deviation within 0.75 s .. 1.25 s
    EXPECT_EQ(table.Rows().size(), static_cast<size_t>(RankingTableRows));
}

TEST(RankingTable, Keys)
{
    const Tabled s = Make({Row(0, 0.95, 10, 10.4, 2.3, 0.1, 0.05), Row(1, 0.9, 10, 9.9, 2.05, 0.9, 0.02),
                           Row(7, 0.85, 10, 10.02, 1.6, 0.32, 0.2)});
    RankingTable table(s.ranking, s.data);

    // Standard deviation from the data's s = 2: nearest first.
    table.Sort(6, SortReference::RawData);
    EXPECT_EQ(Names(table), (Names_{"T1", "T0", "T7"}));
    // From the raw row's 2.1 instead.
    table.Sort(6, SortReference::RawHistogram);
    EXPECT_EQ(Names(table), (Names_{"T1", "T0", "T7"}));
    // Mean from 10, and from the raw row's 10.05.
    table.Sort(4, SortReference::RawData);
    EXPECT_EQ(Names(table), (Names_{"T7", "T1", "T0"}));
    // Skewness from 0.3.
    table.Sort(8, SortReference::RawData);
    EXPECT_EQ(Names(table), (Names_{"T7", "T0", "T1"}));
    // Without a reference a key sorts descending.
    table.Sort(5);
    EXPECT_EQ(Names(table), (Names_{"T0", "T1", "T7"}));
    // The goodness of fit: the smaller distance first, the larger p-value first.
    table.Sort(10);
    EXPECT_EQ(Names(table), (Names_{"T1", "T0", "T7"}));
    table.Sort(12);
    EXPECT_EQ(Names(table), (Names_{"T1", "T0", "T7"}));
    table.Sort(11);
    EXPECT_EQ(Names(table), (Names_{"T1", "T0", "T7"}));
    table.Sort(1);
    EXPECT_EQ(Names(table), (Names_{"T0", "T1", "T7"}));
    EXPECT_TRUE(RankingTable::ReferenceShown(4));
    EXPECT_FALSE(RankingTable::ReferenceShown(5));
}

TEST(RankingTable, UndefinedAndBlankReadAsZero)
{
    EXPECT_EQ(RankingNumber(" undefined"), 0);
    EXPECT_EQ(RankingNumber(""), 0);
    EXPECT_EQ(RankingNumber("  1.50000"), 1.5);
    FitRow undefinedSkew = Row(3, 0.7, 10, 10, 2, 0);
    undefinedSkew.fields[FieldSkewness] = StrNaCarku(UndefinedValue());
    const Tabled s = Make({Row(0, 0.9, 10, 10, 2, -0.4), undefinedSkew, Row(5, 0.8, 10, 10, 2, 0.2)});
    RankingTable table(s.ranking, s.data);
    table.Sort(8, SortReference::RawData);  // from 0.3: 0.2, then the undefined one as 0, then -0.4
    EXPECT_EQ(Names(table), (Names_{"T5", "T3", "T0"}));
}

TEST(RankingTable, UnsuitableFitsAreMarkedAndRemoved)
{
    // Ranked: T0 (sd 2.1), T4 (sd 1.4, below 0.75 s = 1.5), T8 (sd 2). The first unsuitable row is 2.
    Tabled s = Make({Row(0, 0.95, 10, 10, 2.1, 0), Row(4, 0.9, 10, 10, 1.4, 0), Row(8, 0.85, 10, 10, 2, 0)});
    RankingTable table(s.ranking, s.data);
    ASSERT_TRUE(table.RemovalOffered());
    EXPECT_EQ(table.MarkedFrom(), 2);

    table.RemoveMarked(s.ranking);
    EXPECT_FALSE(table.RemovalOffered());
    EXPECT_EQ(Names(table), (Names_{"T0"}));
    EXPECT_EQ(s.ranking.ranked[0].type, 0);
    EXPECT_GT(s.ranking.ranked[0].closeness, 0);
    EXPECT_EQ(s.ranking.ranked[1].closeness, 0);
    EXPECT_EQ(s.ranking.ranked[2].closeness, 0);
    EXPECT_FALSE(s.ranking.RowOf(4));
    EXPECT_FALSE(s.ranking.RowOf(8));

    // The blanked rows still take part in a sort (they read as 0), and the filled rows close up above them.
    table.Sort(8, SortReference::RawData);
    EXPECT_EQ(table.Rows()[0][FieldName], "T0");

    // A median of 0 is unsuitable too.
    const Tabled zero = Make({Row(1, 0.9, 0, 10, 2, 0), Row(2, 0.8, 10, 10, 2, 0)});
    EXPECT_EQ(RankingTable(zero.ranking, zero.data).MarkedFrom(), 1);
}

TEST(RankingTable, ThePurgeRemovesTheMarkedFitsAfterAReSort)
{
    // Ranked: T0 (sd 2.1), T4 (sd 1.4, unsuitable), T8 (sd 2.7, unsuitable), T9 (sd 2). Marked: T4, T8, T9.
    // Sorting by the standard deviation from s = 2 then orders T9, T0, T4, T8: the marked fits no longer stand
    // in rows 2 to 4, nor in ranked places 2 to 4.
    Tabled s = Make({Row(0, 0.95, 10, 10, 2.1, 0), Row(4, 0.9, 10, 10, 1.4, 0), Row(8, 0.85, 10, 10, 2.7, 0),
                     Row(9, 0.8, 10, 10, 2, 0)});
    RankingTable table(s.ranking, s.data);
    ASSERT_EQ(table.MarkedFrom(), 2);
    table.Sort(6, SortReference::RawData);
    ASSERT_EQ(Names(table), (Names_{"T9", "T0", "T4", "T8"}));
    std::vector<bool> marked;
    for (size_t r = 0; r < 4; ++r) marked.push_back(table.IsMarked(r));
    EXPECT_EQ(marked, (std::vector<bool>{true, false, true, true}));

    table.RemoveMarked(s.ranking);
    EXPECT_EQ(Names(table), (Names_{"T0"}));
    for (const RankedFit& fit : s.ranking.ranked) { EXPECT_EQ(fit.closeness > 0, fit.type == 0) << fit.type; }
    ASSERT_EQ(s.ranking.rows.size(), size_t(1));
    EXPECT_EQ(s.ranking.rows[0].type, 0);
    EXPECT_FALSE(table.IsMarked(0));
}

TEST(RankingTable, BlankRowsGiveWayToFilledOnes)
{
    const Tabled s = Make({Row(0, 0.9, 10, 10, 2, -0.5), Row(1, 0.8, 10, 10, 2, -0.4), Row(2, 0.7, 10, 10, 1, 0)});
    FitRanking ranking = s.ranking;
    RankingTable table(ranking, s.data);
    ASSERT_EQ(table.MarkedFrom(), 3);
    table.RemoveMarked(ranking);
    // Descending by kurtosis (all 0) nothing moves; by the median descending the blank row (read as 0) would
    // stay last; by the distance of the skewness from 0.25 the blank row (read as 0) comes before -0.4 and
    // -0.5, and the fill-up moves the filled rows back to the top.
    table.Sort(8, SortReference::RawHistogram);
    const auto& rows = table.Rows();
    EXPECT_FALSE(rows[0][FieldCloseness].empty());
    EXPECT_FALSE(rows[1][FieldCloseness].empty());
    EXPECT_TRUE(rows[2][FieldCloseness].empty());
}

}  // namespace
}  // namespace morvik
