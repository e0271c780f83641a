#include <gtest/gtest.h>

#include "CliRunner.h"
#include "combination/CombinationTable.h"
#include "combination/ComponentTable.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using namespace morvik::test;

TEST(CliCombineAndSum, ResultsAndRefusals)
{
    CliRun combine = RunCli({"combine", Fixture("uniform.dis"), "-a", "2", Fixture("dice.dis")});
    ASSERT_EQ(combine.exitCode, 0) << combine.err;
    auto json = combine.Json();
    EXPECT_EQ(json["name"], "Kombinace");
    EXPECT_EQ(json["kind"], "Discrete");

    // Weights scale each row's frequencies: the result Total is the weighted sum of the Totals.
    CliRun sum = RunCli({"sum", "-w", "1", Fixture("uniform.dis"), "-w", "3", Fixture("settlement.dis")});
    ASSERT_EQ(sum.exitCode, 0) << sum.err;
    EXPECT_EQ(sum.Json()["name"], "Sumarizace");
    EXPECT_EQ(sum.Json()["total"], 130);

    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"combine", Fixture("uniform.dis")}, 2, TextCis(74, Language::English) + "\n"},
        {{"sum", Fixture("uniform.dis")}, 2, TextCis(64, Language::English) + "\n"},
        {{"combine", "-a", "0", Fixture("uniform.dis"), Fixture("uniform.dis")},
         2,
         TextCis(70, Language::English) + "\n"},
        {{"sum", "-w", "-1", Fixture("uniform.dis"), Fixture("uniform.dis")}, 2, TextCis(71, Language::English) + "\n"},
        {{"combine", Fixture("uniform.dis"), Fixture("wrong-total.dis")},
         2,
         FormatText(17, "6", Language::English) + "7\n"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0];
        EXPECT_EQ(run.err, c.err) << c.args[0];
    }
    std::vector<std::string> eleven{"combine"};
    for (int i = 0; i < 11; ++i) eleven.push_back(Fixture("uniform.dis"));
    EXPECT_EQ(RunCli(eleven).exitCode, 1);
}

TEST(CliTable, RecomputesAndDumpsASavedTable)
{
    TempFolder folder;
    CombinationTable table;
    ASSERT_FALSE(table.LoadRowFile(1, Fixture("uniform.dis")).has_value());
    ASSERT_FALSE(table.LoadRowFile(2, Fixture("settlement.dis")).has_value());
    table.SetCell(1, 1, "1");
    table.SetCell(2, 1, "-1");
    const std::string path = folder.path() + "/pair.kom";
    ASSERT_FALSE(table.SaveTable(path).has_value());

    CliRun direct = RunCli({"combine", "-a", "1", Fixture("uniform.dis"), "-a", "-1", Fixture("settlement.dis")});
    CliRun recomputed = RunCli({"table", path});
    ASSERT_EQ(recomputed.exitCode, 0) << recomputed.err;
    EXPECT_EQ(recomputed.Json()["prob"], direct.Json()["prob"]);

    CliRun dump = RunCli({"table", "--dump", path});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.Json()["filled_rows"], 2);
    EXPECT_EQ(dump.Json()["records"][0]["bins"], 10);

    const std::string damaged = folder.Write("damaged.kom", TempFolder::Read(path).substr(0, 40));
    EXPECT_EQ(RunCli({"table", damaged}).exitCode, 2);
}
