#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "parametric/Densities.h"
#include "parametric/ParametricGenerator.h"

namespace morvik {
namespace {

GenerationOutcome Generate(int type, const ParameterTexts& texts, double eps = 1e-7, int bins = 128,
                           HistogramKind kind = HistogramKind::Discrete)
{
    ParametricGenerator generator;
    generator.SetTexts(texts);
    return generator.VypParaRoz({type, eps, bins, kind, std::nullopt});
}

double LighterEnd(const Histogram& h) { return std::min(h.Prob[0], h.Prob[static_cast<size_t>(h.Bins - 1)]); }

// What every successful generation guarantees: probabilities summing to 1, the Total rule, and the layout.
void ExpectSoundHistogram(const GenerationOutcome& outcome, int type, int bins)
{
    const std::string label = TypeListText(type);
    ASSERT_TRUE(outcome.GenerationOk) << label;
    ASSERT_TRUE(outcome.result) << label;
    EXPECT_FALSE(outcome.refusal) << label;
    EXPECT_FALSE(outcome.fault) << label;
    const Histogram& h = outcome.result->histogram;
    EXPECT_EQ(h.Bins, bins) << label;
    EXPECT_NEAR(h.ProbabilitySum(), 1.0, 1e-12) << label;
    for (int i = 0; i < MaxBins; ++i) {
        EXPECT_GE(h.Prob[static_cast<size_t>(i)], 0) << label << " interval " << i;
        if (i >= bins) { EXPECT_EQ(h.Prob[static_cast<size_t>(i)], 0) << label; }
    }
    const double lighter = LighterEnd(h);
    if (lighter != 0) {
        EXPECT_NEAR(h.Total * lighter, 1.0, 1e-12) << label;
    } else {
        // No end interval left: the total is the scaled sum of reciprocals.
        EXPECT_LE(h.Total, 9223372036854775807.0) << label;
        EXPECT_GT(h.Total, 0) << label;
    }
    EXPECT_LT(outcome.result->outerMin, outcome.result->outerMax) << label;
    EXPECT_DOUBLE_EQ(h.Width, (outcome.result->outerMax - outcome.result->outerMin) / bins) << label;
    EXPECT_DOUBLE_EQ(h.Min, outcome.result->outerMin + h.Width / 2) << label;
    EXPECT_DOUBLE_EQ(h.Max, outcome.result->outerMax - h.Width / 2) << label;
    EXPECT_DOUBLE_EQ(h.Range, outcome.result->outerMax - outcome.result->outerMin) << label;
    EXPECT_EQ(outcome.result->name, "ParRoz_" + label);
}

TEST(ParametricGeneration, EveryTypeGeneratesWithItsDefaultTexts)
{
    for (int type = 0; type < DistributionTypeCount; ++type) {
        ParametricGenerator generator;
        generator.SetResetPending(true);
        const GenerationOutcome outcome = generator.VypParaRoz({type, 1e-7, 1024, HistogramKind::Discrete, {}});
        ExpectSoundHistogram(outcome, type, 1024);
        EXPECT_FALSE(generator.ResetPending());
    }
}

struct RangeCase {
    int type;
    ParameterTexts texts;
    double eps;
    double expectedMin;
    double expectedMax;
    double tolerance;
};

// Typical parameters of every type with the range its rule gives, worked out from the density by hand.
TEST(ParametricGeneration, TypicalParametersGiveTheRangeOfTheirRule)
{
    const RangeCase cases[] = {
        // exp(-z^2/2) <= 1E-7 first at z = 5.68 (steps of 0.01)
        {NormalType, {"10", "1", "1", "1"}, 1e-7, 4.32, 15.68, 1e-9},
        {LogNormal2PType, {"10", "3", "1", "1"}, 1e-7, 1.63, 46.78, 1e-9},
        {GumbelIType, {"10", "2", "1", "1"}, 1e-7, NAN, NAN, 0},
        {GumbelIIType, {"10", "2", "1", "1"}, 1e-7, NAN, NAN, 0},
        {RaisedCosineType, {"10", "2", "1", "1"}, 1e-7, 8, 12, 0},
        // the threshold is ten times lower: 1/(1+z^2) <= 1E-6 first at z = 1000 (steps of 0.001)
        {CauchyType, {"10", "1", "1", "1"}, 1e-7, -990, 1010, 1e-6},
        {FisherTippettType, {"10", "2", "1", "1"}, 1e-7, NAN, NAN, 0},
        // exp(-|z|) <= 1E-7 first at |z| = 16.119
        {LaplaceType, {"10", "1", "1", "1"}, 1e-7, -6.119, 26.119, 1e-9},
        {LogisticType, {"10", "2", "1", "1"}, 1e-7, NAN, NAN, 0},
        {WeibullType, {"2", "3", "1", "1"}, 1e-7, 0, NAN, 0},
        {RayleighType, {"2", "1", "1", "1"}, 1e-7, 0, NAN, 0},
        {LevyType, {"10", "1", "1", "1"}, 1e-3, 0, NAN, 0},
        // (1 + x^2/10)^-5.5 <= 1E-7 first at x = 13.4 (steps of 0.1)
        {StudentType, {"10", "1", "1", "1"}, 1e-7, -13.4, 13.4, 1e-9},
        // x (1-x)^4 falls to 1E-7 of its mode value first at 0.991
        {BetaInZeroType, {"2", "5", "1", "1"}, 1e-7, 0, 0.991, 1e-9},
        // (x - 1.1)^9 on [1.1, 1.9]: the last point above 1E-7 of the mode value is 1.2335
        {BetaUniversalType, {"10", "1", "1.1", "1.9"}, 1e-7, 1.2335, 1.9, 1e-9},
        {GamaType, {"3", "2", "1", "1"}, 1e-7, NAN, NAN, 0},
        {SnedecorType, {"5", "10", "1", "1"}, 1e-7, 0, NAN, 0},
        // 1/x^2 falls to 1E-7 of its value at 10 at 10 sqrt(1E7) = 31622.78; the last point above is 31622.7
        {ParetoType, {"10", "1", "1", "1"}, 1e-7, 10, 31622.7, 1e-6},
        {UniformType, {"-3", "7", "1", "1"}, 1e-7, -3, 7, 0},
        {TriangularType, {"0", "20", "5", "1"}, 1e-7, 0, 20, 0},
        // exp(-(x-10)/10) <= 1E-7 first at x = 172 (steps of 1); the last point above is 171
        {ExponentialType, {"10", "1", "1", "1"}, 1e-7, 10, 171, 1e-9},
        {ChiSquareType, {"3", "1", "1", "1"}, 1e-7, 0, NAN, 0},
        // exp(-(x-10)) <= 1E-8 first at x = 28.5 (steps of 0.1); the last point above is 28.4
        {HalfLogisticType, {"10", "1", "1", "1"}, 1e-7, 10, 28.4, 1e-9},
        {LogNormal3PType, {"10", "1", "1.5", "1"}, 1e-7, NAN, NAN, 0},
    };
    for (const RangeCase& c : cases) {
        const GenerationOutcome outcome = Generate(c.type, c.texts, c.eps, 200);
        const std::string label = TypeListText(c.type);
        ExpectSoundHistogram(outcome, c.type, 200);
        if (!outcome.result) continue;
        if (!std::isnan(c.expectedMin)) { EXPECT_NEAR(outcome.result->outerMin, c.expectedMin, c.tolerance) << label; }
        if (!std::isnan(c.expectedMax)) { EXPECT_NEAR(outcome.result->outerMax, c.expectedMax, c.tolerance) << label; }
    }
}

// The mean and standard deviation of the generated histogram.
std::pair<double, double> Moments(const Histogram& h)
{
    double mean = 0, variance = 0;
    for (int i = 0; i < h.Bins; ++i) mean += h.Prob[static_cast<size_t>(i)] * h.ValueAt(i);
    for (int i = 0; i < h.Bins; ++i) {
        variance += h.Prob[static_cast<size_t>(i)] * (h.ValueAt(i) - mean) * (h.ValueAt(i) - mean);
    }
    return {mean, std::sqrt(variance)};
}

TEST(ParametricGeneration, BothGumbelTypesCentreOnTheTypedMean)
{
    // Gumbelovo_II is the smallest-value form: its location lies 0.577/A above Mi, not below.
    for (int type : {GumbelIType, GumbelIIType}) {
        const GenerationOutcome outcome = Generate(type, {"10", "2", "1", "1"}, 1e-7, 1024);
        ASSERT_TRUE(outcome.result);
        const auto [mean, sd] = Moments(outcome.result->histogram);
        EXPECT_NEAR(mean, 10, 0.01) << TypeListText(type);
        EXPECT_NEAR(sd, 2, 0.01) << TypeListText(type);
    }
    const GenerationOutcome second = Generate(GumbelIIType, {"10", "2", "1", "1"});
    ASSERT_TRUE(second.result);
    EXPECT_LT(second.result->outerMax - 10, 10 - second.result->outerMin);  // its long tail is the lower one
}

TEST(ParametricGeneration, LogNormal3PMirrorsWithTheSignOfItsSkewness)
{
    const GenerationOutcome right = Generate(LogNormal3PType, {"10", "1", "1.5", "1"});
    const GenerationOutcome left = Generate(LogNormal3PType, {"10", "1", "-1.5", "1"});
    ASSERT_TRUE(right.result && left.result);
    const Histogram& r = right.result->histogram;
    const Histogram& l = left.result->histogram;
    EXPECT_NEAR(Moments(r).first, 10, 0.01);
    EXPECT_NEAR(Moments(l).first, 10, 0.01);
    EXPECT_NEAR(r.Max - 10, 10 - l.Min, 0.02);
    EXPECT_NEAR(r.Min - 10, 10 - l.Max, 0.02);
}

TEST(ParametricGeneration, UniformOverZeroToTwenty)
{
    const GenerationOutcome outcome = Generate(UniformType, {"0", "20", "5", "1"}, 1e-7, 256);
    ASSERT_TRUE(outcome.result);
    const Histogram& h = outcome.result->histogram;
    for (int i = 0; i < 256; ++i) EXPECT_EQ(h.Prob[static_cast<size_t>(i)], 1.0 / 256);
    EXPECT_EQ(outcome.result->outerMin, 0);
    EXPECT_EQ(outcome.result->outerMax, 20);
    EXPECT_EQ(h.Width, 0.078125);
    EXPECT_EQ(h.Total, 256);
    EXPECT_EQ(outcome.result->name, "ParRoz_Uniform");
}

TEST(ParametricGeneration, TriangularWithItsPeakAtAnEnd)
{
    for (const char* c : {"0", "20"}) {
        const GenerationOutcome outcome = Generate(TriangularType, {"0", "20", c, "1"}, 1e-7, 100);
        ExpectSoundHistogram(outcome, TriangularType, 100);
    }
}

TEST(ParametricGeneration, TailIntervalsBelowHalfAnObservationAreCleared)
{
    // Beta_in_zero (10, 1): x^9 at the first centre is about 1E-30 of the last; far below one observation.
    const GenerationOutcome outcome = Generate(BetaInZeroType, {"10", "1", "1", "1"}, 1e-7, 1024);
    ASSERT_TRUE(outcome.result);
    DensityState state{BetaInZeroType, 10, 1, 1, 1};
    ComputeConstants(state);
    const double width = (outcome.result->outerMax - outcome.result->outerMin) / 1024;
    EXPECT_GT(DensityAt(state, outcome.result->outerMin + width / 2), 0);
    const Histogram& h = outcome.result->histogram;
    EXPECT_EQ(h.Prob[0], 0);
    EXPECT_GT(h.Prob[1023], 0);
    // With an empty end interval the Total is the sum of reciprocals scaled below 2^63.
    EXPECT_LE(h.Total, 9223372036854775807.0);
    EXPECT_GT(h.Total, 9223372036854775807.0 / 10);
    for (int i = 0; i < 1024; ++i) {
        const double p = h.Prob[static_cast<size_t>(i)];
        if (p != 0) { EXPECT_GE(p * h.Total, 0.5) << i; }
    }
}

TEST(ParametricGeneration, PureDiscreteLaysTheValuesOnTheRangeEnds)
{
    const GenerationOutcome outcome =
        Generate(NormalType, {"10", "1", "1", "1"}, 1e-7, 100, HistogramKind::PureDiscrete);
    ASSERT_TRUE(outcome.result);
    const GeneratedHistogram& g = *outcome.result;
    EXPECT_EQ(g.kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(g.histogram.Min, g.outerMin);
    EXPECT_EQ(g.histogram.Max, g.outerMax);
    EXPECT_DOUBLE_EQ(g.histogram.Width, (g.outerMax - g.outerMin) / 99);
    EXPECT_NEAR(g.histogram.ProbabilitySum(), 1, 1e-12);
}

TEST(ParametricGeneration, PendingResetWritesTheDefaultTextsOnce)
{
    ParametricGenerator generator;
    EXPECT_EQ(generator.Texts(), InitialParameterTexts);
    generator.SetTexts({"3", "4", "6", "8"});
    generator.SetResetPending(true);
    GenerationOutcome outcome = generator.VypParaRoz({UniformType, 1e-7, 128, HistogramKind::Discrete, {}});
    EXPECT_EQ(generator.Texts(), (ParameterTexts{"0", "20", "5", "8"}));
    EXPECT_FALSE(generator.ResetPending());
    ASSERT_TRUE(outcome.result);
    EXPECT_EQ(outcome.result->outerMax, 20);

    generator.SetText(1, "30");
    outcome = generator.VypParaRoz({UniformType, 1e-7, 128, HistogramKind::Discrete, {}});
    ASSERT_TRUE(outcome.result);
    EXPECT_EQ(outcome.result->outerMax, 30);
}

TEST(ParametricGeneration, HalfLogisticDescribesItsParameterInTheWindowToo)
{
    EXPECT_EQ(Generate(HalfLogisticType, {"-5", "1", "1", "1"}).description, "Delta=-5)");
    EXPECT_EQ(Generate(NormalType, {"10", "1", "1", "1"}).description, "");
}

TEST(ParametricGeneration, ListTextsFollowTheLanguage)
{
    SetLanguage(Language::Czech);
    const GenerationOutcome outcome = Generate(NormalType, {"10", "1", "1", "1"});
    SetLanguage(Language::English);
    ASSERT_TRUE(outcome.result);
    EXPECT_EQ(outcome.result->name, "ParRoz_Norm\xC3\xA1ln\xC3\xAD");
}

}  // namespace
TEST(ParametricGeneration, LogNormalWithARangeFromZeroHasNoFault)
{
    // A wide log-normal reaches down to x = 0, where the density is 0, not a 0/0 fault.
    const GenerationOutcome outcome = Generate(LogNormal2PType, {"1", "100", "1", "1"});
    ExpectSoundHistogram(outcome, LogNormal2PType, 128);
}

}  // namespace morvik
