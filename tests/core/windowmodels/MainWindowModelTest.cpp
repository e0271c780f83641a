#include <filesystem>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"
#include "windowmodels/MainWindowModel.h"

using namespace morvik;
using morvik::test::DisText;
using morvik::test::TempFolder;

namespace {

// A histogram root with the Loads category and one Discrete file of four equal intervals 0..4 in it.
struct MainWindowFixture : ::testing::Test {
    void SetUp() override
    {
        SetLanguage(Language::English);
        root = folder.path() + "/Histograms";
        loads = folder.Write("Histograms/Loads/wind.dis", DisText("Discrete", "0", "4", 4, 4, {1, 1, 1, 1}));
    }
    TempFolder folder;
    std::string root;
    std::string loads;
    MainWindowModel model;
};

}  // namespace

TEST_F(MainWindowFixture, ChartCarriesTheBarsTitleAndAxesOfTheShownHistogram)
{
    ASSERT_FALSE(model.OpenChosenHistogram(loads, root).has_value());
    ASSERT_FALSE(model.ChangeMultiple("2", "wind.dis").message.has_value());
    model.Current.TitleNote = "a note";
    model.StampTitle("1.2.2026", "10:00:00");
    model.Options.CBMarksItemIndex = 3;
    model.MarksShown = true;

    const ChartModel chart = model.Chart();
    EXPECT_EQ(chart.titleLines,
              (std::vector<std::string>{" ( 1.2.2026 , 10:00:00 )",
                                        "Histogram :     wind   * A  (A=" + model.Current.MultipleText + ")",
                                        std::string(23, ' ') + "a note"}));
    ASSERT_EQ(chart.main.bars.size(), 4u);
    for (const ChartBar& bar : chart.main.bars) {
        EXPECT_DOUBLE_EQ(bar.height, 0.25);
        EXPECT_EQ(bar.colour, model.Options.colours.bars);
    }
    // Value labels: the midpoints 0.5, 1.5, ... at A = 2, the last bar labelled with Max.
    EXPECT_EQ(chart.main.bars[0].label, StrBottomGraf(0.25, 1));
    EXPECT_EQ(chart.main.bars[3].label, StrBottomGraf(0.25, model.Current.ResultHistogram.Max));
    EXPECT_EQ(chart.main.marks.style, MarkStyle::Position);
    EXPECT_TRUE(chart.main.marks.visible);
    EXPECT_TRUE(chart.overlay.bars.empty());
    EXPECT_EQ(chart.leftAxisTitle, TextCis(156));

    // The note is shown by one redraw only; index labels count from 0.
    model.Options.index1 = true;
    model.StampTitle("1.2.2026", "10:00:01");
    EXPECT_EQ(model.Chart().titleLines.size(), 2u);
    EXPECT_EQ(model.Chart().main.bars[3].label, "3");
    EXPECT_EQ(model.Chart().bottomAxisTitle, "Index   x");
}

TEST_F(MainWindowFixture, QueryAnswersOverlayTheChartAndShadeTheTable)
{
    ASSERT_FALSE(model.OpenChosenHistogram(loads, root).has_value());
    model.StampTitle("d", "t");
    model.MarksShown = true;

    const MainWindowModel::QueryStep value = model.AskValue("2");
    ASSERT_FALSE(value.message.has_value());
    EXPECT_DOUBLE_EQ(value.probability, 0.5);
    ChartModel chart = model.Chart();
    ASSERT_EQ(chart.overlay.bars.size(), 4u);
    EXPECT_EQ(chart.overlay.bars[0].colour, model.Options.colours.valueQuery);
    EXPECT_EQ(chart.overlay.bars[3].colour, model.Options.colours.bars);
    EXPECT_FALSE(chart.main.marks.visible);  // the overlay carries the marks
    EXPECT_TRUE(chart.overlay.marks.visible);
    // Discrete rows: interval i in row 2i; those whose lower edge lies below x = 2 are marked.
    EXPECT_EQ(model.ShadeOfRow(2), RowShade::Value);
    EXPECT_EQ(model.ShadeOfRow(4), RowShade::Value);
    EXPECT_EQ(model.ShadeOfRow(6), RowShade::Plain);
    EXPECT_EQ(model.ShadeOfRow(10), RowShade::Total);
    model.Options.colourHighlight = false;
    EXPECT_EQ(model.ShadeOfRow(2), RowShade::None);
    model.Options.colourHighlight = true;

    const MainWindowModel::QueryStep quantile = model.AskQuantile("0.5");
    EXPECT_DOUBLE_EQ(quantile.quantile, 2);
    EXPECT_EQ(model.Chart().overlay.bars[1].colour, model.Options.colours.quantileQuery);
    EXPECT_EQ(model.ShadeOfRow(4), RowShade::Quantile);

    // Outside the histogram the field is emptied and the answer leaves the chart; an empty field ends the query.
    EXPECT_TRUE(model.AskValue("99").cleared);
    EXPECT_TRUE(model.Chart().overlay.bars.empty());
    model.AskQuantile("0.5");
    EXPECT_TRUE(model.AskQuantile("").ended);
    EXPECT_TRUE(model.Chart().overlay.bars.empty());
    EXPECT_EQ(model.AskValue("x").message->text, TextCis(20) + "x");
}

