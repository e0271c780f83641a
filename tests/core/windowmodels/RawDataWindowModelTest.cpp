#include <cmath>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "rawdata/RawTestData.h"
#include "windowmodels/RawDataWindowModel.h"

namespace morvik {
namespace {

using test::DataOf;

RawDataSet Spread(int count, double from, double step)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i) values.push_back(from + step * (i % 50));
    return DataOf(values);
}

std::vector<std::string> Texts(const RawDataStep& step)
{
    std::vector<std::string> texts;
    for (const Message& m : step.messages) texts.push_back(m.text);
    return texts;
}

using Strings = std::vector<std::string>;

TEST(RawDataWindowModel, LoadingBuildsOverTheDataRange)
{
    RawDataWindowModel model;
    EXPECT_TRUE(model.LoadData(Spread(1000, 0, 0.2), "Raw_Data.txt").messages.empty());
    ASSERT_TRUE(model.Histogram());
    EXPECT_EQ(model.Histogram()->n, 128);
    EXPECT_EQ(model.Histogram()->min, 0);
    EXPECT_DOUBLE_EQ(model.Histogram()->max, 9.8);
    EXPECT_EQ(model.Text(RawDataField::Min), StrNaCarku(0));
    EXPECT_EQ(model.DataGrid()[0], "     1000");
    EXPECT_EQ(model.CharacteristicsDialogText().rfind(TextCis(106), 0), 0u);
    EXPECT_FALSE(model.EditPending());
}

TEST(RawDataWindowModel, IntervalCountRules)
{
    struct Case {
        const char* text;
        Strings messages;
        std::string textAfter;
        bool built;
    };
    const Case cases[] = {
        {"abc", {TextCis(114) + "abc"}, "128", false},
        {"0", {TextCis(115)}, "0", false},
        {"2", {TextCis(88) + "1024 !"}, "128", false},
        {"1025", {TextCis(88) + "1024 !"}, "128", false},
        {"3", {FormatText(116, "1000") + "11   !"}, "3", true},
        {"1024", {}, "1024", true},
        {"11", {}, "11", true},
    };
    for (const Case& c : cases) {
        RawDataWindowModel model;
        model.LoadData(Spread(1000, 0, 0.2), "Raw_Data.txt");
        model.EditText(RawDataField::Intervals, c.text);
        EXPECT_FALSE(model.Histogram()) << c.text;
        const RawDataStep step = model.LeaveField(RawDataField::Intervals);
        EXPECT_EQ(Texts(step), c.messages) << c.text;
        EXPECT_EQ(model.Text(RawDataField::Intervals), c.textAfter) << c.text;
        EXPECT_EQ(model.Histogram().has_value(), c.built) << c.text;
        if (c.built) { EXPECT_EQ(model.Histogram()->n, std::stoi(c.text)); }
    }
}

TEST(RawDataWindowModel, RangeAndEpsRules)
{
    struct Case {
        RawDataField field;
        const char* text;
        std::string message;  // empty: accepted
        std::string textAfter;
    };
    const Case cases[] = {
        {RawDataField::Min, "x", TextCis(20) + " MinX x", StrNaCarku(0)},
        {RawDataField::Min, "9.8", "MinX >= MaxX !", StrNaCarku(0)},
        {RawDataField::Min, "1,5", "", StrNaCarku(1.5)},
        {RawDataField::Max, "", TextCis(20) + " MaxX ", StrNaCarku(9.8)},
        {RawDataField::Max, "0", "MaxX <= MinX !", StrNaCarku(9.8)},
        {RawDataField::Max, "20", "", StrNaCarku(20)},
        {RawDataField::Eps, "e", TextCis(20) + " Eps : e", "1E-7"},
        {RawDataField::Eps, "0", TextCis(97), "1E-7"},
        {RawDataField::Eps, "2", TextCis(98), "1E-7"},
        {RawDataField::Eps, "1E-9", TextCis(98), "1E-7"},
        {RawDataField::Eps, "1E-8", "", "1E-8"},
    };
    for (const Case& c : cases) {
        RawDataWindowModel model;
        model.LoadData(Spread(1000, 0, 0.2), "Raw_Data.txt");
        model.EditText(c.field, c.text);
        const RawDataStep step = model.LeaveField(c.field);
        const Strings expected = c.message.empty() ? Strings{} : Strings{c.message};
        EXPECT_EQ(Texts(step), expected) << c.text;
        EXPECT_EQ(model.Text(c.field), c.textAfter) << c.text;
        // A refused Eps takes the one the window was opened with and builds; a refused range end does not.
        const bool built = c.message.empty() || c.field == RawDataField::Eps;
        EXPECT_EQ(model.Histogram().has_value(), built) << c.text;
    }
}

