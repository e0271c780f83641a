#include <string>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/CaptionSets.h"
#include "localization/TextCis.h"
#include "parametric/ParametricDisplay.h"
#include "windowmodels/ParametricWindowModel.h"

namespace morvik {
namespace {

using F = ParametricField;

// A window opened from the main window, with its first computation done (Normal 10, 1).
class ParametricWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetLanguage(Language::English);
        model.Start();
        const ParametricStep first = model.Compute();
        ASSERT_TRUE(first.messages.empty());
        ASSERT_TRUE(model.ChartShown());
    }

    // The user types `text` into `field` and leaves it.
    ParametricStep Enter(F field, const std::string& text)
    {
        model.EditText(field, text);
        return model.LeaveField(field);
    }

    ParametricWindowModel model;
};

TEST_F(ParametricWindowModelTest, StartResetsTheWindowAndTheFirstComputationFillsIt)
{
    EXPECT_EQ(model.Text(F::Para1), "10");
    EXPECT_EQ(model.Text(F::Min), StrNaCarku(model.Shown()->min));
    EXPECT_EQ(model.Text(F::Max), StrNaCarku(model.Shown()->max));
    EXPECT_NEAR(model.Shown()->min + model.Shown()->max, 20, 1e-9);  // symmetric about Mi
    EXPECT_EQ(model.ParameterLabel(0), TextCis(89));
    EXPECT_EQ(model.ParameterLabel(1), TextCis(90));
    EXPECT_FALSE(model.ParameterVisible(2));
    EXPECT_EQ(model.GroupCaption(), TextCis(151) + " F (x | Mi,Sigma)");
    EXPECT_EQ(model.ChartTitleLine(), "Parametric distribution : Normal  F ( x |  Mi=10 , Sigma=1 )");
    EXPECT_TRUE(model.RangeEnabled() && model.CharEnabled() && model.IntervalsEnabled());

    // A second opening after other work starts from the same state again.
    model.ChangeType(WeibullType);
    Enter(F::Para1, "3");
    model.SetPureDiscrete(true);
    model.Start();
    EXPECT_EQ(model.Type(), NormalType);
    EXPECT_FALSE(model.PureDiscrete());
    EXPECT_EQ(model.Text(F::Para1), "10");
    EXPECT_EQ(model.Text(F::Para4), "1.9");
    EXPECT_EQ(model.Text(F::Min), "");
    EXPECT_EQ(model.ParameterLabel(3), "4.parametr");
    EXPECT_TRUE(model.ParameterVisible(3));
    EXPECT_EQ(model.GroupCaption(), "Frekvenční funkce : F ( x | ? , ? , ? )");
    EXPECT_FALSE(model.ParametersEnabled() || model.IntervalsEnabled() || model.RangeEnabled() || model.CharEnabled() ||
                 model.ChartShown());
}

TEST_F(ParametricWindowModelTest, TypeChangeWritesTheTypeDefaultsAndItsControls)
{
    EXPECT_TRUE(model.ChangeType(TriangularType).messages.empty());
    EXPECT_EQ(model.Text(F::Para1), "0");
    EXPECT_EQ(model.Text(F::Para3), "5");
    EXPECT_TRUE(model.ParameterVisible(2));
    EXPECT_FALSE(model.ParameterVisible(3));
    EXPECT_FALSE(model.EpsVisible());
    EXPECT_FALSE(model.Para3ReadOnly());
    EXPECT_EQ(model.Shown()->name, "ParRoz_Triangular");

    model.ChangeType(WeibullType);
    EXPECT_TRUE(model.Para3ReadOnly());
    EXPECT_EQ(model.ParameterLabel(0), "k");  // only "Mi" and "Xo" read as message 89
    Enter(F::Para1, "0.5");
    EXPECT_FALSE(model.EpsVisible());  // Weibull shows Eps only for k >= 1
}

TEST_F(ParametricWindowModelTest, IntervalCountRefusalPutsTheAcceptedTextBack)
{
    for (const std::string bad : {"2", "1025", "12.5", "abc"}) {
        const ParametricStep step = Enter(F::Intervals, bad);
        ASSERT_EQ(step.messages.size(), 1u) << bad;
        EXPECT_EQ(step.messages[0], Message::Error(TextCis(88) + "1024 !"));
        EXPECT_EQ(step.focus, F::Intervals);
        EXPECT_EQ(model.Text(F::Intervals), "128");
        EXPECT_EQ(model.Shown()->bins, 128);
        EXPECT_TRUE(model.ChartShown());  // the field is back at the shown histogram's text, so its chart returns
    }
    EXPECT_TRUE(Enter(F::Intervals, "3").messages.empty());
    EXPECT_EQ(model.Shown()->bins, 3);
    EXPECT_TRUE(model.ChartShown());

    // Right after opening the field is disabled; refusing it there must leave it able to take the focus.
    model.EditText(F::Intervals, "2");
    model.Start();
    EXPECT_EQ(model.Compute().focus, F::Intervals);
    EXPECT_TRUE(model.IntervalsEnabled());
}

