#include <gtest/gtest.h>

#include "histogram/Queries.h"
#include "localization/TextCis.h"

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
        {HistogramKind::Discrete, 0, false, 0, 0},      {HistogramKind::Discrete, 3.25, true, 0.1, 0.325},
        {HistogramKind::Discrete, 10, true, 0.1, 1},    {HistogramKind::Discrete, 9.75, true, 0.1, 0.975},
        {HistogramKind::Discrete, 10.01, false, 0, 0},  {HistogramKind::PureDiscrete, 3.5, true, 1.0 / 6, 0.5},
        {HistogramKind::PureDiscrete, 5.5, true, 1.0 / 6, 5.0 / 6}, {HistogramKind::PureDiscrete, 0.99, false, 0, 0},
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
