#include <gtest/gtest.h>

#include "CliRunner.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using namespace morvik::test;

TEST(CliGenerate, PrintsTheGeneratedHistogramWithItsOuterEdges)
{
    CliRun run = RunCli({"generate", "18", "0", "20", "--bins", "256"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto json = run.Json();
    EXPECT_EQ(json["name"], "ParRoz_Uniform");
    EXPECT_EQ(json["kind"], "Discrete");
    EXPECT_EQ(json["bins"], 256);
    EXPECT_EQ(json["prob"].size(), 256u);
    EXPECT_EQ(json["prob"][0], 1.0 / 256);
    EXPECT_EQ(json["total"], 256);
    EXPECT_EQ(json["characteristics"]["frequency_total"], 256);
    EXPECT_DOUBLE_EQ(json["characteristics"]["mean"].get<double>(), 10);
    EXPECT_EQ(json["outer_min"], 0);
    EXPECT_EQ(json["outer_max"], 20);
    EXPECT_EQ(json["min"], 0.078125 / 2);
}

TEST(CliGenerate, LeftOutParametersTakeTheDefaultTextsOfTheType)
{
    // Uniform defaults to 0 .. 20; every other type to 10, 1, 1.1, 1.9.
    auto uniform = RunCli({"generate", "uniform"}).Json();
    EXPECT_EQ(uniform["bins"], 128);
    EXPECT_EQ(uniform["outer_max"], 20);
    auto normal = RunCli({"generate", "Normal", "--bins", "64"}).Json();
    EXPECT_NEAR(normal["outer_min"].get<double>(), 4.32, 1e-9);
    EXPECT_NEAR(normal["outer_max"].get<double>(), 15.68, 1e-9);
    auto shifted = RunCli({"generate", "0", "20"}).Json();
    EXPECT_NEAR(shifted["outer_max"].get<double>(), 25.68, 1e-9);
}

TEST(CliGenerate, PureDiscreteAndTheHistogramFile)
{
    TempFolder folder;
    const std::string path = folder.path() + "/tri.dis";
    CliRun run = RunCli({"generate", "Triangular", "0", "10", "5", "--bins", "10", "--pure", "-o", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto json = run.Json();
    EXPECT_EQ(json["kind"], "Pure Discrete");
    EXPECT_EQ(json["min"], 0);
    EXPECT_EQ(json["max"], 10);
    HistogramRead read = ReadHistogramFile(path, HistogramKind::Discrete);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(read.histogram.Bins, 10);
    EXPECT_DOUBLE_EQ(read.histogram.Max, 10);
}

TEST(CliGenerate, EpsBoundsAreAccepted)
{
    EXPECT_EQ(RunCli({"generate", "Uniform", "--eps", "1E-8"}).exitCode, 0);
    EXPECT_EQ(RunCli({"generate", "Uniform", "--eps", "1"}).exitCode, 0);
    EXPECT_EQ(RunCli({"generate", "Uniform", "--bins", "3"}).exitCode, 0);
    EXPECT_EQ(RunCli({"generate", "Uniform", "--bins", "1024"}).exitCode, 0);
}

TEST(CliGenerate, RefusalsAndUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"generate", "0", "--bins", "2"}, 2, TextCis(88, Language::English) + "1024 !\n"},
        {{"generate", "0", "--bins", "1025"}, 2, TextCis(88, Language::English) + "1024 !\n"},
        {{"generate", "0", "--bins", "12.5"}, 2, TextCis(88, Language::English) + "1024 !\n"},
        {{"generate", "0", "--eps", "1,5"}, 2, TextCis(99, Language::English) + " Eps : 1,5\n"},
        {{"generate", "0", "--eps", "0"}, 2, TextCis(97, Language::English) + "\n"},
        {{"generate", "0", "--eps", "2"}, 2, TextCis(98, Language::English) + "\n"},
        {{"generate", "0", "--eps", "1E-9"}, 2, TextCis(98, Language::English) + "\n"},
        {{"generate", "Uniform", "5", "5"}, 2, TextCis(505, Language::English) + " a < b !\n"},
        {{"generate", "Normal", "1E18"}, 2, TextCis(507, Language::English) + "\n"},
        {{"generate", "Normal", "--eps", "1"}, 2, TextCis(507, Language::English) + "\n"},
        {{"generate", "Uniform", "0", "1E-320"},
         2,
         TextCis(139, Language::English) + "Uniform\r\n\r\n       " + TextCis(141, Language::English) + "\n"},
        {{"generate", "Foo"}, 1, ""},
        {{"generate", "24"}, 1, ""},
        {{"generate"}, 1, ""},
        {{"generate", "0", "1", "2", "3", "4", "5"}, 1, ""},
        {{"generate", "0", "--bins"}, 1, ""},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back();
        if (!c.err.empty()) { EXPECT_EQ(run.err, c.err) << c.args.back(); }
        EXPECT_EQ(run.out, "") << c.args.back();
    }
}

TEST(CliGenerate, NamesFollowTheLanguage)
{
    auto json = RunCli({"--lang", "cs", "generate", "Exponencials"}).Json();
    EXPECT_EQ(json["name"], "ParRoz_Exponenci\xC3\xA1ln\xC3\xAD");
}
