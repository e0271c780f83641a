#include <vector>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/CombinationTable.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"

using namespace morvik;
using morvik::testing::DisText;
using morvik::testing::HistogramTree;

namespace {

// Records every question and gives the prepared answer.
struct ScriptedAnswers {
    bool answer = true;
    std::vector<std::string> asked;
    AskYesNoFn Fn()
    {
        return [this](const Message& question) {
            asked.push_back(question.text);
            return answer;
        };
    }
};

class CombinationTableTest : public ::testing::Test {
protected:
    void SetUp() override { SetLanguage(Language::English); }

    // Loads a file written below Histograms/Loads into `row`.
    std::optional<Message> Load(int row, const std::string& name, const std::string& content)
    {
        return table.LoadRow(row, tree.Write("Histograms/Loads/" + name, content), tree.Root());
    }
    void LoadCoins(int rows)
    {
        for (int row = 1; row <= rows; ++row) {
            ASSERT_FALSE(Load(row, "coin" + std::to_string(row) + ".dis", DisText("Discrete", "-0.5", "1.5", {1, 1})));
        }
    }

    HistogramTree tree;
    CombinationTable table;
    ScriptedAnswers answers;
};

}  // namespace

TEST_F(CombinationTableTest, LoadsARowFromACategoryFolder)
{
    EXPECT_EQ(table.Cell(0, 2), "Histogram");
    EXPECT_EQ(table.Cell(3, 0), "  3");
    ASSERT_FALSE(Load(1, "load.x.dis", DisText("Discrete", "0", "10", {1, 2, 3, 4, 0})));
    EXPECT_EQ(table.Cell(1, 2), "load.x.dis");
    EXPECT_EQ(table.Cell(1, 3), "1.00000");
    EXPECT_EQ(table.Cell(1, 4), "9.00000");
    EXPECT_EQ(table.Cell(1, 5), "5");
    EXPECT_EQ(table.Cell(1, 6), "Histograms/Loads");
    const RowHistogram& record = table.Record(1);
    EXPECT_EQ(record.Bins, 5);
    EXPECT_DOUBLE_EQ(record.Width, 2);
    EXPECT_EQ(record.Total, 10);
    EXPECT_DOUBLE_EQ(record.Prob[3], 0.4);
    EXPECT_EQ(table.FilledRows(), 1);
    EXPECT_EQ(table.MaxIntervals(), 5);
    EXPECT_TRUE(table.DelRowEnabled() && table.SaveEnabled() && table.ComputeEnabled());
}

TEST_F(CombinationTableTest, RefusesAFileOutsideTheCategoryFoldersAndKeepsTheRowEmpty)
{
    LoadCoins(1);
    table.SetCell(1, 1, "2");
    const std::string path = tree.Write("Histograms/Other/coin.dis", DisText("Discrete", "0", "1", {1}));
    const auto message = table.LoadRow(1, path, tree.Root());
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, CategoryFolderMessage(tree.Root()));
    EXPECT_EQ(table.Cell(1, 1), "");
    EXPECT_EQ(table.Cell(1, 2), "");
    EXPECT_EQ(table.FilledRows(), 0);
    EXPECT_FALSE(table.ComputeEnabled());
}

TEST_F(CombinationTableTest, EmptiesTheRowWhenTheReaderRefusesTheFile)
{
    LoadCoins(3);
    // The component reader wants the frequencies to add up to Total exactly.
    const auto message = Load(2, "bad.dis", DisText("Discrete", "0", "1", {1, 2}, 4));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, FormatText(17, "3") + "4");
    EXPECT_EQ(table.Cell(2, 2), "");
    EXPECT_EQ(table.Cell(2, 6), "");
    EXPECT_EQ(table.Record(2), RowHistogram{});
    // The gap is skipped: rows 1 and 3 still hold their histograms and are the ones computed.
    EXPECT_EQ(table.FilledRows(), 2);
    EXPECT_EQ(table.FilledRowNumbers(), (std::vector<int>{1, 3}));
    table.SetCell(1, 1, "1");
    table.SetCell(3, 1, "1");
    EXPECT_FALSE(table.Compute(answers.Fn()));
    EXPECT_TRUE(table.CombinationDone());
    EXPECT_DOUBLE_EQ(table.Result().Total, 4);
}

