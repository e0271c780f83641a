#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

using test::Fixture;
using test::RunCli;

// A raw data file in a fresh temporary folder.
class RawFile {
public:
    explicit RawFile(const std::string& content)
        : folder_(std::filesystem::temp_directory_path() /
                  ("morvik-raw-" + std::to_string(getpid()) + "-" + std::to_string(counter_++)))
    {
        std::filesystem::create_directories(folder_);
        std::ofstream(Path(), std::ios::binary) << content;
    }
    ~RawFile() { std::filesystem::remove_all(folder_); }
    std::string Path() const { return (folder_ / "Raw_Data.txt").string(); }
    std::string Folder() const { return folder_.string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path folder_;
};

TEST(RawHistCommand, PrintsTheStatisticsAndTheHistogram)
{
    const std::string path = Fixture("rawdata/normal-2000.txt");
    const auto run = RunCli({"rawhist", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto json = run.Json();
    EXPECT_EQ(json["count"], 2000);
    EXPECT_NEAR(json["mean"].get<double>(), 10, 0.2);
    EXPECT_NEAR(json["std_dev"].get<double>(), 2, 0.1);
    const auto& histogram = json["histogram"];
    EXPECT_EQ(histogram["name"], "RawData_(normal-2000)");
    EXPECT_EQ(histogram["bins"], 128);
    EXPECT_EQ(histogram["total"], 2000);
    EXPECT_EQ(histogram["kind"], "Discrete");
    EXPECT_DOUBLE_EQ(histogram["characteristics"]["min"].get<double>(), json["data_min"].get<double>());
    EXPECT_NEAR(histogram["characteristics"]["max"].get<double>(), json["data_max"].get<double>(), 1e-12);
    double sum = 0;
    for (const auto& p : histogram["prob"]) sum += p.get<double>();
    EXPECT_NEAR(sum, 1, 1e-12);
}

TEST(RawHistCommand, OptionsAndTheWrittenFile)
{
    const RawFile raw("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n");
    const std::string out = raw.Folder() + "/raw.dis";
    const auto run = RunCli({"rawhist", raw.Path(), "--bins", "10", "--min", "0", "--max", "10", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto prob = run.Json()["histogram"]["prob"];
    // Boundary values go to the even interval: 0, 1 | 2, 3 | ... | 8, 9, 10.
    EXPECT_DOUBLE_EQ(prob[0].get<double>(), 2.0 / 11);
    EXPECT_DOUBLE_EQ(prob[1].get<double>(), 0);
    EXPECT_DOUBLE_EQ(prob[9].get<double>(), 1.0 / 11);
    const HistogramRead read = ReadHistogramFile(out, HistogramKind::Discrete);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.frequencySum, 11);
    EXPECT_EQ(read.histogram.Bins, 10);

    const auto pure = RunCli({"rawhist", raw.Path(), "--bins", "11", "--pure"});
    ASSERT_EQ(pure.exitCode, 0) << pure.err;
    EXPECT_EQ(pure.Json()["histogram"]["kind"], "Pure Discrete");
    EXPECT_DOUBLE_EQ(pure.Json()["histogram"]["max"].get<double>(), 10);
}

TEST(RawHistCommand, SturgesWarningGoesToStderr)
{
    const auto run = RunCli({"rawhist", Fixture("rawdata/normal-2000.txt"), "--bins", "5"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, FormatText(116, "2000") + "12   !\n");
    EXPECT_EQ(run.Json()["histogram"]["bins"], 5);
}

TEST(RawDataCommands, Refusals)
{
    const RawFile two("1\n2\n");
    const RawFile bad("1\n2\n3,5,1\n");
    const RawFile equal("4\n4\n4\n");
    const std::string good = Fixture("rawdata/normal-2000.txt");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"rawhist", "/nonexistent/raw.txt"}, FormatText(112, "/nonexistent/raw.txt")},
        {{"rawhist", two.Path()}, TextCis(213) + " !"},
        {{"fit", bad.Path()}, TextCis(118) + "\r\n\r\n\tLine 3 : 3,5,1"},
        {{"rawhist", good, "--bins", "2"}, TextCis(88) + "1024 !"},
        {{"rawhist", good, "--bins", "x"}, TextCis(114) + "x"},
        {{"fit", good, "--bins", "0"}, TextCis(115)},
        {{"rawhist", good, "--min", "100"}, "MinX >= MaxX !"},
        {{"rawhist", good, "--max", "-100"}, "MaxX <= MinX !"},
        {{"rawhist", good, "--min", "a"}, TextCis(20) + " MinX a"},
        {{"rawhist", equal.Path()}, "MaxX <= MinX !"},
        {{"fit", good, "--eps", "0"}, TextCis(97)},
        {{"fit", good, "--eps", "5"}, TextCis(98)},
    };
    for (const Case& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[1];
        EXPECT_EQ(run.err, c.err + "\n") << c.args[1];
        EXPECT_EQ(run.out, "");
    }
}

TEST(FitCommand, RanksTheAcceptedFits)
{
    const auto run = RunCli({"fit", Fixture("rawdata/normal-2000.txt"), "--bins", "32"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = run.Json();
    EXPECT_EQ(json["raw"]["type"], nullptr);
    EXPECT_EQ(json["raw"]["closeness"], 1);
    EXPECT_EQ(json["raw"]["ks_d"], nullptr);
    const auto& ranking = json["ranking"];
    ASSERT_GT(ranking.size(), 3u);
    double previous = 1;
    bool normal = false;
    for (const auto& row : ranking) {
        const double c = row["closeness"].get<double>();
        EXPECT_GT(c, 0.0001);
        EXPECT_LE(c, previous);
        previous = c;
        EXPECT_NE(row["type"], 18);
        EXPECT_NE(row["type"], 19);
        EXPECT_TRUE(row["ks_d"].is_number());
        EXPECT_TRUE(row["ad"].is_number());
        EXPECT_EQ(row["params"].get<std::string>().find(')'), std::string::npos);
        if (row["type"] == 0) {
            normal = true;
            EXPECT_EQ(row["name"], "Normal");
            EXPECT_GT(row["ks_p"].get<double>(), 0.05);
        }
    }
    EXPECT_TRUE(normal);
    EXPECT_TRUE(json["rejected"].empty());
}

TEST(FitCommand, RejectedTypesAndNoFit)
{
    // Mean 1 and s = 1: Students and Snedecorovo divide by zero, the others are ranked.
    std::string text;
    for (auto [value, count] : {std::pair{-1, 10}, {3, 10}, {0, 30}, {2, 30}, {1, 61}}) {
        for (int i = 0; i < count; ++i) text += std::to_string(value) + "\n";
    }
    const RawFile unit(text);
    const auto run = RunCli({"fit", unit.Path(), "--bins", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rejected = run.Json()["rejected"];
    ASSERT_EQ(rejected.size(), 2u);
    EXPECT_EQ(rejected[0]["type"], 12);
    EXPECT_EQ(rejected[0]["message"], TextCis(140));
    EXPECT_EQ(rejected[1]["name"], "Snedecorovo");
    EXPECT_FALSE(run.Json()["ranking"].empty());
    EXPECT_NE(run.err.find("Snedecorovo"), std::string::npos);

    std::string comb;
    for (int v = 0; v <= 100; v += 2) {
        for (int i = 0; i < 10; ++i) comb += std::to_string(v) + "\n";
    }
    const RawFile combFile(comb);
    const auto none = RunCli({"fit", combFile.Path(), "--bins", "51"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.err, TextCis(110) + "\n");
}

}  // namespace
}  // namespace morvik
