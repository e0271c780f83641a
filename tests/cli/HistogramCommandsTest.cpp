#include <cstdio>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "histogram/HistogramFile.h"
#include "histogram/MainModel.h"
#include "localization/TextCis.h"
#include "shell/DataFolder.h"
#include "support/TestFiles.h"

using namespace morvik;
using namespace morvik::test;

TEST(CliShow, PrintsTheResultHistogramAndItsCharacteristics)
{
    CliRun run = RunCli({"show", Fixture("settlement.dis")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto json = run.Json();
    EXPECT_EQ(json["name"], "settlement");
    EXPECT_EQ(json["kind"], "Discrete");
    EXPECT_EQ(json["bins"], 6);  // empty end intervals trimmed
    EXPECT_DOUBLE_EQ(json["min"].get<double>(), -1.5);
    EXPECT_DOUBLE_EQ(json["characteristics"]["min"].get<double>(), -2);
    EXPECT_DOUBLE_EQ(json["characteristics"]["max"].get<double>(), 4);
    EXPECT_EQ(json["frequency_sum"], 40);
    EXPECT_EQ(json["prob"].size(), 6u);

    auto dice = RunCli({"show", Fixture("dice.dis"), "--multiple", "-2"}).Json();
    EXPECT_EQ(dice["kind"], "Pure Discrete");  // no Type= line: a fresh run takes Pure Discrete
    EXPECT_DOUBLE_EQ(dice["min"].get<double>(), -12);
    EXPECT_TRUE(dice["characteristics"]["skewness"].is_number());
}

TEST(CliShow, RefusalsExitWithTheDialogText)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"show", Fixture("wrong-total.dis")}, 2, FormatText(17, "6", Language::English) + "7\n"},
        {{"--lang", "cs", "show", Fixture("wrong-total.dis")}, 2, FormatText(17, "6", Language::Czech) + "7\n"},
        {{"show", Fixture("dice.dis"), "--multiple", "1.5"}, 2, TextCis(130, Language::English) + "\n"},
        {{"show", Fixture("uniform.dis"), "--multiple", "0"}, 2, TextCis(23, Language::English) + "\n"},
        {{"show", Fixture("uniform.dis"), "--multiple", "0.00001"}, 2, TextCis(24, Language::English) + "\n"},
        {{"show", "/no/such.dis"}, 2, FormatText(9, "/no/such.dis", Language::English) + "\n"},
        {{"query", Fixture("uniform.dis"), "--x", "abc"}, 2, TextCis(20, Language::English) + "abc\n"},
        {{"show"}, 1, ""},
        {{"show", Fixture("uniform.dis"), "--multiple"}, 1, ""},
        {{"frobnicate"}, 1, ""},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back();
        if (!c.err.empty()) { EXPECT_EQ(run.err, c.err) << c.args.back(); }
        if (c.exitCode != 0) { EXPECT_EQ(run.out, ""); }
    }
}

TEST(CliQuery, ValueAndQuantile)
{
    auto value = RunCli({"query", Fixture("uniform.dis"), "--x", "3.25"}).Json();
    EXPECT_NEAR(value["F"].get<double>(), 0.325, 1e-12);
    EXPECT_NEAR(value["f"].get<double>(), 0.1, 1e-12);
    EXPECT_EQ(RunCli({"query", Fixture("dice.dis"), "--p", "0.5"}).Json()["Qp"], 3);
    EXPECT_EQ(RunCli({"query", Fixture("uniform.dis"), "--x", "0"}).Json()["out_of_range"], true);
    EXPECT_EQ(RunCli({"query", Fixture("uniform.dis"), "--p", "1.2"}).Json()["out_of_range"], true);
}

TEST(CliQuery, AgreesWithTheMainWindowOnEveryIntervalEdge)
{
    // WindLoad: edges -0.6, -0.5875, ..., 1 (width 0.0125), typed as their decimal texts. An edge belongs to
    // the interval below it; the lower end is outside, the upper end gives F = 1.
    const std::string path = ExamplesFolder(SourceDataFolder()) + "/Loads/WindLoad.dis";
    MainModel window;
    ASSERT_FALSE(window.OpenHistogramFile(path));
    const Histogram& h = window.ResultHistogram;
    ASSERT_EQ(h.Bins, 128);
    double below = 0;  // p(1) + ... + p(i)
    for (int i = 0; i <= h.Bins; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", (-6000 + 125 * i) / 10000.0);
        SCOPED_TRACE(text);
        const MainModel::ValueAnswer answer = window.AskValue(text);
        const nlohmann::json cli = RunCli({"query", path, "--x", text}).Json();
        if (i == 0) {
            EXPECT_FALSE(answer.result.inRange);
            EXPECT_EQ(cli["out_of_range"], true);
            continue;
        }
        below += h.Prob[i - 1];
        ASSERT_TRUE(answer.result.inRange);
        EXPECT_EQ(answer.result.f, h.Prob[i - 1]);
        EXPECT_NEAR(answer.result.F, below, 1e-12);
        EXPECT_EQ(cli["f"].get<double>(), answer.result.f);
        EXPECT_EQ(cli["F"].get<double>(), answer.result.F);
    }
}

TEST(CliFiles, SaveAbsAndReportWriteFiles)
{
    TempFolder folder;
    const std::string saved = folder.path() + "/scaled.dis";
    ASSERT_EQ(RunCli({"save", Fixture("uniform.dis"), "--multiple", "2", "-o", saved}).exitCode, 0);
    HistogramRead read = ReadHistogramFile(saved, HistogramKind::PureDiscrete);
    ASSERT_TRUE(read.ok());
    EXPECT_DOUBLE_EQ(read.histogram.Max, 19);

    const std::string absolute = folder.path() + "/abs.dis";
    CliRun abs = RunCli({"abs", Fixture("settlement.dis"), "-o", absolute});
    ASSERT_EQ(abs.exitCode, 0) << abs.err;
    EXPECT_DOUBLE_EQ(abs.Json()["characteristics"]["min"].get<double>(), 0);
    EXPECT_TRUE(ReadHistogramFile(absolute, HistogramKind::PureDiscrete).ok());

    const std::string report = folder.path() + "/report.txt";
    ASSERT_EQ(RunCli({"report", Fixture("uniform.dis"), "-o", report}).exitCode, 0);
    const std::string text = TempFolder::Read(report);
    EXPECT_EQ(text.substr(0, 53), "   R E S U L T I N G   P R O B A B I L I T I E S   \r\n");
    EXPECT_NE(text.find("Histogram A : uniform\r\n"), std::string::npos);

    CliRun failed = RunCli({"save", Fixture("uniform.dis"), "-o", folder.path() + "/missing/x.dis"});
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_EQ(failed.err, FormatText(22, "x.dis", Language::English) + "\n");
}

TEST(CliHelp, HelpListsTheCommands)
{
    CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("show FILE.dis"), std::string::npos);
}
