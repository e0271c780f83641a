// Generations recorded bit for bit, so that faster range searches are held to the very same step points.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "parametric/ParametricGenerator.h"

namespace morvik {
namespace {

// What a generation came to: the range, the total and a fingerprint of every probability's bits.
struct Recorded {
    bool ok = false;
    bool refused = false;
    int fault = -1;  // FloatFault, or -1
    double min = 0, max = 0, total = 0;
    uint64_t fingerprint = 0;
};

struct RecordedCase {
    int type;
    ParameterTexts texts;  // all empty: the type's default texts
    double eps;
    int bins;
    std::optional<FitInputs> fit;
    Recorded expected;
};

uint64_t Fingerprint(const Histogram& h)
{
    uint64_t hash = 1469598103934665603ULL;
    for (int i = 0; i < h.Bins; ++i) {
        uint64_t bits = 0;
        std::memcpy(&bits, &h.Prob[static_cast<size_t>(i)], sizeof bits);
        hash = (hash ^ bits) * 1099511628211ULL;
    }
    return hash;
}

Recorded Generate(const RecordedCase& c)
{
    ParametricGenerator generator;
    if (c.texts[0].empty()) generator.SetResetPending(true);
    else generator.SetTexts(c.texts);
    const GenerationOutcome outcome = generator.VypParaRoz({c.type, c.eps, c.bins, HistogramKind::Discrete, c.fit});
    Recorded r;
    r.ok = outcome.GenerationOk;
    r.refused = outcome.refusal.has_value();
    r.fault = outcome.fault ? static_cast<int>(*outcome.fault) : -1;
    if (outcome.result) {
        r.min = outcome.result->outerMin;
        r.max = outcome.result->outerMax;
        r.total = outcome.result->histogram.Total;
        r.fingerprint = Fingerprint(outcome.result->histogram);
    }
    return r;
}

// The record as it is written in the table below.
std::string RecordText(const Recorded& r)
{
    char text[200];
    std::snprintf(text, sizeof text, "{%s, %s, %d, %a, %a, %a, 0x%016" PRIx64 "ULL}", r.ok ? "true" : "false",
                  r.refused ? "true" : "false", r.fault, r.min, r.max, r.total, r.fingerprint);
    return text;
}

FitInputs RawData(double mean, double stdDev, double xMin, double xMax)
{
    FitInputs fit;
    fit.mean = mean;
    fit.stdDev = stdDev;
    fit.skewness = 0.5;
    fit.xMin = xMin;
    fit.xMax = xMax;
    fit.median = (xMin + xMax) / 2;
    fit.mode = xMin + (xMax - xMin) / 3;
    fit.weibullShape = 2;
    return fit;
}

const ParameterTexts Defaults = {"", "", "", ""};

TEST(RecordedGenerations, EveryTypeAndTypicalParametersGiveTheirRecordedOutcome)
{
    // clang-format off
    const RecordedCase cases[] = {
        // Every type at its default texts, 1024 intervals.
        {NormalType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.147ae147ae148p+2, 0x1.f5c28f5c28f5cp+3, 0x1.087218a155459p+31, 0x1c391fbd773f7851ULL}},
        {LogNormal2PType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.65c28f5c28f5cp+2, 0x1.15eb851eb851fp+4, 0x1.0664a622bf7b5p+31, 0xc1ece19f25eb48c9ULL}},
        {GumbelIType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.cd0e560418937p+2, 0x1.70189374bc6a6p+4, 0x1.74db54d88f1e5p+30, 0x677bfce3205facc3ULL}},
        {GumbelIIType, Defaults, 1e-7, 1024, {},
         {true, false, -1, -0x1.80c49ba5e354p+1, 0x1.9978d4fdf3b64p+3, 0x1.74db54d88f228p+30, 0xaf115e6e70c1783bULL}},
        {RaisedCosineType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.2p+3, 0x1.6p+3, 0x1.9f030b77826ecp+27, 0xdfc6a1ded6639e45ULL}},
        {CauchyType, Defaults, 1e-7, 1024, {},
         {true, false, -1, -0x1.ef00000000007p+9, 0x1.f900000000008p+9, 0x1.697adf9c1537dp+20, 0x9a516af8d6e08850ULL}},
        {FisherTippettType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.bfdf3b645a1cbp+2, 0x1.b1e76c8b43955p+4, 0x1.46e5a08f212e8p+30, 0x246aafe7f060f2ffULL}},
        {LaplaceType, Defaults, 1e-7, 1024, {},
         {true, false, -1, -0x1.879db22d0e561p+2, 0x1.a1e76c8b43956p+4, 0x1.2a72fe353e592p+29, 0x3384e1fe6de6765dULL}},
        {LogisticType, Defaults, 1e-7, 1024, {},
         {true, false, -1, -0x1.e051eb851eb86p+2, 0x1.b8147ae147adfp+4, 0x1.1260ac6bc743dp+30, 0xd4eb1fe604d48325ULL}},
        {WeibullType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.62b163ddf94f9p+0, 0x1.146ca60565c6fp+61, 0xcdb1002bfe1a45a3ULL}},
        {RayleighType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.fd70a3d70a3d6p+5, 0x1.d7d590cc46813p+33, 0xaa6fc3c185693d42ULL}},
        {LevyType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.a75a91111128ap+15, 0x1.0ae01aaee71aep+17, 0x14b18b9b61c652eaULL}},
        {StudentType, Defaults, 1e-7, 1024, {},
         {true, false, -1, -0x1.acccccccccccdp+3, 0x1.acccccccccccdp+3, 0x1.ede9b46c260d9p+29, 0x5252e42c502e7df7ULL}},
        {BetaInZeroType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1p+0, 0x1.684e20524f9cp+62, 0xc5d2a1af3a2e8a29ULL}},
        {BetaUniversalType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.3bc6a7ef9db23p+0, 0x1.e666666666666p+0, 0x1.1dafe39281e41p+30, 0xe72de2635aed33b6ULL}},
        {GamaType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.916872b020c43p-3, 0x1.905e353f7ced9p+5, 0x1.251b4edee842p+44, 0x523efa23fe6d3551ULL}},
        {SnedecorType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.828a28f5c287ep+14, 0x1.249c8d29b099cp+17, 0x2d757d011b17ea23ULL}},
        {ParetoType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.4p+3, 0x1.ee1acccccccb7p+14, 0x1.1916b3b541614p+21, 0x1eec436191332dabULL}},
        {UniformType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.4p+4, 0x1p+10, 0xc866259ce7a13383ULL}},
        {TriangularType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.4p+4, 0x1.8p+19, 0xe1f1b144897a87b5ULL}},
        {ExponentialType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.4p+3, 0x1.56p+7, 0x1.27819a13b041fp+29, 0x8f921b6ac884e7bcULL}},
        {ChiSquareType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.9266666666666p+5, 0x1.4416caa6d01afp+35, 0x1292f571cbfef12aULL}},
        {HalfLogisticType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.4p+3, 0x1.c666666666666p+4, 0x1.41ff81f2320afp+32, 0x608dea3b1d39fe69ULL}},
        {LogNormal3PType, Defaults, 1e-7, 1024, {},
         {true, false, -1, 0x1.df5c28f5c28f6p+2, 0x1.7e66666666666p+4, 0x1.8a35c144dc902p+30, 0x3adebc8d3bd5fd8dULL}},
        // Typical parameters, other cut-offs and interval counts.
        {NormalType, {"-3", "0.5", "1.1", "1.9"}, 1e-5, 200, {},
         {true, false, -1, -0x1.599999999999ap+2, -0x1.3333333333333p-1, 0x1.1e26960fffd34p+22, 0x029e8fa9a17cd28eULL}},
        {LogNormal2PType, {"10", "3", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x1.a147ae147ae14p+0, 0x1.763d70a3d70a4p+5, 0x1.86ac3ef8952a5p+28, 0x4436ae883df3c189ULL}},
        {GumbelIType, {"0", "2", "1.1", "1.9"}, 1e-6, 128, {},
         {true, false, -1, -0x1.59374bc6a7efap+2, 0x1.66b851eb851ecp+4, 0x1.3efc126a2e728p+24, 0x279a7d5fa1d909b3ULL}},
        {GumbelIIType, {"5", "0.5", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, -0x1.80c49ba5e354p+0, 0x1.9978d4fdf3b64p+2, 0x1.69f33ea12de45p+28, 0x96b22ac0f29e920aULL}},
        {CauchyType, {"0", "2", "1.1", "1.9"}, 1e-7, 512, {},
         {true, false, -1, -0x1.f400000000007p+10, 0x1.f400000000007p+10, 0x1.046d31257cbb6p+19, 0xc47e6ce9a14e11d7ULL}},
        {CauchyType, {"5", "0.3", "1.1", "1.9"}, 1e-4, 100, {},
         {true, false, -1, -0x1.1edab9f559b3bp+2, 0x1.cf6d5cfaacd9dp+3, 0x1.2a4712319797fp+12, 0x18feba329acf9cdaULL}},
        {FisherTippettType, {"1", "3", "1.1", "1.9"}, 1e-8, 64, {},
         {true, false, -1, -0x1.0b22d0e560419p+3, 0x1.da1a9fbe76c8ap+5, 0x1.34c28135b2253p+29, 0x0be0086a091dd53eULL}},
        {LaplaceType, {"0", "3", "1.1", "1.9"}, 1e-9, 256, {},
         {true, false, -1, -0x1.f1604189374bbp+5, 0x1.f1604189374bbp+5, 0x1.5364bfeecae32p+33, 0xc85d340ef6163433ULL}},
        {LogisticType, {"-2", "0.5", "1.1", "1.9"}, 1e-7, 300, {},
         {true, false, -1, -0x1.58147ae147aep+3, 0x1.b028f5c28f5c3p+2, 0x1.348a86fb12844p+28, 0xe3e043ef626ad170ULL}},
        {WeibullType, {"2", "5", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.719bc970e1ec8p+4, 0x1.32eb59c0aebf1p+33, 0x9095af058b912c13ULL}},
        {WeibullType, {"0.8", "1", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.4d2bd9018e757p+5, 0x1.5afcfcc1076ap+32, 0x1fc564e00cdacec3ULL}},
        {WeibullType, {"3", "0.5", "1.1", "1.9"}, 1e-6, 100, {},
         {true, false, -1, 0x0p+0, 0x1.68442c34005e9p+0, 0x1.373c61aef4468p+32, 0x398891badd890eb0ULL}},
        {RayleighType, {"2", "1", "1.1", "1.9"}, 1e-7, 128, {},
         {true, false, -1, 0x0p+0, 0x1.a7ced916872bp+3, 0x1.e9e7cf4fb0baep+32, 0xfa0a70b7a36c7045ULL}},
        {LevyType, {"1", "1", "1.1", "1.9"}, 1e-5, 512, {},
         {true, false, -1, 0x0p+0, 0x1.23cd867c3ece7p+10, 0x1.42023ce937af8p+15, 0x6e73663f269a6a4bULL}},
        {LevyType, {"0.2", "1", "1.1", "1.9"}, 1e-6, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.8c245c4be975p+11, 0x1.20f5129cbd8c1p+17, 0xa3a4e278a275497aULL}},
        {LevyType, {"50", "1", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.69eb6aaaaaa6ep+16, 0x1.0f0e464dc7ab7p+14, 0x714f7d8cb9bcee77ULL}},
        {StudentType, {"3", "1", "1.1", "1.9"}, 1e-7, 128, {},
         {true, false, -1, -0x1.859999999999ap+6, 0x1.859999999999ap+6, 0x1.05263287ed8a3p+24, 0x359d63017d2f1707ULL}},
        {StudentType, {"0.5", "1", "1.1", "1.9"}, 1e-7, 1024, {},
         {true, false, -1, -0x1.0069ffffffff5p+15, 0x1.0069ffffffff5p+15, 0x1.a79b0ba40c4bcp+16, 0x5a44162a131d2b4bULL}},
        {BetaInZeroType, {"2", "5", "1.1", "1.9"}, 1e-7, 128, {},
         {true, false, -1, 0x0p+0, 0x1.fb645a1cac083p-1, 0x1.2f239dd583f2bp+27, 0x70839a56e1d1e909ULL}},
        {BetaUniversalType, {"2", "3", "0", "10"}, 1e-7, 128, {},
         {true, false, -1, 0x0p+0, 0x1.3ff559b3d07c8p+3, 0x1.4120b78089378p+19, 0x526a643bd29521edULL}},
        {GamaType, {"2", "3", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, -0x1.0fdp-57, 0x1.672f1a9fbe76dp+6, 0x1.3a0ac766e618bp+41, 0x4f8ee5f16b7f41d2ULL}},
        {GamaType, {"5", "0.5", "1.1", "1.9"}, 1e-7, 1024, {},
         {true, false, -1, 0x1.0624dd2f1a8b7p-11, 0x1.3f20c49ba5e34p+4, 0x1.6f2bbf168434bp+45, 0x8dc02ccd6b63130eULL}},
        {GamaType, {"1", "2", "1.1", "1.9"}, 1e-7, 64, {},
         {true, false, -1, -0x1.0624dd2f1a9fcp-9, 0x1.af020c49ba5e1p+5, 0x1.bd5f982551171p+39, 0x694ec6678140d61aULL}},
        {GamaType, {"30", "1", "1.1", "1.9"}, 1e-6, 512, {},
         {true, false, -1, 0x1.7f6c8b439581dp+2, 0x1.472c083126e9ap+6, 0x1.2bded47ece7adp+39, 0xcdc6e0a0a9c03982ULL}},
        {SnedecorType, {"5", "10", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.8851eb851eb85p+5, 0x1.8b3c90800c48ap+25, 0x37651fbb692d9793ULL}},
        {SnedecorType, {"1", "1", "1.1", "1.9"}, 1e-7, 1024, {},
         {true, false, -1, 0x0p+0, 0x1.5218999999934p+14, 0x1.1c1b5a504936cp+17, 0x39650fc32caf2cb3ULL}},
        {SnedecorType, {"20", "3", "1.1", "1.9"}, 1e-6, 512, {},
         {true, false, -1, 0x0p+0, 0x1.5475c28f5c29p+8, 0x1.832cc3074260dp+20, 0xe1cf70f6e8a259eaULL}},
        {ParetoType, {"1", "3", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x1p+0, 0x1.c1ddddddddddep+5, 0x1.c95fda35d6001p+23, 0xd1124b98fcc2ea86ULL}},
        {ParetoType, {"0.5", "2", "1.1", "1.9"}, 1e-7, 1024, {},
         {true, false, -1, 0x1p-1, 0x1.aeccccccccccdp+6, 0x1.67bdf182eab21p+24, 0x33640d46df9dc1f3ULL}},
        {ParetoType, {"2", "0.5", "1.1", "1.9"}, 1e-5, 512, {},
         {true, false, -1, 0x1p+1, 0x1.0d4cccccccccfp+12, 0x1.26676692397dfp+15, 0x967ce7eea50c61b9ULL}},
        {ExponentialType, {"2", "1", "1.1", "1.9"}, 1e-7, 128, {},
         {true, false, -1, 0x1p+1, 0x1.119999999999ap+5, 0x1.1780afec87d55p+26, 0x38f982ed7bf09313ULL}},
        {ChiSquareType, {"3", "1", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.0f70a3d70a3d7p+5, 0x1.180fcd37c0ed2p+26, 0xf96d6a48c8600e5fULL}},
        {ChiSquareType, {"1", "1", "1.1", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x0p+0, 0x1.b19999999999ap+4, 0x1.431fcc3594a83p+26, 0x6e86a59fb9d52d11ULL}},
        {ChiSquareType, {"30", "1", "1.1", "1.9"}, 1e-7, 512, {},
         {true, false, -1, 0x0p+0, 0x1.56b851eb851ebp+6, 0x1.df73b2e3b257fp+60, 0xc3f0bba5b2d847feULL}},
        {HalfLogisticType, {"-1", "1", "1.1", "1.9"}, 1e-7, 128, {},
         {true, false, -1, -0x1p+0, 0x1.4p+4, 0x1.dae7e1b3a40adp+30, 0x3750ff100c0c9890ULL}},
        {LogNormal3PType, {"10", "1", "-0.5", "1.9"}, 1e-7, 256, {},
         {true, false, -1, 0x1.47ae147ae147ap+0, 0x1.b8a3d70a3d70ap+3, 0x1.cf659b839c8d2p+28, 0x368efd3f41f53cc5ULL}},
        {LogNormal3PType, {"0", "2", "2", "1.9"}, 1e-6, 512, {},
         {false, true, -1, 0x0p+0, 0x0p+0, 0x0p+0, 0x0000000000000000ULL}},
        // A step that no longer moves x is refused.
        {CauchyType, {"1e20", "1", "1.1", "1.9"}, 1e-7, 128, {},
         {false, true, -1, 0x0p+0, 0x0p+0, 0x0p+0, 0x0000000000000000ULL}},
        // The raw-data fit: estimated parameters, the data's range, climbing to the Weibull mode.
        {NormalType, Defaults, 1e-7, 64, RawData(10, 3, 2, 20),
         {true, false, -1, -0x1.c28f5c28f5c29p+2, 0x1.b0a3d70a3d70ap+4, 0x1.4aff7a824859dp+26, 0xfa4607e36cbed5b6ULL}},
        {WeibullType, Defaults, 1e-7, 64, RawData(10, 3, 2, 20),
         {true, false, -1, 0x0p+0, 0x1.98d593d9e7119p+5, 0x1.b9335ced9d01cp+29, 0xc56acfbce3e2690fULL}},
        {RayleighType, Defaults, 1e-7, 64, RawData(10, 3, 2, 20),
         {true, false, -1, 0x0p+0, 0x1.3ad4fdf3b645ap+4, 0x1.190eac12465d7p+31, 0x8d81eed34a9707b6ULL}},
        {GamaType, Defaults, 1e-7, 64, RawData(10, 3, 2, 20),
         {true, false, -1, 0x1.17589efd86a8bp-2, 0x1.79460a201472bp+5, 0x1.c9ee4390be8e7p+39, 0x613b11b8d7d266d3ULL}},
        {ChiSquareType, Defaults, 1e-7, 64, RawData(10, 3, 2, 20),
         {true, false, -1, 0x0p+0, 0x1.9266666666666p+5, 0x1.4a685cee82cdap+23, 0x132f8a012219c2daULL}},
        {FisherTippettType, Defaults, 1e-7, 64, RawData(10, 3, 2, 40),
         {true, false, -1, 0x1p+1, 0x1.9057d25db05f4p+5, 0x1.6b97b159aed8cp+34, 0x2b7445abf6c37273ULL}},
    };
    // clang-format on
    for (const RecordedCase& c : cases) {
        const Recorded actual = Generate(c);
        const Recorded& e = c.expected;
        const bool same = actual.ok == e.ok && actual.refused == e.refused && actual.fault == e.fault &&
                          actual.min == e.min && actual.max == e.max && actual.total == e.total &&
                          actual.fingerprint == e.fingerprint;
        EXPECT_TRUE(same) << TypeListText(c.type) << " " << c.texts[0] << " " << c.texts[1] << " eps " << c.eps
                          << "\n  expected " << RecordText(e) << "\n  actual   " << RecordText(actual);
    }
}

}  // namespace
}  // namespace morvik
