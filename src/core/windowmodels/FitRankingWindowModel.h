#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "rawdata/RankingTable.h"
#include "windowmodels/RawDataWindowModel.h"

namespace morvik {

// The columns of the ranking window's grids: 0 the row number, 1 to 11 fields 0 to 10 (type, closeness,
// median, mode, mean, variance, standard deviation, variation, skewness, kurtosis, parameters), 12 to 14 the
// goodness of fit on the raw values (Kolmogorov-Smirnov D and p, Anderson-Darling A^2).
constexpr int RankingGridColumns = 15;
using RankingGridRow = std::array<std::string, RankingGridColumns>;

// What the second chart shows of the chosen fit: its histogram, or its probability plot against the raw values.
enum class FitView { Histogram, PP, QQ };
constexpr int FitViewCount = 3;

// The fit ranking window (TForm19) without any widget: the table of the accepted fits over the raw-data window's
// ranking, its sorting, the suitability marking with the removal, and the fit a chosen row shows.
class FitRankingWindowModel {
public:
    // The model works on the raw-data window's ranking; the raw-data model outlives it.
    explicit FitRankingWindowModel(RawDataWindowModel& raw);

    // Opening (`BTabChar`): the table of the current ranking sorted by closeness, with the unsuitable fits
    // marked. False (and nothing shown) when there is no ranking.
    bool Open();
    bool IsOpen() const { return table_.has_value(); }

    // `CBTypVyberu`: sorts by key 0 to 12 (0 only moves the filled rows together); clears the selection.
    void SortBy(int key);
    // `CBVyber`: what the distance keys (4, 6, 8) are measured from; sorts again by the current key.
    void SetReference(SortReference reference);
    int SortKey() const { return key_; }
    SortReference Reference() const { return reference_; }
    bool ReferenceShown() const { return RankingTable::ReferenceShown(key_); }

    // Selecting row `row` (1-based) of `SGChar`: a row holding a fit shows that fit in the raw-data window and
    // on `Chart2`; any other row hides `Chart2` and shows the best fit.
    void SelectRow(int row);
    int SelectedRow() const { return selected_; }
    bool FitChartShown() const { return fitShown_; }

    // The suitability marking: rows MarkedFrom() to Count() are selected and the removal is offered.
    bool RemovalOffered() const { return table_ && table_->RemovalOffered(); }
    int MarkedFrom() const { return table_ ? table_->MarkedFrom() : 0; }
    int Count() const { return table_ ? table_->Count() : 0; }
    // Whether row `row` (1-based) holds a marked fit, wherever the sorting has put it.
    bool IsMarked(int row) const { return table_ && row >= 1 && table_->IsMarked(static_cast<size_t>(row - 1)); }
    // `ChBVymazRadkuTab` checked: the marked rows and their fits are removed.
    void RemoveMarked();

    // `SGChar`: the heading row (row 0) and rows 1 to 23, in the current language.
    static RankingGridRow Headings();
    std::vector<RankingGridRow> Rows() const;
    // `SGCharPD` row 1: the raw-data histogram's row.
    RankingGridRow RawRow() const;
    // `SGCharPDZ` row 1, columns 1 to 3: the mean, standard deviation and skewness of the data themselves.
    std::array<std::string, 3> DataRow() const;

    // `Chart1`: the raw-data histogram, the reference, in navy. `Chart2`: the fit shown, in light blue, as bars
    // or as its P-P or Q-Q plot against the raw values. The bars are labelled with the interval numbers from 0.
    ChartModel ReferenceChart() const;
    ChartModel FitChart() const;
    void SetFitView(FitView view) { view_ = view; }
    FitView View() const { return view_; }
    // The items of the view list, in the current language.
    static std::array<std::string, FitViewCount> FitViewNames();
    static constexpr Colour ReferenceColour = RgbColour(0, 0, 128);
    static constexpr Colour FitColour = RgbColour(166, 202, 240);

private:
    RawDataWindowModel& raw_;
    std::optional<RankingTable> table_;
    int key_ = 1;
    SortReference reference_ = SortReference::RawData;
    int selected_ = 0;
    bool fitShown_ = false;
    FitView view_ = FitView::Histogram;
};

}  // namespace morvik