TEST_F(ParametricWindowModelTest, EpsEntriesAreCheckedAndARefusalStillComputesWithTheRememberedEps)
{
    struct Case {
        std::string text;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {"1E-8", ""}, {"1", ""}, {"0", TextCis(97)}, {"2", TextCis(98)}, {"x", TextCis(99) + " Eps : x"},
    };
    model.ChangeType(UniformType);  // its range needs no Eps, so every accepted Eps generates
    for (const Case& c : cases) {
        const ParametricStep step = Enter(F::Eps, c.text);
        if (c.message.empty()) {
            EXPECT_TRUE(step.messages.empty()) << c.text;
            EXPECT_EQ(model.Text(F::Eps), c.text);
        } else {
            ASSERT_EQ(step.messages.size(), 1u) << c.text;
            EXPECT_EQ(step.messages[0].text, c.message);
            EXPECT_EQ(model.Text(F::Eps), "1E-7");
        }
        EXPECT_TRUE(model.ChartShown()) << c.text;
        Enter(F::Eps, "1E-7");
    }
}

TEST_F(ParametricWindowModelTest, ParameterRefusalsFocusTheirEditAndKeepTheShownHistogram)
{
    const double min = model.Shown()->min;
    ParametricStep step = Enter(F::Para1, "abc");
    ASSERT_EQ(step.messages.size(), 1u);
    EXPECT_EQ(step.focus, F::Para1);
    EXPECT_EQ(model.Text(F::Para1), "10");  // a text that is no number is put back, and the chart with it
    EXPECT_TRUE(model.ChartShown());

    step = Enter(F::Para2, "-1");
    ASSERT_EQ(step.messages.size(), 1u);
    EXPECT_EQ(step.messages[0].text, TextCis(503) + "\r\n\r\n     Sigma" + TextCis(504));
    EXPECT_EQ(step.focus, F::Para2);
    EXPECT_EQ(model.Text(F::Para2), "-1");
    EXPECT_EQ(model.Shown()->min, min);
    EXPECT_FALSE(model.Close().has_value());  // closing after a refusal hands nothing over
}

TEST_F(ParametricWindowModelTest, LeavingAnUnchangedFieldDoesNotComputeButAChangedOneDoes)
{
    model.EditText(F::Para1, "12");
    EXPECT_TRUE(model.Edited());
    model.LeaveField(F::Para2);  // one flag for all fields: the next exit computes
    EXPECT_EQ(model.Shown()->texts[0], "12");
    EXPECT_FALSE(model.Edited());

    model.EditText(F::Min, "abc");  // a pending range text...
    model.LeaveField(F::Para3);     // ...is overwritten: leaving Para3 always computes
    EXPECT_EQ(model.Text(F::Min), StrNaCarku(model.Shown()->min));
    EXPECT_TRUE(model.LeaveField(F::Min).messages.empty());
}

TEST_F(ParametricWindowModelTest, RangeEditsLayTheSameProbabilitiesOverANewRange)
{
    const ShownParametric before = *model.Shown();
    const std::string minText = model.Text(F::Min);
    struct Case {
        F field;
        std::string text;
        std::string message;
    };
    const Case refusals[] = {
        {F::Min, "abc", TextCis(99) + " MinX abc"},
        {F::Max, "1,5", TextCis(99) + " MaxX 1,5"},
        {F::Min, model.Text(F::Max), "MinX >= MaxX !"},
        {F::Min, "100", "MinX >= MaxX !"},
        {F::Max, minText, "MaxX <= MinX !"},
    };
    for (const Case& c : refusals) {
        const ParametricStep step = Enter(c.field, c.text);
        ASSERT_EQ(step.messages.size(), 1u) << c.text;
        EXPECT_EQ(step.messages[0], Message::Error(c.message));
        EXPECT_EQ(step.focus, c.field);
        EXPECT_EQ(model.Text(F::Min), minText);
        EXPECT_EQ(model.Shown()->min, before.min);
        EXPECT_EQ(model.Shown()->max, before.max);
    }

    EXPECT_TRUE(Enter(F::Min, "0").messages.empty());
    EXPECT_EQ(model.Text(F::Min), "0.00000");
    EXPECT_TRUE(model.ChartShown());
    const Histogram moved = model.ShownHistogram();
    EXPECT_EQ(moved.Prob, before.prob);
    EXPECT_DOUBLE_EQ(moved.Width, (before.max - 0) / 128);
    EXPECT_DOUBLE_EQ(moved.Min, moved.Width / 2);

    const auto handed = model.Close();
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->histogram.Min, moved.Min);
    EXPECT_EQ(handed->outerMin, 0);
}

