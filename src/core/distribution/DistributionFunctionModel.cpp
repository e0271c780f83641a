#include "distribution/DistributionFunctionModel.h"

#include <algorithm>

#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {

std::string NameBeforeDot(std::string_view name) { return std::string(name.substr(0, name.find('.'))); }

DistributionOpener DistributionOpenerToEnable(bool parametricShown, bool rawDataShown)
{
    if (parametricShown) return DistributionOpener::Parametric;
    return rawDataShown ? DistributionOpener::RawData : DistributionOpener::Main;
}

CommandBarPlace DistributionCommandBar(int windowWidth, int screenWidth, int chartRight, bool commandBarOption)
{
    return {commandBarOption && windowWidth >= screenWidth, chartRight - 297};
}

DistributionFunctionModel::DistributionFunctionModel(const Histogram& result, HistogramKind kind,
                                                     std::string histogramName)
    : histogram_(result), kind_(kind), name_(std::move(histogramName))
{
    const int bins = std::clamp(result.Bins, 0, MaxBins);
    F_.reserve(static_cast<size_t>(bins));
    double sum = 0;
    for (int i = 0; i < bins; ++i) {
        sum += result.Prob[i];
        F_.push_back(sum);
    }
}

std::optional<DistributionFunctionModel> DistributionFunctionModel::Open(const Histogram& result, HistogramKind kind,
                                                                         const std::string& histogramName)
{
    if (histogramName.empty()) return std::nullopt;
    return DistributionFunctionModel(result, kind, histogramName);
}

double DistributionFunctionModel::ValueAt(int index) const
{
    // The last value is Max itself, not Min plus a sum of widths that may miss it by rounding.
    if (index == Bins() - 1) return histogram_.Max;
    return histogram_.Min + index * histogram_.Width;
}

std::string DistributionFunctionModel::Caption() const { return FormatText(msg::DistributionCaption, Name()); }

ChartModel DistributionFunctionModel::Chart(const DistributionChartOptions& options) const
{
    ChartModel chart;
    chart.titleLines = options.titleLines;
    chart.titleColour = options.titleColour;
    for (int i = 0; i < Bins(); ++i) {
        const std::string label = options.indexLabels ? std::to_string(i) : StrBottomGraf(F_[i], ValueAt(i));
        chart.main.bars.push_back({F_[i], options.barColour, label});
    }
    chart.main.marks = options.marks;
    chart.valueFormat = "#.### E-";
    chart.labelSeparation = 30;
    chart.bottomAxisTitle = options.indexLabels ? "Index   x" : TextCis(msg::DistributionValueAxis);
    chart.leftAxisTitle = TextCis(msg::DistributionFunctionAxis);
    chart.legend.visible = true;
    chart.legend.title = "p    P(x)";
    chart.legend.gradientStart = options.barColour;
    chart.backgroundColour = options.background;
    chart.plotColour = options.background;
    return chart;
}

const DistributionTableRow& DistributionFunctionModel::TableHeadings()
{
    static const DistributionTableRow headings = {" INT", "     x", "     F(x)"};
    return headings;
}

std::vector<DistributionTableRow> DistributionFunctionModel::TableRows() const
{
    const Histogram& h = histogram_;
    std::vector<DistributionTableRow> rows{TableHeadings()};
    if (kind_ == HistogramKind::Discrete) {
        rows.push_back({"", StrNaCarku(h.Min - h.Width / 2), StrNaCarku(0)});
        double before = 0;
        for (int i = 0; i < Bins(); ++i) {
            rows.push_back({TCetnost(4, i + 1), StrNaCarku(ValueAt(i)), StrNaCarku(before + h.Prob[i] / 2)});
            rows.push_back({"", StrNaCarku(h.Min + (i + 0.5) * h.Width), StrNaCarku(F_[i])});
            before = F_[i];
        }
    } else {
        for (int i = 0; i < Bins(); ++i) {
            rows.push_back({TCetnost(4, i + 1), StrNaCarku(h.Min + i * h.Width), StrNaCarku(F_[i])});
        }
    }
    return rows;
}

bool DistributionFunctionModel::RowShaded(int row) const
{
    if (kind_ == HistogramKind::Discrete) return row >= 2 && row % 2 == 0 && row <= 2 * Bins();
    return row >= 1 && row <= Bins();
}

}  // namespace morvik
