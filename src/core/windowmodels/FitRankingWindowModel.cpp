#include "windowmodels/FitRankingWindowModel.h"

#include "common/NumberText.h"
#include "localization/CaptionSets.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "rawdata/ProbabilityPlot.h"

namespace morvik {
namespace {

constexpr int FitFormNumber = 19;

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Row numbers as the table shows them: two blanks before a single digit.
std::string RowNumber(int row) { return row < 10 ? "  " + std::to_string(row) : std::to_string(row); }

RankingGridRow GridRow(const RankingRow& fields)
{
    RankingGridRow cells;
    for (int f = 0; f <= FieldAndersonDarling; ++f) cells[static_cast<size_t>(f + 1)] = fields[static_cast<size_t>(f)];
    return cells;
}

ChartModel BarChart(const Histogram& histogram, Colour colour)
{
    ChartModel chart;
    for (int i = 0; i < histogram.Bins; ++i) {
        chart.main.bars.push_back({histogram.Prob[static_cast<size_t>(i)], colour, std::to_string(i)});
    }
    return chart;
}

}  // namespace

FitRankingWindowModel::FitRankingWindowModel(RawDataWindowModel& raw) : raw_(raw) {}

bool FitRankingWindowModel::Open()
{
    table_ = raw_.MakeRankingTable();
    key_ = 1;
    reference_ = SortReference::RawData;
    selected_ = 0;
    fitShown_ = false;
    return table_.has_value();
}

void FitRankingWindowModel::SortBy(int key)
{
    if (!table_ || key < 0 || key >= SortKeyCount) return;
    key_ = key;
    table_->Sort(key_, reference_);
    selected_ = 0;
}

void FitRankingWindowModel::SetReference(SortReference reference)
{
    reference_ = reference;
    SortBy(key_);
}

void FitRankingWindowModel::SelectRow(int row)
{
    if (!table_) return;
    selected_ = row;
    fitShown_ = false;
    const std::optional<FitRanking>& ranking = raw_.Ranking();
    if (ranking && row >= 1 && row <= RankingTableRows) {
        const RankingRow& fields = table_->Rows()[static_cast<size_t>(row - 1)];
        // The row shows its own fit wherever the sorting has put it, not the fit ranked at the row's number.
        for (int p = 0; !Blank(fields[FieldCloseness]) && p < ranking->acceptedCount; ++p) {
            const RankedFit& fit = ranking->ranked[static_cast<size_t>(p)];
            if (fit.closeness > 0 && FitTypeName(fit.type) == fields[FieldName]) {
                raw_.ChooseFit(p);
                fitShown_ = raw_.ShownFitHistogram().has_value();
                return;
            }
        }
    }
    raw_.ChooseFit(0);
}

void FitRankingWindowModel::RemoveMarked()
{
    if (!table_) return;
    raw_.RemoveMarked(*table_);
    selected_ = 0;
    fitShown_ = false;
}

RankingGridRow FitRankingWindowModel::Headings()
{
    const std::span<const CaptionText> set = CaptionSet(FitFormNumber, CurrentLanguage());
    RankingGridRow cells;
    for (int c = 0; c <= 10; ++c)
        cells[static_cast<size_t>(c)] = std::string(FindCell(set, "SGCharPD", c, 0).value_or(""));
    cells[11] = " " + TextCis(msg::FitTitle);
    for (int c = 12; c < RankingGridColumns; ++c)
        cells[static_cast<size_t>(c)] = std::string(FindCell(set, "SGChar", c, 0).value_or(""));
    return cells;
}

std::vector<RankingGridRow> FitRankingWindowModel::Rows() const
{
    std::vector<RankingGridRow> rows;
    if (!table_) return rows;
    for (int r = 0; r < RankingTableRows; ++r) {
        rows.push_back(GridRow(table_->Rows()[static_cast<size_t>(r)]));
        rows.back()[0] = RowNumber(r + 1);
    }
    return rows;
}

RankingGridRow FitRankingWindowModel::RawRow() const
{
    if (!table_) return {};
    return GridRow(table_->RawRow());
}

std::array<std::string, 3> FitRankingWindowModel::DataRow() const
{
    const std::optional<RawDataSet>& data = raw_.Data();
    if (!table_ || !data) return {};
    return {StrNaCarku(data->mean), StrNaCarku(data->stdDev), StrNaCarku(data->skewness)};
}

ChartModel FitRankingWindowModel::ReferenceChart() const
{
    const std::optional<RawHistogram>& histogram = raw_.Histogram();
    if (!table_ || !histogram) return {};
    return BarChart(histogram->AsHistogram(), ReferenceColour);
}

ChartModel FitRankingWindowModel::FitChart() const
{
    const std::optional<ShownFit>& fit = raw_.ShownFitHistogram();
    const std::optional<RawDataSet>& data = raw_.Data();
    if (!table_ || !fitShown_ || !fit || !data) return {};
    const Histogram& shown = fit->generated.histogram;
    if (view_ == FitView::Histogram) return BarChart(shown, FitColour);

    const bool pp = view_ == FitView::PP;
    const std::span<const double> prob(shown.Prob.data(), static_cast<size_t>(shown.Bins));
    const PlotPoints plot = MakeProbabilityPlot(pp ? ProbabilityPlotKind::PP : ProbabilityPlotKind::QQ, data->values,
                                                prob, fit->generated.outerMin, fit->generated.outerMax);
    ChartModel chart;
    chart.scatter.low = plot.low;
    chart.scatter.high = plot.high;
    chart.scatter.colour = ReferenceColour;
    for (size_t i = 0; i < plot.x.size(); ++i) chart.scatter.points.push_back({plot.x[i], plot.y[i]});
    const bool czech = CurrentLanguage() == Language::Czech;
    const std::vector<std::string> fits = raw_.FitList();
    const int chosen = raw_.ChosenFit();
    const std::string type =
        chosen >= 0 && chosen < static_cast<int>(fits.size()) ? fits[static_cast<size_t>(chosen)] : "";
    chart.titleLines = {(pp ? "P-P : " : "Q-Q : ") + type};
    if (pp) {
        chart.bottomAxisTitle = czech ? "Prvotní data  (i - 0.5) / N" : "Raw data  (i - 0.5) / N";
        chart.leftAxisTitle = "F(x)  " + type;
    } else {
        chart.bottomAxisTitle = czech ? "Prvotní data  x" : "Raw data  x";
        chart.leftAxisTitle = czech ? "Kvantil  " + type : "Quantile  " + type;
    }
    return chart;
}

std::array<std::string, FitViewCount> FitRankingWindowModel::FitViewNames()
{
    if (CurrentLanguage() == Language::Czech) return {"Histogram", "P-P graf", "Q-Q graf"};
    return {"Histogram", "P-P plot", "Q-Q plot"};
}

}  // namespace morvik