TEST_F(MainWindowFixture, OpeningAFileOutsideTheCategoriesIsRefusedAndLeavesTheStack)
{
    const std::string stray = folder.Write("elsewhere/stray.dis", DisText("Discrete", "0", "1", 2, 2, {1, 1}));
    const std::optional<Message> refusal = model.OpenChosenHistogram(stray, root);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, CategoryFolderMessage(root).text);
    EXPECT_FALSE(model.Current.HasHistogram());
    EXPECT_TRUE(model.Stack.Empty());

    ASSERT_FALSE(model.OpenChosenHistogram(loads, root).has_value());
    EXPECT_EQ(model.Stack.Entry(0), (ReOpenEntry{loads, "1.00", "4"}));
    // A new multiple is remembered with the file.
    EXPECT_TRUE(model.ChangeMultiple("3", "wind.dis").stackChanged);
    EXPECT_EQ(model.Stack.Count(), 2);
    EXPECT_EQ(model.Stack.Entry(0).multiple, model.Current.MultipleText);
}

TEST_F(MainWindowFixture, SavingRemembersTheFileInTheSettingsAndOnTheStack)
{
    ASSERT_FALSE(model.OpenChosenHistogram(loads, root).has_value());
    model.AskValue("2");
    SettingsFile settings;
    const std::string saved = folder.path() + "/Histograms/Calculated/out.dis";
    std::filesystem::create_directories(folder.path() + "/Histograms/Calculated");
    ASSERT_FALSE(model.SaveHistogramAs(saved, settings).has_value());
    EXPECT_TRUE(model.Chart().overlay.bars.empty());
    EXPECT_EQ(model.Stack.Entry(0), (ReOpenEntry{saved, "1.00", "4"}));
    EXPECT_NE(settings.Text().find(saved), std::string::npos);

    // A failed save (the folder is missing) changes neither the stack nor the settings.
    const std::string nowhere = folder.path() + "/missing/out2.dis";
    const std::optional<Message> failure = model.SaveHistogramAs(nowhere, settings);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, FormatText(22, "out2.dis"));
    EXPECT_EQ(model.Stack.Count(), 2);
    EXPECT_EQ(settings.Text().find(nowhere), std::string::npos);

    // The results report is remembered even when it cannot be written.
    ASSERT_TRUE(model.SaveResultsAs(nowhere + ".txt", settings, "d", "t", "1.0").has_value());
    EXPECT_NE(settings.Text().find(nowhere + ".txt"), std::string::npos);
}

TEST_F(MainWindowFixture, ReOpenTableOpensWithTheShownMultipleOrOffersToForget)
{
    const std::string other = folder.Write("Histograms/Tests/cubes.dis", DisText("Discrete", "0", "2", 2, 2, {1, 1}));
    ASSERT_FALSE(model.OpenChosenHistogram(loads, root).has_value());
    ASSERT_FALSE(model.OpenChosenHistogram(other, root).has_value());
    ASSERT_FALSE(model.ChangeMultiple("3", "cubes.dis").message.has_value());
    const std::string shownMultiple = model.Current.MultipleText;

    // Entry 2 is the wind file: opened at the multiple now shown, its interval count written back.
    ASSERT_EQ(model.Stack.Entry(2).file, loads);
    const MainWindowModel::ReOpenStep opened = model.OpenReOpenEntry(2);
    EXPECT_TRUE(opened.opened);
    EXPECT_FALSE(opened.removeQuestion.has_value());
    EXPECT_EQ(model.Current.Name, "wind");
    EXPECT_EQ(model.Current.MultipleText, shownMultiple);
    EXPECT_EQ(model.Stack.Entry(2).intervals, "4");

    // A file that cannot be read: the reader's refusal, then the offer to forget it.
    folder.Write("Histograms/Tests/cubes.dis", "not a histogram");
    const MainWindowModel::ReOpenStep unreadable = model.OpenReOpenEntry(1);
    EXPECT_FALSE(unreadable.opened);
    EXPECT_TRUE(unreadable.refusal.has_value());
    EXPECT_EQ(unreadable.removeQuestion->text, ReOpenUnreadableFileQuestion(other).text);
    EXPECT_EQ(model.Current.Name, "wind");  // the shown histogram stays

    // A file that has gone: no reading, only the offer.
    std::filesystem::remove(other);
    const MainWindowModel::ReOpenStep missing = model.OpenReOpenEntry(1);
    EXPECT_FALSE(missing.refusal.has_value());
    EXPECT_EQ(missing.removeQuestion->text, ReOpenMissingFileQuestion(other).text);
    EXPECT_FALSE(model.OpenReOpenEntry(7).removeQuestion.has_value());  // no such entry: nothing at all
}
