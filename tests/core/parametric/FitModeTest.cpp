#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "parametric/ParametricGenerator.h"

namespace morvik {
namespace {

// Raw-data statistics of a data set around 10 unless a case says otherwise.
FitInputs Data(double mean, double stdDev, double xMin = 7, double xMax = 13)
{
    FitInputs fit;
    fit.mean = mean;
    fit.stdDev = stdDev;
    fit.skewness = 0.5;
    fit.xMin = xMin;
    fit.xMax = xMax;
    fit.median = (xMin + xMax) / 2;
    fit.mode = (xMin + xMax) / 2;
    return fit;
}

struct FitRun {
    GenerationOutcome outcome;
    ParameterTexts texts;
};

FitRun Fit(int type, const FitInputs& fit, double eps = 1e-7, int bins = 64)
{
    ParametricGenerator generator;
    FitRun run;
    run.outcome = generator.VypParaRoz({type, eps, bins, HistogramKind::Discrete, fit});
    run.texts = generator.Texts();
    return run;
}

struct EstimateCase {
    int type;
    FitInputs fit;
    std::array<const char*, 4> texts;  // nullptr: the initial text stays
    const char* description;
};

TEST(FitMode, EstimatesAreWrittenIntoTheParameterTexts)
{
    FitInputs weibull = Data(10, 3);
    weibull.weibullShape = 2;
    FitInputs skewed = Data(10, 1);
    skewed.skewness = 0.75;
    const EstimateCase cases[] = {
        // Copied statistics keep their full precision for the generation; the description shows them as the
        // raw-data summary does, with six digits.
        {NormalType, Data(10.123456789, 1.5), {"10.123456789", "1.5", nullptr, nullptr}, "Mi=10.1235,Sigma=1.50000)"},
        {LogNormal2PType, Data(10, 1), {"10", "1", nullptr, nullptr}, "Mi=10.0000,Sigma=1.00000)"},
        {RaisedCosineType, Data(10, 1), {"10", "2.76616", nullptr, nullptr}, "Mi=10.0000,s=2.76616)"},
        {FisherTippettType, Data(10, 1), {"10", "0.77970", nullptr, nullptr}, "Mi=10.0000,Beta=0.77970)"},
        {LaplaceType, Data(10, 1), {"10", "0.70711", nullptr, nullptr}, "Mi=10.0000,b=0.70711)"},
        {LogisticType, Data(10, 1), {"10", "0.55133", nullptr, nullptr}, "Mi=10.0000, s=0.55133)"},
        {WeibullType, weibull, {"2.00000", "11.28379", nullptr, nullptr}, "k=2.00000, Lambda=11.28379)"},
        {RayleighType, Data(10, 2), {"2.00000", nullptr, nullptr, nullptr}, "Sigma=2.00000)"},
        {StudentType, Data(0, 2, -3, 3), {"2.66667", nullptr, nullptr, nullptr}, "n=2.66667)"},
        // Estimates below 0.01 keep six significant digits; beta comes from the unrounded alfa (0.00116645...).
        {BetaInZeroType,
         Data(0.3, 0.1, 0.1, 0.6),
         {"1.16645E-03", "2.72172E-03", nullptr, nullptr},
         "alfa=1.16645E-03,beta=2.72172E-03)"},
        {RayleighType,
         Data(0.0002, 0.000123456789, 0, 0.0006),
         {"1.23457E-04", nullptr, nullptr, nullptr},
         "Sigma=1.23457E-04)"},
        {RayleighType, Data(0.001, 0.01), {"0.01000", nullptr, nullptr, nullptr}, "Sigma=0.01000)"},
        {BetaUniversalType,
         Data(4, 2, 0, 10),
         {"2.00000", "3.00000", "0.00000", "10.00000"},
         "alfa=2.00000,beta=3.00000a=0.00000,b=10.00000)"},
        {GamaType, Data(4, 2, 0, 12), {"4.00000", "1.00000", nullptr, nullptr}, "k=4.00000,theta=1.00000)"},
        {SnedecorType, Data(3, 1, 0, 10), {"1.05882", "3.00000", nullptr, nullptr}, "n1=1.05882,n2=3.00000)"},
        {ExponentialType, Data(10.5, 10, 0, 60), {"10.5", nullptr, nullptr, nullptr}, "delta=10.5000)"},
        {ChiSquareType, Data(4, 2, 0, 20), {"4", nullptr, nullptr, nullptr}, "n=4.00000)"},
        {HalfLogisticType, Data(-2.25, 1, -3, 5), {"-2.25", nullptr, nullptr, nullptr}, "Delta=-2.25000)"},
        {LogNormal3PType, skewed, {"10", "1", "0.75", nullptr}, "Mi=10.0000,Sigma=1.00000,Skewness=0.750000)"},
    };
    for (const EstimateCase& c : cases) {
        const std::string label = TypeListText(c.type);
        const FitRun run = Fit(c.type, c.fit);
        for (size_t slot = 0; slot < 4; ++slot) {
            const std::string expected = c.texts[slot] ? c.texts[slot] : InitialParameterTexts[slot];
            EXPECT_EQ(run.texts[slot], expected) << label << " P" << slot + 1;
        }
        EXPECT_EQ(run.outcome.description, c.description) << label;
        EXPECT_TRUE(run.outcome.GenerationOk) << label;
        EXPECT_FALSE(run.outcome.refusal) << label;
        EXPECT_FALSE(run.outcome.fault) << label;
        if (run.outcome.result) { EXPECT_NEAR(run.outcome.result->histogram.ProbabilitySum(), 1, 1e-12) << label; }
    }
}

struct RejectionCase {
    std::string what;
    int type;
    FitInputs fit;
};

TEST(FitMode, RejectionsAreSilent)
{
    FitInputs medianHigh = Data(5, 1, 0, 10);
    medianHigh.median = 6;
    FitInputs medianLow = Data(5, 1, 0, 10);
    medianLow.median = 4;
    // alfa = beta = 1 on [0, 10]: a flat density, which the upward scan rejects in fit mode.
    const FitInputs flatBeta = Data(5, 2.886751345948129, 0, 10);
    const RejectionCase cases[] = {
        {"Cauchy always", CauchyType, Data(10, 1)},
        {"Levy always", LevyType, Data(10, 1)},
        {"Pareto always", ParetoType, Data(10, 1)},
        {"Uniform always", UniformType, Data(10, 1)},
        {"Triangular always", TriangularType, Data(10, 1)},
        {"Gumbelovo_I, median above the middle", GumbelIType, medianHigh},
        {"Gumbelovo_II, median below the middle", GumbelIIType, medianLow},
        {"Students, n - 1 <= 0", StudentType, Data(0, 0.5, -3, 3)},
        {"Beta_universal, mean at b", BetaUniversalType, Data(10, 2, 0, 10)},
        {"Beta_universal, mean at a (r = 0)", BetaUniversalType, Data(0, 2, 0, 10)},
        {"Beta_universal, no spread", BetaUniversalType, Data(4, 0, 0, 10)},
        {"Beta_universal, flat density", BetaUniversalType, flatBeta},
        {"Snedecorovo, n1 <= 0", SnedecorType, Data(1.5, 1, 0, 10)},
        {"LogNormal_2P, both ends below Eps", LogNormal2PType, Data(10, 1, 1, 40)},
        {"Gama, k < 1 without the fit's range", GamaType, Data(1, 2, 0, 20)},
    };
    for (const RejectionCase& c : cases) {
        const FitRun run = Fit(c.type, c.fit);
        EXPECT_FALSE(run.outcome.GenerationOk) << c.what;
        EXPECT_FALSE(run.outcome.result) << c.what;
        EXPECT_FALSE(run.outcome.refusal) << c.what;
        EXPECT_FALSE(run.outcome.fault) << c.what;
    }
    // The Median test lets the other side through.
    EXPECT_TRUE(Fit(GumbelIType, medianLow).outcome.GenerationOk);
    EXPECT_TRUE(Fit(GumbelIIType, medianHigh).outcome.GenerationOk);
}

TEST(FitMode, ArithmeticFaultsOfTheEstimatesShowTheirDialog)
{
    struct FaultCase {
        int type;
        FitInputs fit;
        FloatFault fault;
        int message;
    };
    const FaultCase cases[] = {
        {StudentType, Data(0, 1, -3, 3), FloatFault::DivisionByZero, 140},   // 2 s^2 / (s^2 - 1)
        {SnedecorType, Data(1, 1, 0, 10), FloatFault::DivisionByZero, 140},  // 2 mean / (mean - 1)
        {GamaType, Data(0, 0, 0, 10), FloatFault::InvalidOperation, 143},    // 0 / 0
    };
    for (const FaultCase& c : cases) {
        const FitRun run = Fit(c.type, c.fit);
        const std::string label = TypeListText(c.type);
        EXPECT_FALSE(run.outcome.GenerationOk) << label;
        EXPECT_FALSE(run.outcome.refusal) << label;
        ASSERT_TRUE(run.outcome.fault) << label;
        EXPECT_EQ(*run.outcome.fault, c.fault) << label;
        ASSERT_TRUE(run.outcome.faultMessage) << label;
        EXPECT_EQ(run.outcome.faultMessage->text, TextCis(139) + label + "\r\n\r\n" + "       " + TextCis(c.message));
    }
}

struct RangeCase {
    std::string what;
    int type;
    FitInputs fit;
    double min;
    double max;
};

TEST(FitMode, EndsCheckSearchAndWidening)
{
    FitInputs lowMode = Data(10, 3, 5, 60);
    lowMode.mode = 8;
    FitInputs highMode = Data(10, 3, 5, 60);
    highMode.mode = 40;
    const RangeCase cases[] = {
        {"Normal, data far out at both ends: their range stays", NormalType, Data(10, 1, 0, 20), 0, 20},
        {"Normal, data inside: the search", NormalType, Data(10, 1, 7, 13), 4.32, 15.68},
        {"LogNormal_2P, mode in the lower half: widened to the data", LogNormal2PType, lowMode, 1.63, 60},
        {"LogNormal_2P, mode in the upper half: the search alone", LogNormal2PType, highMode, 1.63, 46.78},
        {"Fisher-Tippett, u below Eps at both ends", FisherTippettType, Data(10, 1, 30, 40), 30, 40},
        {"Laplace, far at both ends", LaplaceType, Data(10, 1, -20, 40), -20, 40},
        {"Logistic, u below Eps at both ends", LogisticType, Data(10, 1, 40, 60), 40, 60},
    };
    for (const RangeCase& c : cases) {
        const FitRun run = Fit(c.type, c.fit);
        ASSERT_TRUE(run.outcome.result) << c.what;
        EXPECT_NEAR(run.outcome.result->outerMin, c.min, 1e-9) << c.what;
        EXPECT_NEAR(run.outcome.result->outerMax, c.max, 1e-9) << c.what;
    }
}

FitInputs WithUserRange(FitInputs fit, double min, double max)
{
    fit.FitUserRange = true;
    fit.userMin = min;
    fit.userMax = max;
    return fit;
}

TEST(FitMode, TheFitsOwnRange)
{
    // Searched and scanned types take it instead of (or after) their search.
    for (int type : {NormalType, ExponentialType}) {
        const FitRun run = Fit(type, WithUserRange(Data(10, 1, 7, 13), 5, 15));
        ASSERT_TRUE(run.outcome.result) << type;
        EXPECT_EQ(run.outcome.result->outerMin, 5) << type;
        EXPECT_EQ(run.outcome.result->outerMax, 15) << type;
    }

    // A fixed range stays, but interval centres below the fit's Min get nothing.
    const FitRun cosine = Fit(RaisedCosineType, WithUserRange(Data(10, 1), 9, 20), 1e-7, 100);
    ASSERT_TRUE(cosine.outcome.result);
    EXPECT_NEAR(cosine.outcome.result->outerMin, 10 - 2.76616, 1e-12);
    const Histogram& h = cosine.outcome.result->histogram;
    for (int i = 0; i < 100; ++i) { EXPECT_EQ(h.Prob[static_cast<size_t>(i)] == 0, h.ValueAt(i) < 9) << i; }

    // Types starting at zero only leave out the centres below 0.
    FitInputs weibull = WithUserRange(Data(10, 3, 2, 20), -2, 30);
    weibull.weibullShape = 2;
    const FitRun w = Fit(WeibullType, weibull, 1e-7, 32);
    ASSERT_TRUE(w.outcome.result);
    EXPECT_EQ(w.outcome.result->outerMin, -2);
    const Histogram& wh = w.outcome.result->histogram;
    for (int i = 0; i < 32; ++i) EXPECT_EQ(wh.Prob[static_cast<size_t>(i)] == 0, wh.ValueAt(i) < 0) << i;

    // Gama with k < 1 is allowed there.
    EXPECT_TRUE(Fit(GamaType, WithUserRange(Data(1, 2, 0, 20), 0, 20)).outcome.GenerationOk);

    // Beta_universal estimates over the current range, whose Min is the fit's.
    const FitRun beta = Fit(BetaUniversalType, WithUserRange(Data(4, 2, 1, 10), 0, 10));
    EXPECT_EQ(beta.texts[2], "0.00000");
    EXPECT_EQ(beta.texts[3], "10.00000");
}

TEST(FitMode, StartsFromTheTextsTheEditsHold)
{
    // An unparsable text in an edit the type does not estimate rejects it silently.
    ParametricGenerator generator;
    generator.SetText(3, "x");
    const GenerationOutcome outcome =
        generator.VypParaRoz({NormalType, 1e-7, 64, HistogramKind::Discrete, Data(10, 1)});
    EXPECT_FALSE(outcome.GenerationOk);
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(generator.Texts()[3], "x");
}

}  // namespace
}  // namespace morvik
