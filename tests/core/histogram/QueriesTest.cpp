#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "histogram/IntervalTable.h"
#include "histogram/Queries.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;

namespace {

Histogram Uniform(double min, double width, int bins)
{
    Histogram h;
    h.Bins = bins;
    h.Min = min;
    h.Width = width;
    h.Max = min + (bins - 1) * width;
    h.Total = bins;
    for (int i = 0; i < bins; ++i) h.Prob[i] = 1.0 / bins;
    return h;
}

}  // namespace

TEST(Queries, ValueQueryOnDiscreteAndPureDiscrete)
{
    const Histogram discrete = Uniform(0.5, 1, 10);  // 0..10 in ten intervals
    struct Case {
        HistogramKind kind;
        double x;
        bool inRange;
        double f, F;
    };
    const Histogram pure = Uniform(1, 1, 6);
    const Case cases[] = {
        {HistogramKind::Discrete, 0, false, 0, 0},
        {HistogramKind::Discrete, 3.25, true, 0.1, 0.325},
        {HistogramKind::Discrete, 10, true, 0.1, 1},
        {HistogramKind::Discrete, 9.75, true, 0.1, 0.975},
        {HistogramKind::Discrete, 10.01, false, 0, 0},
        {HistogramKind::PureDiscrete, 3.5, true, 1.0 / 6, 0.5},
        {HistogramKind::PureDiscrete, 5.5, true, 1.0 / 6, 5.0 / 6},
        {HistogramKind::PureDiscrete, 0.99, false, 0, 0},
        {HistogramKind::PureDiscrete, 6, true, 1.0 / 6, 1},
    };
    for (const Case& c : cases) {
        ValueQueryResult r = ValueQuery(c.kind == HistogramKind::Discrete ? discrete : pure, c.kind, c.x);
        EXPECT_EQ(r.inRange, c.inRange) << c.x;
        EXPECT_NEAR(r.f, c.f, 1e-12) << c.x;
        EXPECT_NEAR(r.F, c.F, 1e-12) << c.x;
    }
    EXPECT_EQ(ValueQuery(discrete, HistogramKind::Discrete, 3.25).marked, 4);
}

TEST(Queries, AValueOnAnEdgeBelongsToTheIntervalBelowIt)
{
    // Edges and values on a 0.1 grid, which binary cannot hold: the grid's and the entry's rounding would
    // otherwise send some edges up and some down. The table highlight marks the rows the chart marks.
    const std::vector<double> prob{0.01, 0.02, 0.03, 0.04, 0.1, 0.3, 0.2, 0.15, 0.1, 0.05};
    const Histogram discrete = test::MakeHistogram(0.05, 0.1, prob);  // edges 0, 0.1, ..., 1
    const Histogram pure = test::MakeHistogram(0.1, 0.1, prob);       // values 0.1, 0.2, ..., 1
    double below = 0;                                                 // p(1) + ... + p(i)
    for (int i = 1; i <= 10; ++i) {
        below += prob[i - 1];
        const double x = *ReadQueryEntry(i < 10 ? "0." + std::to_string(i) : "1").value;
        struct Case {
            const Histogram& h;
            HistogramKind kind;
        };
        for (const Case& c : {Case{discrete, HistogramKind::Discrete}, Case{pure, HistogramKind::PureDiscrete}}) {
            SCOPED_TRACE(KindText(c.kind) + " x = " + std::to_string(x));
            const ValueQueryResult r = ValueQuery(c.h, c.kind, x);
            ASSERT_TRUE(r.inRange);
            EXPECT_EQ(r.marked, i);
            EXPECT_EQ(r.f, prob[i - 1]);
            EXPECT_DOUBLE_EQ(r.F, i == 10 ? 1 : below);
            int shaded = 0;
            for (int row = 0; row < 2 * c.h.Bins + 3; ++row) {
                shaded += IntervalRowShade(c.h, c.kind, row, TableHighlight::Value, x) == RowShade::Value;
            }
            EXPECT_EQ(shaded, i);
        }
    }
    // Just off an edge the distribution function is linear again.
    const ValueQueryResult off = ValueQuery(discrete, HistogramKind::Discrete, 0.3 + 1e-6);
    EXPECT_EQ(off.marked, 4);
    EXPECT_NEAR(off.F, 0.06 + 0.04 * 1e-5, 1e-15);
    // The lower edge of the first interval stays outside, the top end inside.
    EXPECT_FALSE(ValueQuery(discrete, HistogramKind::Discrete, 1e-12).inRange);
    EXPECT_TRUE(ValueQuery(discrete, HistogramKind::Discrete, 1 + 1e-12).inRange);
}

