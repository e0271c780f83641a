#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "rawdata/GoodnessOfFit.h"
#include "rawdata/RawDataFile.h"

namespace morvik {
namespace {

std::string Fixture(const std::string& name) { return std::string(MORVIK_FIXTURES) + "/rawdata/" + name; }

double NormalCdf(double x, double mean, double sigma)
{
    return 0.5 * std::erfc(-(x - mean) / (sigma * std::sqrt(2.0)));
}

// The values scipy computed for the fixture (scripts/make_goodness_fixture.py).
struct Expected {
    std::map<std::string, double> values;
    std::vector<std::pair<double, double>> kolmogorov;
};

Expected ReadExpected()
{
    Expected e;
    std::ifstream in(Fixture("normal-2000.expected"));
    std::string key;
    while (in >> key) {
        double a = 0, b = 0;
        if (key == "kolmogorov") {
            in >> a >> b;
            e.kolmogorov.emplace_back(a, b);
        } else {
            in >> a;
            e.values[key] = a;
        }
    }
    return e;
}

TEST(GoodnessOfFit, KolmogorovTailAgreesWithScipy)
{
    const Expected e = ReadExpected();
    ASSERT_EQ(e.kolmogorov.size(), 7u);
    for (auto [lambda, q] : e.kolmogorov) EXPECT_NEAR(KolmogorovTail(lambda), q, 1e-12) << lambda;
    EXPECT_EQ(KolmogorovTail(0), 1);
}

TEST(GoodnessOfFit, NormalSampleAgainstAFinelyBinnedNormal)
{
    const RawDataRead read = ReadRawDataFile(Fixture("normal-2000.txt"));
    ASSERT_TRUE(read.ok());
    // The normal distribution N(10, 2) over 10 +- 7 sigma in 1024 intervals; inside an interval the CDF is
    // linear, which differs from the normal CDF by less than 1e-5.
    const int n = 1024;
    const double min = -4, max = 24, h = (max - min) / n;
    std::vector<double> prob(n);
    for (int k = 0; k < n; ++k) prob[k] = NormalCdf(min + (k + 1) * h, 10, 2) - NormalCdf(min + k * h, 10, 2);

    const GoodnessOfFit g = MeasureGoodnessOfFit(read.data.values, prob, n, min, max, false);
    const Expected e = ReadExpected();
    EXPECT_NEAR(g.ksD, e.values.at("ks_d"), 1e-5);
    EXPECT_NEAR(g.ksP, e.values.at("ks_p"), 2e-3);
    EXPECT_NEAR(g.ad, e.values.at("ad"), 2e-3);
}

TEST(GoodnessOfFit, StepsOfAPureDiscreteHistogram)
{
    // A fair die against the data 1, 1, 2, 3, 3, 3: the empirical CDF 2/6, 3/6, 6/6 against 1/6 .. 6/6.
    const std::vector<double> values = {1, 1, 2, 3, 3, 3};
    const std::vector<double> die(6, 1.0 / 6);
    const GoodnessOfFit g = MeasureGoodnessOfFit(values, die, 6, 1, 6, true);
    EXPECT_NEAR(g.ksD, 0.5, 1e-15);  // at 3: 1 against 1/2
    // A^2 by its definition with the step CDF at the data values.
    const double f[] = {1.0 / 6, 1.0 / 6, 2.0 / 6, 3.0 / 6, 3.0 / 6, 3.0 / 6};
    double s = 0;
    for (int i = 0; i < 6; ++i) s += (2 * i + 1) * (std::log(f[i]) + std::log(1 - f[5 - i]));
    EXPECT_NEAR(g.ad, -6 - s / 6, 1e-12);

    // Data exactly on the model's values with the model's shares: no distance at all, even though the model's
    // CDF jumps at each value.
    const std::vector<double> matching = {1, 2, 3, 4, 5, 6};
    EXPECT_NEAR(MeasureGoodnessOfFit(matching, die, 6, 1, 6, true).ksD, 0, 1e-15);
    // The continuous reading of the same histogram spreads each share over its interval.
    EXPECT_GT(MeasureGoodnessOfFit(matching, die, 6, 0.5, 6.5, false).ksD, 0);
}

TEST(GoodnessOfFit, ValuesOutsideTheFittedRangeStayFinite)
{
    const std::vector<double> values = {-5, 0.5, 1.5, 2.5, 9};
    const std::vector<double> flat(3, 1.0 / 3);
    const GoodnessOfFit g = MeasureGoodnessOfFit(values, flat, 3, 0, 3, false);
    EXPECT_TRUE(std::isfinite(g.ad));
    EXPECT_GT(g.ad, 10);
    EXPECT_NEAR(g.ksD, 0.4 - 1.0 / 6, 1e-12);  // at 0.5: F = 1/6 against 2/5
}

}  // namespace
}  // namespace morvik
