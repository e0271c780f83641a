// The batch companion on files at the edges: counts beyond 2^53 print every digit, and a huge file is refused
// from its size.
#include <cstdint>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TestFiles.h"

using namespace morvik;
using namespace morvik::test;

TEST(CliJson, WholeNumbersBeyondTwoToThe53PrintEveryDigit)
{
    struct Case {
        uint64_t total;
        long long first;  // the other frequency makes up the Total
    };
    const Case cases[] = {
        {9223372036854775807ull, 4611686018427387904ll},
        {9210000000000000001ull, 1ll},
        {9007199254740993ull, 2ll},  // 2^53 + 1: the first whole number a double cannot hold
    };
    for (const Case& c : cases) {
        TempFolder temp;
        const long long total = static_cast<long long>(c.total);
        const std::string path =
            temp.Write("big.dis", DisText("Discrete", "0", "2", 2, total, {c.first, total - c.first}));
        CliRun run = RunCli({"show", path});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("\"frequency_sum\": " + std::to_string(c.total) + ","), std::string::npos) << run.out;
        const auto json = run.Json();
        ASSERT_TRUE(json["frequency_sum"].is_number_integer());
        EXPECT_EQ(json["frequency_sum"].get<uint64_t>(), c.total);
        // The Total is held as a double: it prints as the whole number that double is.
        const uint64_t heldTotal = static_cast<uint64_t>(static_cast<double>(c.total));
        ASSERT_TRUE(json["total"].is_number_integer()) << run.out;
        EXPECT_EQ(json["total"].get<uint64_t>(), heldTotal);
        EXPECT_EQ(json["characteristics"]["frequency_total"].get<uint64_t>(), heldTotal);
    }
}

TEST(CliHostileFiles, AHugeFileIsRefusedFromItsSize)
{
    TempFolder temp;
    const std::string histogram = temp.Write("huge.dis", "");
    std::filesystem::resize_file(histogram, 1ull << 30);
    CliRun show = RunCli({"show", histogram});
    EXPECT_EQ(show.exitCode, 2);
    EXPECT_EQ(show.err,
              "The histogram file huge.dis cannot be read: it is larger than 1 MB, far more than a "
              "histogram of 1024 intervals takes.\n");

    const std::string table = temp.Write("huge.sum", "");
    std::filesystem::resize_file(table, 1ull << 30);
    CliRun read = RunCli({"table", "--dump", table});
    EXPECT_EQ(read.exitCode, 2);
    EXPECT_EQ(read.err,
              "The table file huge.sum cannot be read: the file is larger than 4 MB, far more than any "
              "table takes.\n");
}