TEST(RawDataWindowModel, LeavingAnUnchangedFieldDoesNothing)
{
    RawDataWindowModel model;
    model.LoadData(Spread(1000, 0, 0.2), "Raw_Data.txt");
    EXPECT_TRUE(model.LeaveField(RawDataField::Min).messages.empty());
    EXPECT_TRUE(model.Histogram());
}

TEST(RawDataWindowModel, AllValuesEqualAreRefused)
{
    RawDataWindowModel model;
    const RawDataStep step = model.LoadData(DataOf({5, 5, 5, 5}), "Raw_Data.txt");
    EXPECT_EQ(Texts(step), Strings{"MaxX <= MinX !"});
    EXPECT_FALSE(model.Histogram());
    EXPECT_TRUE(model.Fit().messages.size() == 1);
}

TEST(RawDataWindowModel, TheRangeKeepsTheDataDigits)
{
    // Both ends read "1.23457E+06" in six digits; the build uses the data's own Min and Max.
    RawDataWindowModel model;
    EXPECT_TRUE(model.LoadData(DataOf({1234567.1, 1234567.5, 1234567.9}), "d.txt").messages.empty());
    EXPECT_EQ(model.Text(RawDataField::Min), model.Text(RawDataField::Max));
    ASSERT_TRUE(model.Histogram());
    EXPECT_EQ(model.Histogram()->frequency[0], 1.0 / 3);
}

TEST(RawDataWindowModel, FitShowsTheBestFit)
{
    std::vector<double> values;
    // A bell of counts over 0..20.
    for (int v = 0; v <= 20; ++v) {
        values.insert(values.end(), static_cast<size_t>(1 + 50 * std::exp(-(v - 10) * (v - 10) / 18.0)), v);
    }
    RawDataWindowModel model;
    model.LoadData(DataOf(values), "bell.txt");
    model.EditText(RawDataField::Intervals, "21");
    model.LeaveField(RawDataField::Intervals);
    const RawDataStep step = model.Fit();
    EXPECT_TRUE(step.messages.empty());
    ASSERT_TRUE(model.Ranking());
    const std::vector<std::string> list = model.FitList();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(model.ChosenFit(), 0);
    EXPECT_TRUE(model.ShownFitHistogram());
    EXPECT_EQ(model.ClosenessText().find('.'), model.ClosenessText().size() - 6);

    const std::string fitText = model.CharacteristicsDialogText();
    EXPECT_EQ(fitText.rfind(TextCis(214) + list[0], 0), 0u);

    std::optional<RankingTable> table = model.MakeRankingTable();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Rows()[0][FieldName], list[0]);

    // Editing a field blanks the fit.
    model.EditText(RawDataField::Eps, "1E-6");
    EXPECT_FALSE(model.Ranking());
    EXPECT_TRUE(model.FitList().empty());
}

