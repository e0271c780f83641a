#include <algorithm>
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "rawdata/FitRanking.h"
#include "rawdata/RawTestData.h"
#include "statlib/Statistics.h"

namespace morvik {
namespace {

std::string Fixture(const std::string& name) { return std::string(MORVIK_FIXTURES) + "/rawdata/" + name; }

using test::DataOf;

RawDataSet ReadFixture(const std::string& name)
{
    RawDataRead read = ReadRawDataFile(Fixture(name));
    EXPECT_TRUE(read.ok()) << name;
    return std::move(read.data);
}

RawHistogram HistogramOf(const RawDataSet& data, int n, HistogramKind kind = HistogramKind::Discrete)
{
    return BuildRawHistogram(data, n, data.dataMin, data.dataMax, kind);
}

TEST(FitRanking, NormalDataAreRankedByCloseness)
{
    const RawDataSet data = ReadFixture("normal-2000.txt");
    const RawHistogram histogram = HistogramOf(data, 32);
    const FitRanking ranking = RankFits({data, histogram, 1e-7});
    ASSERT_FALSE(ranking.refusal);
    EXPECT_TRUE(ranking.rejected.empty());
    EXPECT_FALSE(ranking.rejectedWarning);
    ASSERT_GT(ranking.acceptedCount, 3);
    EXPECT_EQ(static_cast<int>(ranking.rows.size()), ranking.acceptedCount);

    std::set<int> accepted;
    for (int i = 0; i < DistributionTypeCount; ++i) {
        const RankedFit& fit = ranking.ranked[static_cast<size_t>(i)];
        if (i > 0) { EXPECT_GE(ranking.ranked[static_cast<size_t>(i - 1)].closeness, fit.closeness); }
        EXPECT_EQ(i < ranking.acceptedCount, FitAccepted(fit.closeness)) << i;
        if (fit.closeness > 0) accepted.insert(fit.type);
    }
    for (int never : {CauchyType, LevyType, ParetoType, UniformType, TriangularType}) {
        EXPECT_FALSE(accepted.count(never)) << never;
    }
    ASSERT_TRUE(accepted.count(NormalType));

    // The normal fit describes the data: its moments, and a Kolmogorov-Smirnov test that does not reject it.
    const FitRow* normal = ranking.RowOf(NormalType);
    ASSERT_NE(normal, nullptr);
    EXPECT_NEAR(normal->mean, data.mean, 0.01);
    EXPECT_NEAR(normal->stdDev, data.stdDev, 0.01);
    ASSERT_TRUE(normal->goodness);
    EXPECT_LT(normal->goodness->ksD, 0.03);
    EXPECT_GT(normal->goodness->ksP, 0.05);
    EXPECT_EQ(normal->fields[FieldName], TypeListText(NormalType));
    EXPECT_EQ(normal->parameters.find(')'), std::string::npos);
    // The copied mean and deviation read as the data's summary shows them, not at full precision.
    EXPECT_EQ(normal->parameters, "Mi=" + StrNaCarku(data.mean) + ",Sigma=" + StrNaCarku(data.stdDev));
    EXPECT_FALSE(normal->fields[FieldKsDistance].empty());

    // The raw row describes the reference histogram with the data count as its frequency total.
    EXPECT_EQ(ranking.rawRow.fields[FieldName], TextCis(58));
    EXPECT_EQ(ranking.rawRow.closeness, 1);
    EXPECT_FALSE(ranking.rawRow.goodness);
    EXPECT_DOUBLE_EQ(ranking.rawRow.mean, histogram.statistics.mean);

    // The Weibull shape is one of the values of the grid.
    if (accepted.count(WeibullType)) {
        const double k = ranking.weibullShape;
        const int i = static_cast<int>(std::lround((k - 1.5) * 100));
        EXPECT_EQ(k, WeibullShape(i));
    }
}

TEST(FitRanking, FitRowsUseTheCentresOfTheEndIntervals)
{
    const RawDataSet data = ReadFixture("normal-2000.txt");
    const RawHistogram histogram = HistogramOf(data, 16);
    const FitRanking ranking = RankFits({data, histogram, 1e-7});
    const FitRow* normal = ranking.RowOf(NormalType);
    ASSERT_NE(normal, nullptr);

    ParametricGenerator generator;
    const FitSource source{data, histogram, 1e-7};
    const GenerationOutcome own =
        generator.VypParaRoz({NormalType, 1e-7, 16, HistogramKind::Discrete, MakeFitInputs(source, 0, true)});
    ASSERT_TRUE(own.result);
    const double min = own.result->outerMin, max = own.result->outerMax, h = (max - min) / 16;
    const auto& prob = own.result->histogram.Prob;
    const double mean = PrumerX(prob, 16, min + h / 2, max - h / 2);
    EXPECT_DOUBLE_EQ(normal->variance, RozptylX(prob, 16, min + h / 2, max - h / 2, mean));
    // Read over the outer edges the variance would be larger by about (n / (n - 1))^2.
    const double outer = RozptylX(prob, 16, min, max, PrumerX(prob, 16, min, max));
    EXPECT_NEAR(outer / normal->variance, (16.0 / 15) * (16.0 / 15), 1e-9);
}

TEST(FitRanking, AFaultRejectsOnlyItsType)
{
    // Mean 1 and s = 1 exactly: Students divides by s^2 - 1 and Snedecorovo by mean - 1.
    std::vector<double> values;
    for (auto [value, count] : {std::pair{-1, 10}, {3, 10}, {0, 30}, {2, 30}, {1, 61}}) {
        values.insert(values.end(), count, value);
    }
    const RawDataSet data = DataOf(values);
    ASSERT_EQ(data.mean, 1);
    ASSERT_EQ(data.stdDev, 1);
    const RawHistogram histogram = HistogramOf(data, 5);
    const FitRanking ranking = RankFits({data, histogram, 1e-7});

    ASSERT_FALSE(ranking.refusal);
    EXPECT_GT(ranking.acceptedCount, 0);
    ASSERT_EQ(ranking.rejected.size(), 2u);
    EXPECT_EQ(ranking.rejected[0].type, StudentType);
    EXPECT_EQ(ranking.rejected[1].type, SnedecorType);
    for (const RejectedFit& r : ranking.rejected) {
        EXPECT_EQ(r.fault, FloatFault::DivisionByZero);
        EXPECT_EQ(r.message, TextCis(140));
    }
    ASSERT_TRUE(ranking.rejectedWarning);
    EXPECT_EQ(ranking.rejectedWarning->kind, DialogKind::Warning);
    EXPECT_NE(ranking.rejectedWarning->text.find(TypeListText(StudentType) + " :  " + TextCis(140)), std::string::npos);
    EXPECT_NE(ranking.rejectedWarning->text.find("Snedecorovo"), std::string::npos);
    EXPECT_FALSE(ranking.RowOf(StudentType));

    // The warning speaks the current language.
    SetLanguage(Language::Czech);
    const std::string czech = RejectedFitsText(ranking.rejected);
    SetLanguage(Language::English);
    EXPECT_NE(czech, RejectedFitsText(ranking.rejected));
}

TEST(FitRanking, AFitWhoseOwnRangeFailsIsNotAccepted)
{
    // Gamma data with shape below 1: over the data's range the Gama fit is close, but with its own range the
    // generation refuses k < 1, so there is no histogram to describe and the fit is not counted.
    const RawDataSet data = ReadFixture("gamma-3000.txt");
    const RawHistogram histogram = HistogramOf(data, 30);
    const FitSource source{data, histogram, 1e-7};
    ParametricGenerator generator;
    const GenerationOutcome overData =
        generator.VypParaRoz({GamaType, 1e-7, 30, HistogramKind::Discrete, MakeFitInputs(source, 0, false)});
    ASSERT_TRUE(overData.result);
    const double c = VypocetCharTesnosti(30, overData.result->histogram.Prob, 0, histogram.varY, histogram.meanY,
                                         histogram.frequency);
    ASSERT_TRUE(FitAccepted(c)) << c;
    EXPECT_FALSE(
        generator.VypParaRoz({GamaType, 1e-7, 30, HistogramKind::Discrete, MakeFitInputs(source, 0, true)}).result);

    const FitRanking ranking = RankFits(source);
    EXPECT_FALSE(ranking.RowOf(GamaType));
    for (const RankedFit& fit : ranking.ranked) {
        if (fit.type == GamaType) { EXPECT_EQ(fit.closeness, 0); }
    }
    EXPECT_EQ(static_cast<int>(ranking.rows.size()), ranking.acceptedCount);
}

TEST(FitRanking, NoAcceptedFitGivesMessage110)
{
    // A comb: every other interval empty, which no smooth density follows.
    std::vector<double> values;
    for (int v = 0; v <= 100; v += 2) values.insert(values.end(), 10, v);
    const RawDataSet data = DataOf(values);
    const RawHistogram histogram = HistogramOf(data, 51);
    const FitRanking ranking = RankFits({data, histogram, 1e-7});
    ASSERT_TRUE(ranking.refusal);
    EXPECT_EQ(ranking.refusal->text, TextCis(110));
    EXPECT_EQ(ranking.acceptedCount, 0);
}

TEST(FitRanking, AcceptanceBounds)
{
    EXPECT_TRUE(FitAccepted(1));
    EXPECT_TRUE(FitAccepted(0.00010001));
    EXPECT_FALSE(FitAccepted(0.0001));
    EXPECT_FALSE(FitAccepted(0));
    EXPECT_FALSE(FitAccepted(-0.5));
    EXPECT_FALSE(FitAccepted(1.0000001));
}

TEST(FitRanking, WeibullShapesAreExactHundredths)
{
    EXPECT_EQ(WeibullShape(0), 1.5);
    EXPECT_EQ(WeibullShape(WeibullShapeCount - 1), 8.03);
    EXPECT_EQ(WeibullShape(57), 2.07);
    // Adding 0.01 in double drifts away from the grid.
    double k = 1.5;
    for (int i = 0; i < 57; ++i) k += 0.01;
    EXPECT_NE(k, 2.07);
}

TEST(FitRanking, EqualClosenessKeepsTypeOrder)
{
    std::array<RankedFit, DistributionTypeCount> ranked;
    for (int t = 0; t < DistributionTypeCount; ++t) ranked[static_cast<size_t>(t)] = {t, 0, ""};
    ranked[2].closeness = 0.5;
    ranked[7].closeness = 0.5;
    ranked[9].closeness = 0.9;
    ranked[15].closeness = 0.5;
    RankByCloseness(ranked);
    const int expected[] = {9, 2, 7, 15, 0, 1, 3, 4};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(ranked[i].type, expected[i]) << i;
}

TEST(FitRanking, MirrorRule)
{
    // Weight on the left half: the median lies below the middle of 0..10.
    const double leftHeavy[] = {0.5, 0.3, 0.1, 0.05, 0.05};
    EXPECT_TRUE(MirrorWhenOpposite(leftHeavy, 5, 0, 10, 7));
    EXPECT_FALSE(MirrorWhenOpposite(leftHeavy, 5, 0, 10, 3));
    const double rightHeavy[] = {0.05, 0.05, 0.1, 0.3, 0.5};
    EXPECT_TRUE(MirrorWhenOpposite(rightHeavy, 5, 0, 10, 3));
    EXPECT_FALSE(MirrorWhenOpposite(rightHeavy, 5, 0, 10, 5));
}

}  // namespace
}  // namespace morvik