TEST_F(CombinationTableTest, OffersButtonsAndEditingOnlyWhereTheyApply)
{
    LoadCoins(2);
    struct Case {
        int row, column;
        bool editable, open, graph;
    };
    const Case cases[] = {
        {1, 1, true, false, false},  {2, 7, true, false, false},
        {1, 3, false, false, false}, {3, 1, false, false, false},  // an empty row cannot be edited
        {1, 2, false, true, false},                                // an existing row can be replaced
        {3, 2, false, true, false},                                // the next empty row can be filled
        {4, 2, false, false, false},                               // but not one further down
        {2, 6, false, false, true},  {3, 6, false, false, false},
    };
    for (const Case& c : cases) {
        const CellSelection selection = table.SelectCell(c.row, c.column);
        EXPECT_EQ(table.SelectedRow(), c.row);
        EXPECT_EQ(selection.editable, c.editable) << c.row << "," << c.column;
        EXPECT_EQ(selection.offerOpenButton, c.open) << c.row << "," << c.column;
        EXPECT_EQ(selection.offerGraphButton, c.graph) << c.row << "," << c.column;
    }
    EXPECT_FALSE(table.SetCell(3, 1, "2"));
    EXPECT_FALSE(table.SetCell(1, 2, "other.dis"));
}

TEST_F(CombinationTableTest, FiltersTheKeysOfTheMultipleColumn)
{
    EXPECT_EQ(table.FilterKey(1, 'e').key, 'E');
    EXPECT_EQ(table.FilterKey(1, ',').key, '.');
    EXPECT_TRUE(table.FilterKey(1, '-').accepted);
    EXPECT_FALSE(table.FilterKey(1, '\r').accepted);
    const FilteredKey letter = table.FilterKey(1, 'x');
    EXPECT_FALSE(letter.accepted);
    EXPECT_TRUE(letter.beep);
    EXPECT_EQ(table.FilterKey(7, 'e').key, 'e');  // the note column takes any text
}

TEST_F(CombinationTableTest, DeletesTheSelectedRowAndMovesTheRestUp)
{
    LoadCoins(1);
    ASSERT_FALSE(Load(2, "second.dis", DisText("Discrete", "0", "3", {1, 1, 1})));
    ASSERT_FALSE(Load(3, "third.dis", DisText("Discrete", "0", "4", {1, 1, 1, 1})));
    table.SetCell(2, 1, "2");
    table.SelectCell(2, 7);
    ASSERT_TRUE(table.CanDeleteRow());
    const Message question = table.DeleteQuestion();
    EXPECT_EQ(question.kind, DialogKind::Confirmation);
    EXPECT_EQ(question.text, TextCis(73) +
                                 "\r\n\r\n|    2  |  2  |  second.dis  |  0.500000  |  2.50000  |  3  |  "
                                 "Histograms/Loads  |    |  ");
    table.DeleteSelectedRow();
    EXPECT_EQ(table.Cell(2, 2), "third.dis");
    EXPECT_EQ(table.Cell(2, 0), "  2");
    EXPECT_EQ(table.Record(2).Bins, 4);
    EXPECT_EQ(table.Cell(3, 2), "");
    EXPECT_EQ(table.Record(10), RowHistogram{});
    EXPECT_EQ(table.FilledRows(), 2);
    EXPECT_EQ(table.MaxIntervals(), 4);
}