TEST(RawDataWindowModel, ClosingHandsOverTheShownHistogram)
{
    RawDataWindowModel model;
    EXPECT_FALSE(model.Close());  // nothing shown, nothing handed over

    model.LoadData(Spread(1000, 0, 0.2), "Loads.2024.txt");
    model.EditText(RawDataField::Intervals, "49");
    model.LeaveField(RawDataField::Intervals);
    const double h = 9.8 / 49;
    std::optional<RawDataResult> raw = model.Close();
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->name, "RawData_(Loads)");
    EXPECT_EQ(raw->kind, HistogramKind::Discrete);
    EXPECT_EQ(raw->histogram.Bins, 49);
    // Discrete: the first and last midpoints, half a width inside the data's range.
    EXPECT_NEAR(raw->histogram.Min, h / 2, 1e-12);
    EXPECT_NEAR(raw->histogram.Max, 9.8 - h / 2, 1e-12);
    EXPECT_NEAR(raw->histogram.Range, 9.8, 1e-12);
    EXPECT_EQ(raw->histogram.Total, 1000);
    EXPECT_FALSE(model.Histogram());
    EXPECT_FALSE(model.Close());  // handed over once

    model.SetPureDiscrete(true);
    raw = model.Close();
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(raw->histogram.Min, 0);
    EXPECT_DOUBLE_EQ(raw->histogram.Max, 9.8);
}

TEST(RawDataWindowModel, TheFitReportsEachTypeAndNamesTheHandOver)
{
    std::vector<double> values;
    for (int v = 0; v <= 20; ++v) {
        values.insert(values.end(), static_cast<size_t>(1 + 50 * std::exp(-(v - 10) * (v - 10) / 18.0)), v);
    }
    RawDataWindowModel model;
    model.LoadData(DataOf(values), "bell.txt");
    std::vector<int> started;
    model.Fit([&](int type) { started.push_back(type); });
    // Every type in order but the two whose range is the data's own.
    std::vector<int> expected;
    for (int type = 0; type < DistributionTypeCount; ++type) {
        if (type != UniformType && type != TriangularType) expected.push_back(type);
    }
    EXPECT_EQ(started, expected);

    ASSERT_TRUE(model.ShownFitHistogram());
    const std::string type = model.FitList()[0];
    MainWindowSettings main;
    const ChartModel chart = model.Chart(main, 0xFFFFFF, {}, "1.1.2026 , 10:00");
    const std::string parameters = model.ShownFitHistogram()->parameters;
    EXPECT_EQ(chart.titleLines.at(0), TextCis(108) + type + " ( " + parameters);
    EXPECT_EQ(chart.titleLines.at(1), TextCis(109) + "bell");
    EXPECT_EQ(model.ShownCaption(), TextCis(117) + parameters);
    EXPECT_EQ(parameters.back(), ')');
    EXPECT_EQ(chart.main.bars.size(), size_t(128));
    EXPECT_EQ(model.DataChart(main).main.bars.size(), size_t(128));
    // The grids show the fit, not the data.
    const Histogram fit = model.ShownFitHistogram()->generated.histogram;
    EXPECT_EQ(model.CharacteristicsGrid()[0], StrNaCarku(fit.Min));

    const std::optional<RawDataResult> handed = model.Close();
    ASSERT_TRUE(handed);
    EXPECT_EQ(handed->name, "RawData_(bell-" + type + ")");
    EXPECT_EQ(handed->histogram.Min, fit.Min);
}

TEST(RawDataWindowModel, TheSettingsKeepTheAcceptedTexts)
{
    RawDataWindowModel model({"1E-5", "64"});
    model.LoadData(Spread(1000, 0, 0.2), "a.txt");
    EXPECT_EQ(model.FieldsToKeep(), (RawDataWindowFields{"1E-5", "64"}));
    model.EditText(RawDataField::Intervals, "2000");  // refused: the accepted count stays
    model.LeaveField(RawDataField::Intervals);
    model.EditText(RawDataField::Eps, "1E-4");
    model.LeaveField(RawDataField::Eps);
    EXPECT_EQ(model.FieldsToKeep(), (RawDataWindowFields{"1E-4", "64"}));
}

}  // namespace
}  // namespace morvik
