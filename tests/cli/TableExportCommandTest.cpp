#include <gtest/gtest.h>

#include "CliRunner.h"
#include "localization/TextCis.h"
#include "support/TempFolder.h"
#include "support/XlsxCells.h"

using namespace morvik;
using namespace morvik::test;

TEST(CliTableExport, WritesTheWorkbookOfTheResultHistogram)
{
    TempFolder folder;
    const std::string out = folder / "settlement.xlsx";
    CliRun run = RunCli({"table-export", Fixture("settlement.dis"), "--multiple", "2", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.Json()["written"], out);
    auto cells = xlsx::ReadCells(out);
    EXPECT_EQ(cells["A1"].text, "Histogram : settlement");
    // Twice the settlement histogram: its outer edges -4 and 8 (empty end intervals trimmed), 6 intervals.
    EXPECT_EQ(cells["B3"].number, -4);
    EXPECT_EQ(cells["B4"].number, 8);
    EXPECT_EQ(cells["B5"].number, 6);
    EXPECT_EQ(cells["B17"].number, -4);  // the lower edge row
    EXPECT_EQ(cells["A18"].number, 1);
    EXPECT_EQ(cells["B18"].number, -3);  // the first midpoint
    EXPECT_EQ(cells["B30"].text, TextCis(49, Language::English));
    EXPECT_DOUBLE_EQ(cells["C30"].number, 1.0);
}

TEST(CliTableExport, RefusalsAndUsage)
{
    TempFolder folder;
    const std::string out = folder / "x.xlsx";
    CliRun refused = RunCli({"table-export", Fixture("wrong-total.dis"), "-o", out});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, FormatText(17, "6", Language::English) + "7\n");
    EXPECT_EQ(refused.out, "");
    CliRun unwritable = RunCli({"table-export", Fixture("dice.dis"), "-o", folder / "none/x.xlsx"});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_EQ(unwritable.err, FormatText(22, "x.xlsx", Language::English) + "\n");
    EXPECT_EQ(RunCli({"table-export", Fixture("dice.dis")}).exitCode, 1);
    EXPECT_EQ(RunCli({"table-export", "-o", out}).exitCode, 1);
}
