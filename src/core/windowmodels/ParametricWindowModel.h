#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "common/Message.h"
#include "histogram/Histogram.h"
#include "parametric/ParametricGenerator.h"
#include "shell/ChartWindowSettings.h"
#include "shell/MainWindowSettings.h"

namespace morvik {

// The entry fields of the parametric distribution window.
enum class ParametricField { None, Para1, Para2, Para3, Para4, Eps, Intervals, Min, Max };

// What a command of the window asks it to do afterwards: the dialogs to show, in order, and the field to focus.
struct ParametricStep {
    std::vector<Message> messages;
    ParametricField focus = ParametricField::None;
};

// The histogram the window shows: the generated probabilities laid over the range Min..Max (outer edges),
// which the range fields may move afterwards.
struct ShownParametric {
    int type = 0;
    std::string name;      // "ParRoz_" + the list text of the type it was generated from
    ParameterTexts texts;  // the parameter texts it was generated from
    int bins = 0;
    double min = 0;
    double max = 0;
    double total = 0;
    std::array<double, MaxBins> prob{};
};

// The state and commands of the parametric distribution window without any widget. The window forwards the
// user's edits and events and then shows what the model says; parameter texts live in the generator, as the
// generation reads them.
class ParametricWindowModel {
public:
    // The Eps and interval count as the settings file keeps them; a text that would be refused is replaced by
    // its default, so that a damaged file cannot lock the window into refusing every computation.
    explicit ParametricWindowModel(const GenerationFields& fields = {});

    // The reset the main window makes before it shows the window (the computation follows separately).
    void Start();
    // `VypocetParaRozClick`.
    ParametricStep Compute();
    // A new item of the type list: the next generation writes the type's default texts first.
    ParametricStep ChangeType(int type);
    // "Pure Discrete" ticked or unticked: a new computation.
    ParametricStep SetPureDiscrete(bool pure);
    // A user's change of a field: the chart is hidden until a command succeeds.
    void EditText(ParametricField field, const std::string& text);
    // The user leaves a field: the field's exit rule (most act only after a change).
    ParametricStep LeaveField(ParametricField field);
    // Closing: the histogram to hand over (only while the chart is shown), and the Eps is remembered.
    std::optional<GeneratedHistogram> Close();

    // Controls.
    int Type() const { return type_; }
    bool PureDiscrete() const { return pure_; }
    std::string Text(ParametricField field) const;
    bool Edited() const { return edited_; }
    std::string ParameterLabel(int slot) const;  // LabPara1..LabPara4 (slot 0..3)
    bool ParameterVisible(int slot) const;
    bool Para3ReadOnly() const;
    bool EpsVisible() const { return epsVisible_; }
    std::string GroupCaption() const;  // GBParametry, as the model holds it (the window pads it)
    bool ParametersEnabled() const { return parametersEnabled_; }
    bool IntervalsEnabled() const { return intervalsEnabled_; }
    bool RangeEnabled() const { return rangeEnabled_; }
    bool CharEnabled() const { return charEnabled_; }
    bool ChartShown() const { return chartShown_; }
    const std::string& RememberedEps() const { return rememberedEps_; }

    // The fields as the settings file keeps them: the last accepted texts where the fields hold refused ones.
    GenerationFields FieldsToKeep() const;

    // The shown histogram (present from the first successful computation on).
    const std::optional<ShownParametric>& Shown() const { return shown_; }
    // It laid out as "Pure Discrete" says: Min/Max the first/last values (midpoints for Discrete).
    Histogram ShownHistogram() const;
    HistogramKind ShownKind() const { return pure_ ? HistogramKind::PureDiscrete : HistogramKind::Discrete; }
    // StringGrid1 column 1: Xmin, Xmax, Median, Mode.
    std::array<std::string, 4> CharacteristicsGrid() const;
    // The "Char" dialog text.
    std::string CharacteristicsDialogText() const;
    // Line 2 of the chart title: message 57, the type and its parameters.
    std::string ChartTitleLine() const;
    // What the chart shows of the shown histogram: `main` gives the axis labels and colours, `dateTime` the
    // first title line; the texts are in the current language.
    ChartModel Chart(const MainWindowSettings& main, Colour background, const ChartMarks& marks,
                     const std::string& dateTime) const;
    // The plain rows of its interval table are light blue-grey.
    static constexpr Colour IntervalRowColour = 16769505;

private:
    ParametricStep LeaveEps();
    ParametricStep LeaveRangeEnd(bool minimum);
    void Accept();

    ParametricGenerator generator_;
    int type_ = 0;
    bool pure_ = false;
    std::string epsText_;
    std::string rememberedEps_;
    std::string intervalsText_;
    std::string minText_;
    std::string maxText_;
    // The texts of the last successful computation, put back when a later entry is refused.
    struct AcceptedTexts {
        std::string eps, intervals, min, max;
        ParameterTexts parameters;
    } accepted_;
    bool edited_ = false;
    bool chartShown_ = false;
    std::optional<int> layoutType_;   // the type whose parameter controls are shown; none: all four
    bool captionsExplained_ = false;  // "Mi" and "Sigma" read as messages 89 and 90
    bool epsVisible_ = true;
    bool parametersEnabled_ = false;
    bool intervalsEnabled_ = true;
    bool rangeEnabled_ = false;
    bool charEnabled_ = false;
    std::optional<ShownParametric> shown_;
};

}  // namespace morvik
