#include <vector>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/SummationTable.h"
#include "localization/TextCis.h"

using namespace morvik;
using morvik::testing::DisText;
using morvik::testing::HistogramTree;

namespace {

class SummationTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetLanguage(Language::English);
        for (int row = 1; row <= 3; ++row) {
            const std::string path = tree.Write("Histograms/Tests/h" + std::to_string(row) + ".dis",
                                                DisText("Discrete", "0", "4", {1, 2, 3, 4}));
            ASSERT_FALSE(table.LoadRow(row, path, tree.Root()));
        }
    }
    AskYesNoFn Answer(bool yes)
    {
        return [this, yes](const Message& question) {
            asked.push_back(question.text);
            return yes;
        };
    }
    void Fill(int row, const std::string& multiple, const std::string& weight)
    {
        table.SetCell(row, TableColumn::Multiple, multiple);
        table.SetCell(row, TableColumn::Weight, weight);
    }

    HistogramTree tree;
    SummationTable table;
    std::vector<std::string> asked;
};

}  // namespace

TEST_F(SummationTableTest, ChecksFormatsThenOffersMissingValuesThenRefusesZeros)
{
    Fill(1, "1", "1");
    Fill(2, "1", "w");
    Fill(3, "0", "");
    EXPECT_EQ(table.Compute(Answer(true))->text, TextCis(99) + table.RowText(2));
    EXPECT_NE(table.RowText(2).find("  |  w  |  "), std::string::npos);  // the weight column is in the row text

    Fill(2, "", "0.0");
    EXPECT_FALSE(table.Compute(Answer(false)));  // No to the missing multiple stops at once
    EXPECT_EQ(asked, std::vector<std::string>{TextCis(69)});
    EXPECT_EQ(table.Cell(2, 1), "");

    asked.clear();
    EXPECT_EQ(table.Compute(Answer(true))->text, TextCis(70));
    EXPECT_EQ(asked, (std::vector<std::string>{TextCis(69), TextCis(65)}));
    EXPECT_EQ(table.Cell(2, 1), "1.0");
    EXPECT_EQ(table.Cell(3, 8), "1.0");
    EXPECT_EQ(table.Cell(3, 1), "");  // the zero multiple is emptied

    table.SetCell(3, 1, "-1");
    EXPECT_EQ(table.Compute(Answer(true))->text, TextCis(71));
    EXPECT_EQ(table.Cell(2, 8), "");  // the weight "0.0" is emptied
    EXPECT_FALSE(table.SummationDone());
}

TEST_F(SummationTableTest, ComputesTheWeightedMixture)
{
    Fill(1, "1", "1");
    Fill(2, "1", "3");
    Fill(3, "1", "0.5E1");
    table.SelectCell(9, 1);  // the selection does not matter
    ASSERT_FALSE(table.Compute(Answer(true)));
    ASSERT_TRUE(table.SummationDone());
    const Histogram& h = table.Result();
    EXPECT_EQ(h.Bins, 4);
    EXPECT_DOUBLE_EQ(h.Total, 90);
    EXPECT_DOUBLE_EQ(h.Prob[0], 0.1);
    EXPECT_DOUBLE_EQ(h.Prob[3], 0.4);

    table.SelectCell(1, 2);
    table.DeleteSelectedRow();
    EXPECT_FALSE(table.SummationDone());
    EXPECT_EQ(table.Cell(1, 8), "3");
    EXPECT_EQ(table.Cell(0, 0), "");
    EXPECT_EQ(table.Cell(16, 0), "   16");
}

TEST_F(SummationTableTest, FiltersWeightKeysWithoutMinusAndTranslatesEveryColumn)
{
    EXPECT_TRUE(table.FilterKey(1, '-').accepted);
    EXPECT_FALSE(table.FilterKey(8, '-').accepted);
    EXPECT_TRUE(table.FilterKey(8, '5').accepted);
    EXPECT_EQ(table.FilterKey(7, 'e').key, 'E');
    EXPECT_FALSE(table.FilterKey(7, '\r').accepted);
    EXPECT_TRUE(table.FilterKey(7, 'x').accepted);
}

TEST_F(SummationTableTest, NeedsTwoHistograms)
{
    table.SelectCell(1, 1);
    table.DeleteSelectedRow();
    table.DeleteSelectedRow();
    EXPECT_EQ(table.FilledRows(), 1);
    EXPECT_EQ(table.Compute(Answer(true))->text, TextCis(64));
}
