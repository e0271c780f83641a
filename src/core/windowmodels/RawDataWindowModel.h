#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "common/Message.h"
#include "histogram/Histogram.h"
#include "rawdata/FitRanking.h"
#include "rawdata/RankingTable.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/RawHistogram.h"
#include "shell/ChartWindowSettings.h"
#include "shell/MainWindowSettings.h"

namespace morvik {

// The entry fields of the raw-data window.
enum class RawDataField { None, Intervals, Min, Max, Eps };

// What a command asks the window to do afterwards: the dialogs to show, in order, and the field to focus.
struct RawDataStep {
    std::vector<Message> messages;
    RawDataField focus = RawDataField::None;
};

// The Eps and interval count as the settings file keeps them.
using RawDataWindowFields = GenerationFields;

// The histogram the window hands to the main window when it closes.
struct RawDataResult {
    Histogram histogram;  // Min/Max the first/last midpoints (Discrete) or values (Pure Discrete)
    HistogramKind kind = HistogramKind::Discrete;
    std::string name;  // "RawData_(" + file name up to its first "." [+ "-" + type] + ")"
};

// The state and commands of the raw-data window without any widget: the data read, the histogram built from
// them, the fields with their rules, and the fit ranking with the fit shown.
class RawDataWindowModel {
public:
    explicit RawDataWindowModel(const RawDataWindowFields& fields = {});

    // `OpenData` after the open dialog: reads the file, and on success shows its statistics and builds the
    // histogram over the data's Min..Max. A refused file leaves everything as it was.
    RawDataStep OpenFile(const std::string& path);
    // The same with data already read (`name` is the file name shown).
    RawDataStep LoadData(RawDataSet data, const std::string& name);

    // A user's change of a field: the results are blanked until the histogram is built again.
    void EditText(RawDataField field, const std::string& text);
    // Leaving a field: nothing unless it was changed; otherwise its rule, and a rebuild when it passes.
    RawDataStep LeaveField(RawDataField field);
    // "Pure Discrete" ticked or unticked: a rebuild.
    RawDataStep SetPureDiscrete(bool pure);
    // `Button2` ("NeParam"): builds the histogram of the data.
    RawDataStep Build();
    // `BuParam` ("Param"): fits every type and shows the best fit.
    // `progress` (optional) is told each type number as its fit starts; it may be called from the thread
    // that runs the fit.
    RawDataStep Fit(const std::function<void(int)>& progress = {});
    // A choice in the fit list (0-based position in the ranking).
    RawDataStep ChooseFit(int position);

    // Controls.
    bool HasData() const { return data_.has_value(); }
    const std::optional<RawDataSet>& Data() const { return data_; }
    const std::string& FileName() const { return fileName_; }
    std::string Text(RawDataField field) const;
    bool PureDiscrete() const { return pure_; }
    bool EditPending() const { return editPending_; }
    // `StringGrid3` column 1: count, mean, standard deviation, skewness.
    std::array<std::string, 4> DataGrid() const;
    // The listing line of value j (1-based).
    std::string ListingLine(int j) const { return RawListingLine(*data_, j); }

    // The raw-data histogram, present while the results are shown.
    const std::optional<RawHistogram>& Histogram() const { return histogram_; }
    double Eps() const { return eps_; }

    // The fit: the ranking, the fit list (`CBTypPara`), the chosen entry and the fit shown.
    const std::optional<FitRanking>& Ranking() const { return ranking_; }
    std::vector<std::string> FitList() const;
    int ChosenFit() const { return chosen_; }
    const std::optional<ShownFit>& ShownFitHistogram() const { return shownFit_; }
    std::string ClosenessText() const;  // `StringGrid4` cell 1,0
    // The histogram shown on `Chart1L`: the chosen fit's when one is shown, otherwise the data's.
    std::optional<morvik::Histogram> ShownHistogram() const;
    HistogramKind ShownKind() const { return pure_ ? HistogramKind::PureDiscrete : HistogramKind::Discrete; }
    // `StringGrid1` column 1 (Xmin, Xmax, Median, Mode) and `StringGrid6` column 1 (mean, standard deviation,
    // skewness) of the shown histogram; empty while nothing is shown.
    std::array<std::string, 4> CharacteristicsGrid() const;
    std::array<std::string, 3> MomentsGrid() const;
    // The content of `Chart1L`. The data's histogram: line 1 text 107, line 2 text 109, the file name up to its
    // first ".", and the date and time. A fit: line 1 text 108, the type and its parameters, line 2 text 109 and
    // the file name.
    ChartModel Chart(const MainWindowSettings& main, Colour background, const ChartMarks& marks,
                     const std::string& dateTime) const;
    // The caption of `GroupBox4`: text 117 and the parameters of the fit shown; empty for the data's histogram.
    std::string ShownCaption() const;
    // The content of `Chart1Min`: the data's histogram alone.
    ChartModel DataChart(const MainWindowSettings& main) const;
    // The Eps and interval count to keep in the settings: the texts accepted last.
    RawDataWindowFields FieldsToKeep() const;
    static constexpr Colour IntervalRowColour = 16769505;
    // The name handed to the main window.
    std::string ResultName() const;
    // Closing: the shown histogram, when there is one; the window then shows nothing.
    std::optional<RawDataResult> Close();
    // The "Char" dialog: the characteristics of the histogram shown (the fit's when one is shown), titled with
    // text 106, or 214 and the type name; the data count is the frequency total.
    std::string CharacteristicsDialogText() const;
    // The ranking window's table of the current ranking.
    std::optional<RankingTable> MakeRankingTable() const;
    // The removal of the marked rows of the ranking window reaches the ranking.
    void RemoveMarked(RankingTable& table);

private:
    void BlankResults();
    std::optional<FitSource> Source() const;

    std::optional<RawDataSet> data_;
    std::string fileName_;
    bool pure_ = false;
    // Fields: the texts as they stand, and the values the build uses. The range keeps the exact values unless
    // the user types others: the six-digit texts could merge Min and Max of data with more digits.
    std::string intervalsText_, acceptedIntervals_;
    std::string minText_, maxText_, readMinText_, readMaxText_;
    double min_ = 0, max_ = 0;
    std::string epsText_, openedEps_;
    double eps_ = 1e-7;
    bool editPending_ = false;

    std::optional<RawHistogram> histogram_;
    std::optional<FitRanking> ranking_;
    int chosen_ = -1;
    std::optional<ShownFit> shownFit_;
};

}  // namespace morvik
