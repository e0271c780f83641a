#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartModel.h"
#include "common/Colour.h"
#include "histogram/Histogram.h"

namespace morvik {

// The histogram name as window captions show it: everything from its first "." on removed.
std::string NameBeforeDot(std::string_view name);

// What the distribution-function chart takes from the main window and the window's own controls.
struct DistributionChartOptions {
    std::vector<std::string> titleLines;  // the two lines of the main chart's title
    Colour titleColour = RgbColour(0, 0, 128);
    Colour barColour = 12639424;   // "Histogram KTZ"
    Colour background = 16777215;  // "GRAF pozadí KTZ"
    bool indexLabels = false;      // the main window labels the bars by index
    ChartMarks marks;              // CBMarks, SpinEdAngle, CheckBox1
};

// The window a closed distribution-function window enables again: the one it was opened from.
enum class DistributionOpener { Parametric, RawData, Main };
DistributionOpener DistributionOpenerToEnable(bool parametricShown, bool rawDataShown);

// Where the chart command bar Panel2 goes: at the top, 297 pixels left of the chart's right edge, and shown only
// when the window is at least as wide as the screen and the main window's command-bar option is ticked.
struct CommandBarPlace {
    bool visible = false;
    int left = 0;
};
CommandBarPlace DistributionCommandBar(int windowWidth, int screenWidth, int chartRight, bool commandBarOption);

// One row of the table StringGrid2: interval number, x, F(x).
using DistributionTableRow = std::array<std::string, 3>;

// The distribution function F(x) of the displayed histogram (the load-duration curve), rebuilt from the
// histogram each time the window asks: F0 = 0 and Fi = Fi-1 + pi, summed in interval order.
class DistributionFunctionModel {
public:
    DistributionFunctionModel(const Histogram& result, HistogramKind kind, std::string histogramName);

    // The window opens only while the main window names a histogram; otherwise the command does nothing.
    static std::optional<DistributionFunctionModel> Open(const Histogram& result, HistogramKind kind,
                                                         const std::string& histogramName);

    int Bins() const { return static_cast<int>(F_.size()); }
    // Fi for i = 1..Bins (index from 0).
    const std::vector<double>& F() const { return F_; }
    // The value of interval `index` (from 0): Min + index * Width, and Max exactly for the last one.
    double ValueAt(int index) const;

    // The name without extension and the window caption (message 59 with that name).
    std::string Name() const { return NameBeforeDot(name_); }
    std::string Caption() const;

    // The chart: one bar of height Fi per interval, in the current language.
    ChartModel Chart(const DistributionChartOptions& options) const;

    // The table: row 0 the headings, then for Discrete the lower edge of the first interval, and for every
    // interval its centre row and its upper-edge row (2 Bins + 2 rows); for Pure Discrete one row per value
    // (Bins + 1 rows).
    static const DistributionTableRow& TableHeadings();
    std::vector<DistributionTableRow> TableRows() const;
    // Rows painted light grey-green unless the main window asks for a plain table: the interval rows of a
    // Discrete table, every value row of a Pure Discrete one.
    bool RowShaded(int row) const;
    static constexpr Colour ShadedRowColour = 14609886;

private:
    Histogram histogram_;
    HistogramKind kind_;
    std::string name_;
    std::vector<double> F_;
};

}  // namespace morvik