TEST_F(ParametricWindowModelTest, PureDiscreteLaysTheValuesOnTheRangeEnds)
{
    Enter(F::Intervals, "4");
    model.ChangeType(UniformType);  // 0..20, four equal probabilities
    std::array<std::string, 4> grid = model.CharacteristicsGrid();
    EXPECT_EQ(grid[0], "2.50000");
    EXPECT_EQ(grid[1], "17.5000");
    EXPECT_EQ(grid[3], "2.5");  // the mode is the first of the equal values, at its midpoint

    model.SetPureDiscrete(true);
    grid = model.CharacteristicsGrid();
    EXPECT_EQ(grid[0], "0.00000");
    EXPECT_EQ(grid[1], "20.0000");
    EXPECT_EQ(grid[3], "0");
    EXPECT_NE(model.CharacteristicsDialogText().find(TextCis(80) + "Uniform"), std::string::npos);

    const auto handed = model.Close();
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(handed->name, "ParRoz_Uniform");
    EXPECT_DOUBLE_EQ(handed->histogram.Width, 20.0 / 3);
    EXPECT_DOUBLE_EQ(handed->histogram.Range, 20);
    EXPECT_DOUBLE_EQ(handed->histogram.Total, 4);
    EXPECT_FALSE(model.Close().has_value());  // handed over once
}

TEST_F(ParametricWindowModelTest, ClosingRemembersOnlyAnAcceptableEps)
{
    Enter(F::Eps, "1E-5");
    model.EditText(F::Eps, "5");  // typed but never checked
    model.EditText(F::Intervals, "9999");
    EXPECT_FALSE(model.Close().has_value());  // the edits hid the chart
    EXPECT_EQ(model.RememberedEps(), "1E-5");
    EXPECT_EQ(model.FieldsToKeep(), (GenerationFields{"1E-5", "128"}));
    model.Start();
    EXPECT_EQ(model.Text(F::Eps), "1E-5");
}

TEST(ParametricWindowModel, DamagedSettingsTextsGiveWayToTheDefaults)
{
    const ParametricWindowModel damaged(GenerationFields{"0", "2"});
    EXPECT_EQ(damaged.Text(F::Eps), "1E-7");
    EXPECT_EQ(damaged.Text(F::Intervals), "128");
    const ParametricWindowModel kept(GenerationFields{"1E-3", "64"});
    EXPECT_EQ(kept.Text(F::Eps), "1E-3");
    EXPECT_EQ(kept.Text(F::Intervals), "64");
}

TEST(ParametricDisplay, BarLabelsByIndexOrValue)
{
    Histogram h;
    h.Bins = 2;
    h.Min = 1;
    h.Max = 3;
    h.Width = 2;
    h.Prob[0] = 0.25;
    h.Prob[1] = 0.75;
    EXPECT_EQ(BarLabels(h, true), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(BarLabels(h, false)[1], StrBottomGraf(0.75, 3));
}

TEST(ParametricDisplay, KeyFiltersOfTheFields)
{
    struct Case {
        KeySet keys;
        char key;
        std::optional<char> result;
    };
    const Case cases[] = {
        {KeySet::Real, 'e', 'E'},
        {KeySet::Real, ',', '.'},
        {KeySet::Real, '-', '-'},
        {KeySet::Real, 'x', std::nullopt},
        {KeySet::Real, '\r', std::nullopt},
        {KeySet::UnsignedReal, ',', '.'},
        {KeySet::UnsignedReal, '-', std::nullopt},
        {KeySet::UnsignedReal, 'E', std::nullopt},
        {KeySet::Digits, '7', '7'},
        {KeySet::Digits, '.', std::nullopt},
        {KeySet::Digits, '\b', '\b'},
    };
    for (const Case& c : cases) EXPECT_EQ(FilterFieldKey(c.keys, c.key), c.result) << c.key;
}

TEST(ParametricWindowCaptionSet, SpotChecksInBothLanguages)
{
    const auto czech = CaptionSet(12, Language::Czech);
    const auto english = CaptionSet(12, Language::English);
    EXPECT_EQ(FindCaption(czech, "GBTypRozd"), "  Rozdělení  ");
    EXPECT_EQ(FindCaption(english, "Label6"), "Eps for P(Xmin) ");
    EXPECT_EQ(FindItem(english, "CBTypRozdeleni", 20), "Exponencials");
    EXPECT_EQ(FindItem(czech, "CBTypRozdeleni", 14), "Beta_obecné");
    EXPECT_TRUE(FindHint(english, "StringGrid2").has_value());
}

TEST_F(ParametricWindowModelTest, ARefusedGenerationLeavesTheEpsRowAsItWas)
{
    model.ChangeType(WeibullType);
    ASSERT_TRUE(Enter(F::Para1, "2").messages.empty());
    ASSERT_TRUE(model.EpsVisible());  // Weibull shows Eps for k >= 1
    const ParametricStep step = Enter(F::Para1, "-1");
    ASSERT_EQ(step.messages.size(), 1u);
    EXPECT_TRUE(model.EpsVisible());
    EXPECT_EQ(model.Shown()->texts[0], "2");
}

}  // namespace
}  // namespace morvik
