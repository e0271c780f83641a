#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/CombinationTable.h"
#include "combination/SummationTable.h"
#include "combination/TaggedStream.h"

using namespace morvik;
using morvik::testing::DisText;
using morvik::testing::HistogramTree;

namespace {

class TableModelFileTest : public ::testing::Test {
protected:
    void LoadRows(ComponentTable& table, int rows)
    {
        for (int row = 1; row <= rows; ++row) {
            const std::string path = tree.Write("Histograms/Loads/r" + std::to_string(row) + ".dis",
                                                DisText("Discrete", "0", std::to_string(row + 1),
                                                        std::vector<long long>(static_cast<size_t>(row + 1), 3)));
            ASSERT_FALSE(table.LoadRow(row, path, tree.Root()));
            table.SetCell(row, TableColumn::Multiple, "1");
        }
    }
    static bool Yes(const Message&) { return true; }

    HistogramTree tree;
};

}  // namespace

TEST_F(TableModelFileTest, SavesAndOpensACombinationTable)
{
    CombinationTable saved;
    LoadRows(saved, 3);
    saved.SetCell(2, TableColumn::Note, "průřez");
    ASSERT_FALSE(saved.Compute(Yes));
    const std::string path = tree.Path("t.kom");
    ASSERT_FALSE(saved.SaveTable(path));

    CombinationTable opened;
    ASSERT_FALSE(opened.OpenTable(path));
    EXPECT_EQ(opened.Columns(), 8);
    EXPECT_EQ(opened.Rows(), 11);
    for (int row = 1; row <= 10; ++row) {
        for (int column = 0; column < 8; ++column) EXPECT_EQ(opened.Cell(row, column), saved.Cell(row, column));
        EXPECT_EQ(opened.Record(row), saved.Record(row));
    }
    EXPECT_EQ(opened.FilledRows(), 3);
    EXPECT_EQ(opened.SelectedRow(), 1);
    EXPECT_TRUE(opened.ComputeEnabled());
    ASSERT_FALSE(opened.Compute(Yes));
    EXPECT_EQ(opened.Result(), saved.Result());
}

TEST_F(TableModelFileTest, KeepsOnlyWholeRowsOfADamagedFile)
{
    SummationTable saved;
    LoadRows(saved, 3);
    const std::string bytes = TableFileBytes(saved.FileData());
    // Cut inside the probabilities of row 2: row 1 is whole, rows 2 and 3 are not.
    const size_t probabilities = bytes.size() - 2 - 11 * 1024 * 16;
    const std::string path = tree.Write("cut.sum", bytes.substr(0, probabilities + 11 * 1024 + 500));

    SummationTable opened;
    const auto message = opened.OpenTable(path);
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("cut.sum"), std::string::npos);
    EXPECT_EQ(opened.FilledRowNumbers(), std::vector<int>{1});
    EXPECT_EQ(opened.Cell(2, 1), "1");  // what was read stays
    EXPECT_EQ(opened.Cell(2, 2), "");   // but the row holds no histogram
    EXPECT_FALSE(opened.ComputeEnabled());
    EXPECT_TRUE(opened.DelRowEnabled());
}

TEST_F(TableModelFileTest, RefusesARowWhoseRecordIsNotAHistogram)
{
    CombinationTable saved;
    LoadRows(saved, 2);
    TableFileData data = saved.FileData();
    data.records[1].Bins = 5000;
    const std::string path = tree.Write("bad.kom", TableFileBytes(data));

    CombinationTable opened;
    const auto message = opened.OpenTable(path);
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("row 2"), std::string::npos);
    EXPECT_EQ(opened.FilledRowNumbers(), std::vector<int>{1});
}

TEST_F(TableModelFileTest, ReshapesToTheStoredCountsAndTranslatesOldFolders)
{
    TableFileData data;
    data.columns = 7;
    data.rows = 4;
    data.cells.assign(4, std::vector<std::string>(7));
    data.cells[0][2] = "Soubor";
    data.cells[1] = {"  1", "2", "old.dis", "0.5", "1.5", "2", "Histogramy\\Zatížení"};
    data.records.assign(10, RowHistogram{});
    data.records[0] = morvik::testing::MakeRow(0.5, 1, {0.5, 0.5}, 2);
    const std::string path = tree.Write("old.kom", TableFileBytes(data));

    CombinationTable table;
    table.SetHeading(1, "Multiple");
    ASSERT_FALSE(table.OpenTable(path));
    EXPECT_EQ(table.Columns(), 7);
    EXPECT_EQ(table.Rows(), 4);
    EXPECT_EQ(table.Cell(0, 2), "Histogram");  // the window keeps its headings
    EXPECT_EQ(table.Cell(0, 1), "Multiple");
    EXPECT_EQ(table.Cell(1, 6), "Histograms/Loads");
    EXPECT_EQ(table.Cell(4, 0), "");
    EXPECT_EQ(table.FilledRows(), 1);
    table.SelectCell(1, 7);
    EXPECT_FALSE(table.SetCell(1, 7, "note"));  // no note column in this shape

    table.Clear();
    EXPECT_EQ(table.Columns(), 8);
    EXPECT_EQ(table.Rows(), 11);
}

TEST_F(TableModelFileTest, SurvivesEveryTruncationOfASavedTable)
{
    CombinationTable saved;
    LoadRows(saved, 2);
    const std::string bytes = TableFileBytes(saved.FileData());
    for (size_t length : {size_t{0}, size_t{3}, size_t{40}, size_t{200}, bytes.size() / 2, bytes.size() - 1}) {
        CombinationTable opened;
        ASSERT_TRUE(opened.OpenTable(tree.Write("t.kom", bytes.substr(0, length)))) << length;
        for (int row : opened.FilledRowNumbers()) EXPECT_TRUE(IsUsableRowHistogram(opened.Record(row))) << length;
    }
}
