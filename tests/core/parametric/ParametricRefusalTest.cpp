#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "parametric/GenerationWork.h"
#include "parametric/ParametricGenerator.h"
#include "parametric/RangeSearch.h"

namespace morvik {
namespace {

GenerationOutcome Generate(int type, const ParameterTexts& texts, double eps = 1e-7, int bins = 128)
{
    ParametricGenerator generator;
    generator.SetTexts(texts);
    return generator.VypParaRoz({type, eps, bins, HistogramKind::Discrete, std::nullopt});
}

struct RefusalCase {
    std::string what;
    int type;
    ParameterTexts texts;
    double eps;
    std::string message;
    DialogKind kind;
    int focus;
    bool restore;
};

TEST(ParametricRefusal, EachRefusalShowsItsMessageAndFocusesItsEdit)
{
    const std::string needsNumber = TextCis(501) + "\r\n\r\n" + "        " + TextCis(502);
    const std::string notPositive = TextCis(503) + "\r\n\r\n" + "     ";
    const std::string cannotUse = TextCis(507);
    // clang-format off
    const RefusalCase cases[] = {
        {"comma in a number", NormalType, {"10", "1,5", "1", "1"}, 1e-7, needsNumber + "Sigma : 1,5",
         DialogKind::Error, 2, true},
        {"empty text", CauchyType, {"", "1", "1", "1"}, 1e-7, needsNumber + "Xo : ", DialogKind::Error, 1, true},
        {"Check 1", RayleighType, {"0", "1", "1", "1"}, 1e-7, notPositive + "Sigma" + TextCis(504),
         DialogKind::Error, 1, false},
        {"Check 2", NormalType, {"10", "-1", "1", "1"}, 1e-7, notPositive + "Sigma" + TextCis(504),
         DialogKind::Error, 2, false},
        {"Check 1 before Check 2", WeibullType, {"-1", "-1", "1", "1"}, 1e-7, notPositive + "k" + TextCis(504),
         DialogKind::Error, 1, false},
        {"Uniform a = b", UniformType, {"5", "5", "1", "1"}, 1e-7, TextCis(505) + " a < b !", DialogKind::Error,
         1, false},
        {"Triangular a = b", TriangularType, {"5", "5", "5", "1"}, 1e-7, TextCis(505) + " a < b !",
         DialogKind::Error, 1, false},
        {"Triangular c outside", TriangularType, {"0", "10", "11", "1"}, 1e-7, TextCis(505) + " a <= c <= b !",
         DialogKind::Error, 3, false},
        {"Beta a >= b", BetaUniversalType, {"2", "3", "2", "1"}, 1e-7, TextCis(505) + " a < b !",
         DialogKind::Error, 4, false},
        {"Beta constant too large", BetaUniversalType, {"200", "200", "0", "1"}, 1e-7, TextCis(506),
         DialogKind::Error, 2, false},
        {"Snedecorovo constant too large", SnedecorType, {"1000", "1", "1", "1"}, 1e-7, TextCis(506),
         DialogKind::Error, 1, false},
        {"skewness 0", LogNormal3PType, {"10", "1", "0", "1"}, 1e-7, TextCis(505) + " Skewness <> 0 !",
         DialogKind::Error, 3, false},
        {"Gama k < 1", GamaType, {"0.5", "1", "1", "1"}, 1e-7, TextCis(509) + "(k-1).theta >= 0   !",
         DialogKind::Error, 0, false},
        // k = 1 with a scale so large that the density never reaches Eps: the search stays at 0.
        {"Gama Min = Max", GamaType, {"1", "1E13", "1", "1"}, 1e-7, TextCis(143), DialogKind::Error, 0, false},
        // Failures without a message of their own.
        {"Gama constant 0", GamaType, {"2", "1E-200", "1", "1"}, 1e-7, cannotUse, DialogKind::Information, 0,
         false},
        {"step lost in Mi", NormalType, {"1E18", "1", "1", "1"}, 1e-7, cannotUse, DialogKind::Information, 0,
         false},
        {"range of zero width", NormalType, {"10", "1", "1", "1"}, 1, cannotUse, DialogKind::Information, 0,
         false},
        {"Beta scan turned over", BetaInZeroType, {"2", "3", "1", "1"}, 1, cannotUse, DialogKind::Information, 0,
         false},
        {"upward scan with Eps 1", ExponentialType, {"2", "3", "1", "1"}, 1, cannotUse, DialogKind::Information, 0,
         false},
    };
    // clang-format on
    for (const RefusalCase& c : cases) {
        const GenerationOutcome outcome = Generate(c.type, c.texts, c.eps);
        EXPECT_FALSE(outcome.GenerationOk) << c.what;
        EXPECT_FALSE(outcome.result) << c.what;
        EXPECT_FALSE(outcome.fault) << c.what;
        ASSERT_TRUE(outcome.refusal) << c.what;
        EXPECT_EQ(outcome.refusal->message.text, c.message) << c.what;
        EXPECT_EQ(outcome.refusal->message.kind, c.kind) << c.what;
        EXPECT_EQ(outcome.refusal->focusParameter, c.focus) << c.what;
        EXPECT_EQ(outcome.refusal->restoreAcceptedText, c.restore) << c.what;
    }
}

TEST(ParametricRefusal, HalfLogisticAndTheFixedRangesTakeAnySign)
{
    EXPECT_TRUE(Generate(HalfLogisticType, {"-50", "-1", "-1", "-1"}).GenerationOk);
    EXPECT_TRUE(Generate(UniformType, {"-50", "-10", "-1", "-1"}).GenerationOk);
}

TEST(ParametricRefusal, OverflowBeforeAnyValueLeavesOnlyTheFaultDialog)
{
    // 1 / (b - a) far beyond the double range: the first interval value already overflows.
    const GenerationOutcome outcome = Generate(UniformType, {"0", "1E-320", "1", "1"});
    EXPECT_FALSE(outcome.GenerationOk);
    EXPECT_FALSE(outcome.result);
    EXPECT_FALSE(outcome.refusal);
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(*outcome.fault, FloatFault::Overflow);
    ASSERT_TRUE(outcome.faultMessage);
    EXPECT_EQ(outcome.faultMessage->text, TextCis(139) + "Uniform" + "\r\n\r\n" + "       " + TextCis(141));
    EXPECT_EQ(outcome.faultMessage->kind, DialogKind::Error);
}

TEST(ParametricRefusal, OverflowMidwayNormalisesTheIntervalsFilledBefore)
{
    // A Normal so narrow that its peak no longer fits in a double while its tails do.
    const GenerationOutcome outcome = Generate(NormalType, {"0", "1E-310", "1", "1"});
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(*outcome.fault, FloatFault::Overflow);
    ASSERT_TRUE(outcome.faultMessage);
    EXPECT_EQ(outcome.faultMessage->text, TextCis(139) + "Normal" + "\r\n\r\n" + "       " + TextCis(141));
    ASSERT_TRUE(outcome.GenerationOk);
    ASSERT_TRUE(outcome.result);
    const Histogram& h = outcome.result->histogram;
    EXPECT_NEAR(h.ProbabilitySum(), 1, 1e-12);
    EXPECT_GT(h.Prob[0], 0);
    EXPECT_EQ(h.Prob[64], 0);  // the peak and everything after it were never filled
    EXPECT_EQ(h.Prob[127], 0);
}

TEST(ParametricRefusal, DensityWithoutAValueIsAnInvalidOperation)
{
    // A density that is NaN without having raised a flag (a quiet NaN constant).
    GenerationWork work;
    work.type = UniformType;
    work.bins = 10;
    work.min = 0;
    work.max = 1;
    work.density.type = UniformType;
    work.density.C = std::numeric_limits<long double>::quiet_NaN();
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        FillIntervals(work);
        FAIL() << "NaN reached the interval values";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.fault, FloatFault::InvalidOperation);
    }
    EXPECT_EQ(work.sum, 0);
}

TEST(ParametricRefusal, SearchesEndAfterTheirStepBound)
{
    // A density that never falls: the search refuses after MaxSearchSteps steps instead of hanging.
    const DensityFunction flat = [](long double) { return 1.0L; };
    EXPECT_THROW(ThresholdSearch(flat, 0, 1, 0.5), SearchRefused);
}

TEST(ParametricRefusal, AStepThatNoLongerMovesXRefusesAtOnce)
{
    const DensityFunction flat = [](long double) { return 1.0L; };
    EXPECT_THROW(SearchFromZero(flat, 1e30L, 1e-30L, 0.5), SearchRefused);
    EXPECT_THROW(UpwardScanMax(flat, 1, 0, 0.5), SearchRefused);
}

TEST(ParametricRefusal, FlatScansEndInTheWindow)
{
    // Beta_universal (1, 1) is flat: its upward scan ends at the first flat step instead of rejecting the type.
    const GenerationOutcome outcome = Generate(BetaUniversalType, {"1", "1", "0", "10"});
    ASSERT_TRUE(outcome.GenerationOk);
    EXPECT_EQ(outcome.result->outerMin, 0);
    EXPECT_NEAR(outcome.result->outerMax, 10, 0.001);
}

}  // namespace
}  // namespace morvik