TEST_F(CombinationTableTest, ChecksTheMultiplesInOrderWhateverRowIsSelected)
{
    table.SelectCell(5, 1);  // an empty row: the checks still run
    LoadCoins(1);
    EXPECT_EQ(table.Compute(answers.Fn())->text, TextCis(74));

    LoadCoins(3);
    table.SelectCell(0, 0);
    table.SetCell(1, 1, "0");
    table.SetCell(2, 1, "x1");
    table.SetCell(3, 1, "0");
    auto message = table.Compute(answers.Fn());
    EXPECT_EQ(message->text, TextCis(99) + table.RowText(2));
    EXPECT_EQ(message->kind, DialogKind::Error);

    table.SetCell(2, 1, "");
    EXPECT_EQ(table.Compute(answers.Fn())->text, TextCis(70));
    EXPECT_EQ(table.Cell(1, 1), "");  // every "0" is emptied
    EXPECT_EQ(table.Cell(3, 1), "");

    answers.answer = false;
    EXPECT_FALSE(table.Compute(answers.Fn()));
    EXPECT_EQ(answers.asked, std::vector<std::string>{TextCis(69)});
    EXPECT_EQ(table.Cell(1, 1), "");
    answers.answer = true;
    EXPECT_FALSE(table.Compute(answers.Fn()));
    EXPECT_EQ(table.Cell(2, 1), "1.0");
    EXPECT_FALSE(table.CombinationDone());  // the user starts the computation again

    EXPECT_FALSE(table.Compute(answers.Fn()));
    EXPECT_TRUE(table.CombinationDone());
    EXPECT_EQ(table.Result().Bins, 2);
}

TEST_F(CombinationTableTest, AsksForTheMultipleAgainAfterARowIsReplaced)
{
    LoadCoins(2);
    table.SetCell(1, 1, "1");
    table.SetCell(2, 1, "1");
    ASSERT_FALSE(table.Compute(answers.Fn()));
    ASSERT_TRUE(table.CombinationDone());
    LoadCoins(1);
    EXPECT_FALSE(table.CombinationDone());
    answers.answer = false;
    EXPECT_FALSE(table.Compute(answers.Fn()));
    EXPECT_EQ(answers.asked.size(), 1u);
}

// The window shows a result graph only for a new result: a question ends the command without one, while the
// earlier result is still the one closing hands over.
TEST_F(CombinationTableTest, CountsOnlySuccessfulComputations)
{
    LoadCoins(2);
    table.SetCell(1, 1, "1");
    table.SetCell(2, 1, "1");
    EXPECT_EQ(table.ResultNumber(), 0);
    ASSERT_FALSE(table.Compute(answers.Fn()));
    EXPECT_EQ(table.ResultNumber(), 1);
    table.SetCell(2, 1, "");
    EXPECT_FALSE(table.Compute(answers.Fn()));  // message 69, answered Yes
    EXPECT_EQ(table.ResultNumber(), 1);
    EXPECT_TRUE(table.CombinationDone());
    table.SetCell(1, 1, "x");
    EXPECT_TRUE(table.Compute(answers.Fn()));
    EXPECT_EQ(table.ResultNumber(), 1);
}

TEST_F(CombinationTableTest, RefusesMultiplesThatCollapseEveryRow)
{
    LoadCoins(2);
    table.SetCell(1, 1, "0.0");  // not the text "0", so it passes the zero check
    table.SetCell(2, 1, "-0.0");
    EXPECT_EQ(table.Compute(answers.Fn())->text, TextCis(70));
    EXPECT_FALSE(table.CombinationDone());
}

TEST_F(CombinationTableTest, ReadsFilesWithoutTypeAlikeAndWithoutTheFolderRuleForBatchUse)
{
    // Values 1 to 6 read as Pure Discrete, then the same file as Discrete intervals from 1 to 6.
    const std::string dice = tree.Write("elsewhere/Histograms/Tests/dice.dis",
                                        "[Parameters]\nMin=1\nMax=6\nBins=6\nTotal=6\n[Bins]\n1\n1\n1\n1\n1\n1\n");
    ASSERT_FALSE(table.LoadRowFile(1, dice));
    ASSERT_FALSE(table.LoadRowFile(2, dice));
    EXPECT_EQ(table.Record(2), table.Record(1));  // the second read does not depend on the first
    EXPECT_DOUBLE_EQ(table.Record(1).Width, 1);
    EXPECT_EQ(table.Cell(1, 6), "Histograms/Tests");

    table.SetKindOfUntypedFiles(HistogramKind::Discrete);
    ASSERT_FALSE(table.LoadRowFile(2, dice));
    EXPECT_DOUBLE_EQ(table.Record(2).Width, 5.0 / 6);
    EXPECT_EQ(table.Cell(2, 2), "dice.dis");
}