TEST(Queries, QuantileQueryFindsTheFirstIntervalReachingP)
{
    const Histogram discrete = Uniform(0.5, 1, 10);
    const Histogram pure = Uniform(1, 1, 6);
    EXPECT_NEAR(QuantileQuery(discrete, HistogramKind::Discrete, 0.5).Qp, 5, 1e-12);
    EXPECT_DOUBLE_EQ(QuantileQuery(discrete, HistogramKind::Discrete, 1).Qp, 10);
    EXPECT_NEAR(QuantileQuery(discrete, HistogramKind::Discrete, 0.05).Qp, 0.5, 1e-12);
    // The running sum is a double: three sixths reach 0.5 exactly, so the answer is 3, not 4.
    QuantileQueryResult r = QuantileQuery(pure, HistogramKind::PureDiscrete, 0.5);
    EXPECT_EQ(r.Qp, 3);
    EXPECT_EQ(r.marked, 3);
    EXPECT_DOUBLE_EQ(QuantileQuery(pure, HistogramKind::PureDiscrete, 1).Qp, 6);
    for (double p : {0.0, 1.2, -0.1}) EXPECT_FALSE(QuantileQuery(pure, HistogramKind::PureDiscrete, p).inRange);
    // Probabilities that fall short of P by rounding: everything marked, Qp stays 0.
    Histogram shortfall = Uniform(1, 1, 2);
    shortfall.Prob[0] = shortfall.Prob[1] = 0.4;
    EXPECT_EQ(QuantileQuery(shortfall, HistogramKind::PureDiscrete, 0.9).Qp, 0);
    EXPECT_EQ(QuantileQuery(shortfall, HistogramKind::PureDiscrete, 0.9).marked, 2);
}

TEST(Queries, EntriesAndTexts)
{
    SetLanguage(Language::English);
    EXPECT_EQ(ReadQueryEntry("2,5").value, 2.5);
    EXPECT_EQ(ReadQueryEntry("x").message->text, TextCis(20) + "x");
    EXPECT_EQ(QuantileTextOf(0.5), "       0.500000");
}

TEST(Queries, MinAndMaxEditsStretchTheValues)
{
    SetLanguage(Language::English);
    const Histogram h = Uniform(1, 1, 5);  // values 1..5
    RangeChange min = ChangeRangeEnd(h, HistogramKind::Discrete, RangeEnd::Min, "-3");
    ASSERT_TRUE(min.changed);
    EXPECT_DOUBLE_EQ(min.result.Min, -3);
    EXPECT_DOUBLE_EQ(min.result.Width, 2);
    EXPECT_EQ(min.result.Prob, h.Prob);

    struct Refused {
        HistogramKind kind;
        RangeEnd end;
        std::string text;
        std::string message;
    };
    const Refused refused[] = {
        {HistogramKind::Discrete, RangeEnd::Max, "1", TextCis(30)},
        {HistogramKind::Discrete, RangeEnd::Min, "5", TextCis(31)},
        {HistogramKind::PureDiscrete, RangeEnd::Max, "7.5", TextCis(132)},
        {HistogramKind::PureDiscrete, RangeEnd::Min, "0.5", TextCis(131)},
        {HistogramKind::Discrete, RangeEnd::Min, "E3", TextCis(20) + "E3"},
    };
    for (const Refused& r : refused) {
        RangeChange change = ChangeRangeEnd(h, r.kind, r.end, r.text);
        EXPECT_FALSE(change.changed) << r.text;
        ASSERT_TRUE(change.message.has_value()) << r.text;
        EXPECT_EQ(change.message->text, r.message);
    }
    for (const char* nothing : {"", "-"}) {
        RangeChange change = ChangeRangeEnd(h, HistogramKind::Discrete, RangeEnd::Min, nothing);
        EXPECT_FALSE(change.changed);
        EXPECT_FALSE(change.message.has_value());
    }
}
