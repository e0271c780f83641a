#include <cmath>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "rawdata/RawTestData.h"
#include "windowmodels/FitRankingWindowModel.h"

namespace morvik {
namespace {

using test::DataOf;

// The raw-data window after a fit of a bell of counts over 0..20 in 21 intervals.
struct FittedBell : ::testing::Test {
    RawDataWindowModel raw;
    FitRankingWindowModel model{raw};

    void SetUp() override
    {
        SetLanguage(Language::English);
        std::vector<double> values;
        for (int v = 0; v <= 20; ++v) {
            values.insert(values.end(), static_cast<size_t>(1 + 50 * std::exp(-(v - 10) * (v - 10) / 18.0)), v);
        }
        raw.LoadData(DataOf(values), "bell.txt");
        raw.EditText(RawDataField::Intervals, "21");
        raw.LeaveField(RawDataField::Intervals);
        raw.Fit();
        ASSERT_TRUE(raw.Ranking());
        ASSERT_TRUE(model.Open());
    }
    void TearDown() override { SetLanguage(Language::English); }

    double Cell(int row, int column) const
    {
        return RankingNumber(model.Rows()[static_cast<size_t>(row - 1)][static_cast<size_t>(column)]);
    }
};

TEST(FitRankingWindowModel, NothingToShowWithoutARanking)
{
    RawDataWindowModel raw;
    FitRankingWindowModel model(raw);
    EXPECT_FALSE(model.Open());
    EXPECT_TRUE(model.Rows().empty());
    EXPECT_TRUE(model.ReferenceChart().main.bars.empty());
    model.SortBy(6);
    model.SelectRow(1);
    model.RemoveMarked();
    EXPECT_FALSE(model.FitChartShown());
}

TEST_F(FittedBell, OpeningShowsTheFitsByClosenessWithTheRawRows)
{
    const std::vector<std::string> fits = raw.FitList();
    const auto rows = model.Rows();
    ASSERT_EQ(rows.size(), size_t(RankingTableRows));
    EXPECT_EQ(rows[0][0], "  1");
    EXPECT_EQ(rows[8][0], "  9");
    EXPECT_EQ(rows[9][0], "10");
    EXPECT_EQ(rows[22][0], "23");
    EXPECT_EQ(model.SortKey(), 1);
    // Closeness descending; the count rows hold the accepted fits, in the ranked order.
    ASSERT_EQ(model.Count(), static_cast<int>(fits.size()));
    for (int r = 1; r <= model.Count(); ++r) {
        EXPECT_EQ(rows[static_cast<size_t>(r - 1)][1], fits[static_cast<size_t>(r - 1)]) << r;
        if (r > 1) { EXPECT_GE(Cell(r - 1, 2), Cell(r, 2)) << r; }
        EXPECT_FALSE(rows[static_cast<size_t>(r - 1)][12].empty()) << "the KS distance of row " << r;
    }
    EXPECT_EQ(model.RawRow()[1], TextCis(58));
    const RawDataSet& data = *raw.Data();
    EXPECT_EQ(model.DataRow(),
              (std::array<std::string, 3>{StrNaCarku(data.mean), StrNaCarku(data.stdDev), StrNaCarku(data.skewness)}));

    // Chart1: the raw-data histogram in navy, its bars numbered from 0.
    const ChartModel reference = model.ReferenceChart();
    ASSERT_EQ(reference.main.bars.size(), size_t(21));
    for (size_t i = 0; i < 21; ++i) {
        EXPECT_EQ(reference.main.bars[i].height, raw.Histogram()->frequency[i]);
        EXPECT_EQ(reference.main.bars[i].colour, RgbColour(0, 0, 128));
        EXPECT_EQ(reference.main.bars[i].label, std::to_string(i));
    }
    EXPECT_TRUE(model.FitChart().main.bars.empty());  // no row chosen yet
}

TEST_F(FittedBell, TheDistanceKeysSortByTheChosenReference)
{
    struct Case {
        int key;
        int column;
        SortReference reference;
    };
    const RawDataSet& data = *raw.Data();
    const Case cases[] = {{4, 5, SortReference::RawData},
                          {6, 7, SortReference::RawData},
                          {8, 9, SortReference::RawData},
                          {6, 7, SortReference::RawHistogram},
                          {4, 5, SortReference::RawHistogram}};
    for (const Case& c : cases) {
        model.SetReference(c.reference);
        model.SortBy(c.key);
        EXPECT_TRUE(model.ReferenceShown());
        const double from = c.reference == SortReference::RawHistogram
                                ? RankingNumber(model.RawRow()[static_cast<size_t>(c.column)])
                            : c.key == 4 ? data.mean
                            : c.key == 6 ? data.stdDev
                                         : data.skewness;
        // The reference is taken as the table shows it.
        const double shown = c.reference == SortReference::RawData ? RankingNumber(StrNaCarku(from)) : from;
        for (int r = 2; r <= model.Count(); ++r) {
            EXPECT_LE(std::fabs(Cell(r - 1, c.column) - shown), std::fabs(Cell(r, c.column) - shown))
                << c.key << " row " << r;
        }
    }
    // The other keys sort descending, without a reference.
    model.SortBy(2);
    EXPECT_FALSE(model.ReferenceShown());
    for (int r = 2; r <= model.Count(); ++r) EXPECT_GE(Cell(r - 1, 3), Cell(r, 3)) << r;
    // The Kolmogorov-Smirnov distance sorts ascending: the smallest first.
    model.SortBy(10);
    for (int r = 2; r <= model.Count(); ++r) EXPECT_LE(Cell(r - 1, 12), Cell(r, 12)) << r;
}

TEST_F(FittedBell, ARowShowsItsOwnFitWhereverTheSortPutIt)
{
    model.SortBy(6);
    const std::vector<std::string> fits = raw.FitList();
    for (int r = 1; r <= model.Count(); ++r) {
        model.SelectRow(r);
        ASSERT_GE(raw.ChosenFit(), 0);
        EXPECT_EQ(fits[static_cast<size_t>(raw.ChosenFit())], model.Rows()[static_cast<size_t>(r - 1)][1]) << r;
        EXPECT_TRUE(model.FitChartShown());
        const ChartModel chart = model.FitChart();
        const Histogram& shown = raw.ShownFitHistogram()->generated.histogram;
        ASSERT_EQ(chart.main.bars.size(), static_cast<size_t>(shown.Bins));
        EXPECT_EQ(chart.main.bars[0].height, shown.Prob[0]);
        EXPECT_EQ(chart.main.bars[0].colour, RgbColour(166, 202, 240));
    }
    // A blank row hides the fit's chart and shows the best fit again.
    model.SelectRow(RankingTableRows);
    EXPECT_FALSE(model.FitChartShown());
    EXPECT_TRUE(model.FitChart().main.bars.empty());
    EXPECT_EQ(raw.ChosenFit(), 0);
    // Sorting clears the selection.
    model.SelectRow(1);
    model.SortBy(1);
    EXPECT_EQ(model.SelectedRow(), 0);
}

TEST_F(FittedBell, TheUnsuitableFitsAreMarkedAndRemoved)
{
    // The first row whose median is 0 or whose standard deviation leaves 0.75 s .. 1.25 s.
    const double s = RankingNumber(StrNaCarku(raw.Data()->stdDev));
    int expected = 0;
    for (int r = 1; r <= model.Count() && expected == 0; ++r) {
        const bool suitable = Cell(r, 3) != 0 && Cell(r, 7) >= 0.75 * s && Cell(r, 7) <= 1.25 * s;
        if (!suitable) expected = r;
    }
    ASSERT_GT(expected, 0) << "the bell has fits too wide or too narrow";
    EXPECT_EQ(model.MarkedFrom(), expected);
    EXPECT_TRUE(model.RemovalOffered());

    std::vector<std::string> removed;
    for (int r = expected; r <= model.Count(); ++r) removed.push_back(model.Rows()[static_cast<size_t>(r - 1)][1]);
    model.RemoveMarked();
    EXPECT_FALSE(model.RemovalOffered());
    for (int r = expected; r <= RankingTableRows; ++r) {
        EXPECT_TRUE(model.Rows()[static_cast<size_t>(r - 1)][1].empty()) << r;
    }
    // The removed fits show nothing when chosen.
    for (const RankedFit& fit : raw.Ranking()->ranked) {
        if (std::find(removed.begin(), removed.end(), FitTypeName(fit.type)) != removed.end()) {
            EXPECT_EQ(fit.closeness, 0) << FitTypeName(fit.type);
        }
    }
    model.SelectRow(expected);
    EXPECT_FALSE(model.FitChartShown());
}

TEST(FitRankingWindowModel, HeadingsFollowTheLanguage)
{
    SetLanguage(Language::Czech);
    RankingGridRow czech = FitRankingWindowModel::Headings();
    EXPECT_EQ(czech[0], " i");
    EXPECT_EQ(czech[2], " Těsnost");
    EXPECT_EQ(czech[11], " " + TextCis(108));
    SetLanguage(Language::English);
    RankingGridRow english = FitRankingWindowModel::Headings();
    EXPECT_EQ(english[2], " Closeness");
    EXPECT_EQ(english[10], " Kurtosis");
    EXPECT_EQ(english[11], " " + TextCis(108));
    EXPECT_EQ(english[12], " Kolmogorov-Smirnov D");
}

}  // namespace
}  // namespace morvik
