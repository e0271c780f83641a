#include <filesystem>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"
#include "support/XlsxCells.h"
#include "windowmodels/HistogramTableWindowModel.h"

using namespace morvik;
using morvik::test::MakeHistogram;
using morvik::test::TempFolder;

namespace {

// Three values 2, 3, 4 with probabilities 1/4, 1/2, 1/4 of 8 observations, shown as "dice.dis".
MainModel ShownDice(HistogramKind kind)
{
    MainModel shown;
    shown.PublishResult(MakeHistogram(2, 1, {0.25, 0.5, 0.25}, 8), kind, "dice.dis");
    return shown;
}

HistogramTableWindowModel OpenOn(const MainModel& shown, const std::string& value = "", const std::string& p = "",
                                 bool plain = false)
{
    auto opening = HistogramTableWindowModel::Open({shown, value, p, plain});
    EXPECT_FALSE(opening.refusal);
    return *opening.model;
}

}  // namespace

TEST(HistogramTableWindowModel, RefusedWithoutAHistogramAndFormByKind)
{
    SetLanguage(Language::English);
    const MainModel empty;
    const auto refused = HistogramTableWindowModel::Open({empty, "", "", false});
    EXPECT_EQ(refused.refusal, Message::Error(TextCis(25)));
    EXPECT_FALSE(refused.model);

    const MainModel pure = ShownDice(HistogramKind::PureDiscrete);
    const HistogramTableWindowModel values = OpenOn(pure);
    EXPECT_EQ(values.FormNumber(), 3);
    EXPECT_EQ(values.Caption(), "dice");
    EXPECT_EQ(values.Rows().size(), 5u);  // headings, three values, totals

    const MainModel discrete = ShownDice(HistogramKind::Discrete);
    const HistogramTableWindowModel intervals = OpenOn(discrete);
    EXPECT_EQ(intervals.FormNumber(), 9);
    EXPECT_EQ(intervals.Rows().size(), 9u);  // headings, lower edge, three intervals each with its edge, totals
    EXPECT_EQ(intervals.Rows().back()[3], TCetnost(12, 8));
}

// The shades of the value rows of the Pure Discrete table while each query is active, and with the plain-table
// option; the totals row is shaded in columns 1 to 3 only, whatever the option.
TEST(HistogramTableWindowModel, RowsMarkedByTheQuery)
{
    const Colour plain = RgbColour(255, 255, 193), value = RgbColour(255, 215, 176),
                 quantile = RgbColour(193, 193, 255), total = RgbColour(255, 203, 179);
    struct Case {
        const char* name;
        QueryMode mode;
        std::string valueText, quantileText;
        bool plainTable;
        std::optional<Colour> rows[3];
    };
    const Case cases[] = {
        {"no query", QueryMode::None, "", "", false, {plain, plain, plain}},
        // x - Width below 3: the values 2 and 3.
        {"value query", QueryMode::Value, "3", "", false, {value, value, plain}},
        // The probability before the value below 0.5: 0 and 0.25.
        {"quantile query", QueryMode::Quantile, "", "0.5", false, {quantile, quantile, plain}},
        {"a field without a number", QueryMode::Value, "abc", "", false, {plain, plain, plain}},
        {"plain table", QueryMode::Value, "3", "", true, {std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainModel shown = ShownDice(HistogramKind::PureDiscrete);
        shown.Query = c.mode;
        const HistogramTableWindowModel model = OpenOn(shown, c.valueText, c.quantileText, c.plainTable);
        EXPECT_EQ(model.CellBackground(0, 1), std::nullopt);
        for (int row = 1; row <= 3; ++row) {
            for (int column = 0; column < 5; ++column) {
                EXPECT_EQ(model.CellBackground(row, column), c.rows[row - 1]) << row << "," << column;
            }
        }
        const std::optional<Colour> totals[] = {std::nullopt, total, total, total, std::nullopt};
        for (int column = 0; column < 5; ++column) EXPECT_EQ(model.CellBackground(4, column), totals[column]);
    }
}

TEST(HistogramTableWindowModel, WorkbookGoesToTheResultsFolderUnderTheName)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const MainModel shown = ShownDice(HistogramKind::Discrete);
    const HistogramTableWindowModel model = OpenOn(shown);
    const auto written = model.WriteWorkbook(folder.path());
    EXPECT_FALSE(written.message);
    EXPECT_EQ(written.path, folder / "dice.xlsx");
    EXPECT_EQ(test::xlsx::ReadCells(written.path)["A1"].text, "Histogram : dice.dis");

    // A results folder that is gone: message 22 with the file's name, and nothing written.
    const auto failed = model.WriteWorkbook(folder / "missing");
    EXPECT_EQ(failed.message, Message::Error(FormatText(22, "dice.xlsx")));
    EXPECT_FALSE(std::filesystem::exists(failed.path));
}
