#include <gtest/gtest.h>

#include "histogram/MainModel.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::DisText;
using morvik::test::TempFolder;

TEST(MainModel, OpenScaleQueryAndSave)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const std::string path = folder.Write("Loads/wind.gust.dis", DisText("Discrete", "0", "5", 5, 10, {0, 0, 4, 6, 0}));
    MainModel model;
    ASSERT_FALSE(model.OpenHistogramFile(path).has_value());
    EXPECT_EQ(model.Name, "wind");
    EXPECT_EQ(model.Kind, HistogramKind::Discrete);
    EXPECT_EQ(model.ResultHistogram.Bins, 2);  // empty end intervals trimmed
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Min, 2.5);
    EXPECT_EQ(model.InputHistogram.Bins, 5);
    EXPECT_EQ(model.InputPanelTexts(), (std::array<std::string, 3>{" 5", " 10", " Discrete"}));

    EXPECT_FALSE(model.SetMultiple("2").has_value());
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Min, 5);
    EXPECT_EQ(model.MultipleText, "2.00000");
    EXPECT_FALSE(model.SetMultiple("3").has_value());
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Min, 7.5);  // three times the input, not six

    auto answer = model.AskValue("9");
    EXPECT_TRUE(answer.result.inRange);
    EXPECT_EQ(model.Query, QueryMode::Value);
    EXPECT_EQ(model.AskQuantile("2").result.inRange, false);
    EXPECT_EQ(model.Query, QueryMode::None);

    const std::string saved = folder.path() + "/Calculated/out.dis";
    std::filesystem::create_directories(folder.path() + "/Calculated");
    ASSERT_FALSE(model.SaveHistogram(saved).has_value());
    MainModel reread;
    ASSERT_FALSE(reread.OpenHistogramFile(saved).has_value());
    EXPECT_DOUBLE_EQ(reread.ResultHistogram.Min, 7.5);
    EXPECT_DOUBLE_EQ(reread.ResultHistogram.Max, 10.5);
    EXPECT_DOUBLE_EQ(reread.ResultHistogram.Prob[1], 0.6);
}

TEST(MainModel, RefusedFileLeavesThePreviousHistogramWhole)
{
    TempFolder folder;
    const std::string good = folder.Write("a.dis", DisText("Pure Discrete", "1", "3", 3, 3, {1, 1, 1}));
    std::string broken = DisText("Discrete", "0", "10", 3, 6, {1, 2, 3});
    broken.replace(broken.find("\r\n3\r\n"), 5, "\r\n3.5\r\n");  // refused at the last frequency
    const std::string bad = folder.Write("b.dis", broken);
    MainModel model;
    ASSERT_FALSE(model.OpenHistogramFile(good).has_value());
    ASSERT_FALSE(model.SetMultiple("2").has_value());
    const MainModel before = model;
    auto refusal = model.OpenHistogramFile(bad);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, FormatText(15, "3") + "3.5");
    EXPECT_EQ(model.Name, before.Name);
    EXPECT_EQ(model.InputHistogram, before.InputHistogram);
    EXPECT_EQ(model.ResultHistogram, before.ResultHistogram);
    EXPECT_EQ(model.Kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(model.MultipleText, before.MultipleText);
}

TEST(MainModel, RangeEditCarriesBackIntoTheInput)
{
    TempFolder folder;
    const std::string path = folder.Write("a.dis", DisText("Discrete", "0", "4", 4, 4, {1, 1, 1, 1}));
    MainModel model;
    ASSERT_FALSE(model.OpenHistogramFile(path, "2.00").has_value());  // a ReOpen entry's multiple
    EXPECT_EQ(model.MultipleText, "2.00");
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Max, 7);
    ASSERT_TRUE(model.SetRangeEnd(RangeEnd::Max, "13").changed);
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Width, 4);
    // A later multiple applies to the moved histogram: back at A = 1 the values are halved.
    model.SetMultiple("1");
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Min, 0.5);
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Max, 6.5);
}

TEST(MainModel, AbsoluteValueReplacesTheHistogramAndNotesTheTitle)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const std::string path = folder.Write("m.x.dis", DisText("Pure Discrete", "-5", "-1", 5, 15, {1, 2, 3, 4, 5}));
    MainModel model;
    ASSERT_FALSE(model.OpenHistogramFile(path).has_value());
    ASSERT_TRUE(model.AbsoluteValueEnabled());
    model.TakeAbsoluteValue();
    EXPECT_FALSE(model.AbsoluteValueEnabled());
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Min, 1);
    EXPECT_DOUBLE_EQ(model.ResultHistogram.Prob[0], 5.0 / 15);
    EXPECT_EQ(model.InputHistogram, model.ResultHistogram);
    EXPECT_EQ(model.TitleNote, "Histogram  m  in absolute value.");
}

TEST(MainModel, NothingLoadedRefusesNothingAndCrashesNowhere)
{
    MainModel model;
    EXPECT_FALSE(model.HasHistogram());
    EXPECT_FALSE(model.SetMultiple("2").has_value());
    EXPECT_FALSE(model.AskValue("1").result.inRange);
    EXPECT_FALSE(model.AskQuantile("0.5").result.inRange);
    EXPECT_FALSE(model.SetRangeEnd(RangeEnd::Min, "1").changed);
    model.TakeAbsoluteValue();
    EXPECT_EQ(model.InputPanelTexts(), (std::array<std::string, 3>{" 0", " 0", " ??"}));
    EXPECT_EQ(model.CharacteristicsDialogText(), TextCis(215));
}
