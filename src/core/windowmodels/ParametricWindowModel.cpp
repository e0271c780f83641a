#include "windowmodels/ParametricWindowModel.h"

#include <exception>
#include <span>

#include "common/NumberText.h"
#include "histogram/Characteristics.h"
#include "localization/MainWindowTexts.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/ParametricDisplay.h"
#include "parametric/ParametricInputChecks.h"
#include "statlib/NumberParse.h"
#include "statlib/Statistics.h"

namespace morvik {
namespace {

// The parameter texts the window starts with when the main window opens it.
const ParameterTexts StartParameterTexts = {"10", "1", "1.1", "1.9"};
const char* const StartGroupCaption = "Frekvenční funkce : F ( x | ? , ? , ? )";

// A floating-point fault that escaped the generation: messages 101 to 105; anything else is 145.
int EscapedFaultMessageNumber(FloatFault fault)
{
    switch (fault) {
    case FloatFault::DivisionByZero: return 101;
    case FloatFault::Overflow: return 102;
    case FloatFault::Underflow: return 103;
    case FloatFault::InvalidOperation: return 104;
    case FloatFault::OtherFloatingPoint: return 105;
    case FloatFault::Other: break;
    }
    return 145;
}

ParametricField ParameterField(int slot)
{
    static constexpr ParametricField fields[] = {ParametricField::Para1, ParametricField::Para2, ParametricField::Para3,
                                                 ParametricField::Para4};
    return fields[slot];
}

int ParameterSlot(ParametricField field)
{
    switch (field) {
    case ParametricField::Para1: return 0;
    case ParametricField::Para2: return 1;
    case ParametricField::Para3: return 2;
    case ParametricField::Para4: return 3;
    default: return -1;
    }
}

void Append(ParametricStep& step, ParametricStep&& more)
{
    for (Message& message : more.messages) step.messages.push_back(std::move(message));
    if (more.focus != ParametricField::None) step.focus = more.focus;
}

}  // namespace

ParametricWindowModel::ParametricWindowModel(const GenerationFields& fields)
{
    const GenerationFields defaults;
    double eps = 0;
    int bins = 0;
    rememberedEps_ = CheckEps(fields.Eps, eps) ? defaults.Eps : fields.Eps;
    epsText_ = rememberedEps_;
    accepted_.eps = rememberedEps_;
    intervalsText_ = CheckIntervalCount(fields.PocetIntervalu, bins) ? defaults.PocetIntervalu : fields.PocetIntervalu;
    accepted_.intervals = intervalsText_;
    accepted_.parameters = generator_.Texts();
}

void ParametricWindowModel::Start()
{
    pure_ = false;
    type_ = 0;
    layoutType_.reset();
    captionsExplained_ = false;
    epsVisible_ = true;
    generator_.SetResetPending(true);
    generator_.SetTexts(StartParameterTexts);
    accepted_.parameters = StartParameterTexts;
    minText_.clear();
    maxText_.clear();
    accepted_.min.clear();
    accepted_.max.clear();
    parametersEnabled_ = false;
    intervalsEnabled_ = false;
    rangeEnabled_ = false;
    charEnabled_ = false;
    chartShown_ = false;
    shown_.reset();
    edited_ = false;
    epsText_ = rememberedEps_;
    accepted_.eps = rememberedEps_;
}

ParametricStep ParametricWindowModel::Compute()
{
    ParametricStep step;
    parametersEnabled_ = true;
    double eps = 0;
    if (std::optional<Message> refused = CheckEps(epsText_, eps)) {
        // A refused Eps never reaches the generation: the remembered one is used, as when leaving the field.
        step.messages.push_back(*refused);
        epsText_ = rememberedEps_;
        CheckEps(epsText_, eps);
    }
    int bins = 0;
    if (std::optional<Message> refused = CheckIntervalCount(intervalsText_, bins)) {
        step.messages.push_back(*refused);
        intervalsText_ = accepted_.intervals;
        intervalsEnabled_ = true;  // it gets the focus, so it must take it
        step.focus = ParametricField::Intervals;
        chartShown_ = shown_.has_value();  // the field is back at the shown histogram's text
        return step;
    }

    layoutType_ = type_;
    captionsExplained_ = false;
    // A refused generation leaves the Eps row as the shown histogram had it.
    const bool epsVisibleBefore = epsVisible_;
    epsVisible_ = type_ != UniformType && type_ != TriangularType;
    GenerationOutcome outcome;
    try {
        outcome = generator_.VypParaRoz({type_, eps, bins, ShownKind(), std::nullopt});
    } catch (const FloatingPointFault& fault) {
        step.messages.push_back(Message::Error(TextCis(EscapedFaultMessageNumber(fault.fault))));
        chartShown_ = false;
        return step;
    } catch (const std::exception&) {
        step.messages.push_back(Message::Error(TextCis(msg::UndefinedResult)));
        return step;
    }

    const ParameterTexts& texts = generator_.Texts();
    const std::optional<double> p1 = ParseDouble(texts[0]);
    const std::optional<double> p2 = ParseDouble(texts[1]);
    if (epsVisible_ && p1 && p2) epsVisible_ = EpsShown(type_, *p1, *p2);

    if (outcome.faultMessage) step.messages.push_back(*outcome.faultMessage);
    if (!outcome.GenerationOk || !outcome.result) {
        if (shown_) epsVisible_ = epsVisibleBefore;
        if (outcome.refusal) {
            step.messages.push_back(outcome.refusal->message);
            const int slot = outcome.refusal->focusParameter - 1;
            if (slot >= 0 && slot < 4) {
                step.focus = ParameterField(slot);
                if (outcome.refusal->restoreAcceptedText) {
                    generator_.SetText(slot, accepted_.parameters[static_cast<size_t>(slot)]);
                    chartShown_ = shown_.has_value() && generator_.Texts() == accepted_.parameters;
                }
            }
        }
        return step;
    }

    const GeneratedHistogram& result = *outcome.result;
    ShownParametric shown;
    shown.type = type_;
    shown.name = result.name;
    shown.texts = texts;
    shown.bins = result.histogram.Bins;
    shown.min = result.outerMin;
    shown.max = result.outerMax;
    shown.total = result.histogram.Total;
    shown.prob = result.histogram.Prob;
    shown_ = shown;
    chartShown_ = true;
    minText_ = StrNaCarku(shown.min);
    maxText_ = StrNaCarku(shown.max);
    rangeEnabled_ = true;
    intervalsEnabled_ = true;
    charEnabled_ = true;
    captionsExplained_ = true;
    Accept();
    return step;
}

void ParametricWindowModel::Accept()
{
    accepted_.eps = epsText_;
    accepted_.intervals = intervalsText_;
    accepted_.min = minText_;
    accepted_.max = maxText_;
    accepted_.parameters = generator_.Texts();
    edited_ = false;
}

ParametricStep ParametricWindowModel::ChangeType(int type)
{
    type_ = type >= 0 && type < DistributionTypeCount ? type : 0;
    generator_.SetResetPending(true);
    return Compute();
}

ParametricStep ParametricWindowModel::SetPureDiscrete(bool pure)
{
    pure_ = pure;
    return Compute();
}

void ParametricWindowModel::EditText(ParametricField field, const std::string& text)
{
    const int slot = ParameterSlot(field);
    if (slot >= 0) generator_.SetText(slot, text);
    else if (field == ParametricField::Eps) epsText_ = text;
    else if (field == ParametricField::Intervals) intervalsText_ = text;
    else if (field == ParametricField::Min) minText_ = text;
    else if (field == ParametricField::Max) maxText_ = text;
    else return;
    edited_ = true;
    chartShown_ = false;
}

ParametricStep ParametricWindowModel::LeaveField(ParametricField field)
{
    switch (field) {
    case ParametricField::Para3: return Compute();
    case ParametricField::Para1:
    case ParametricField::Para2:
    case ParametricField::Para4:
    case ParametricField::Intervals: return edited_ ? Compute() : ParametricStep{};
    case ParametricField::Eps: return edited_ ? LeaveEps() : ParametricStep{};
    case ParametricField::Min: return edited_ ? LeaveRangeEnd(true) : ParametricStep{};
    case ParametricField::Max: return edited_ ? LeaveRangeEnd(false) : ParametricStep{};
    case ParametricField::None: break;
    }
    return {};
}

ParametricStep ParametricWindowModel::LeaveEps()
{
    ParametricStep step;
    double eps = 0;
    if (std::optional<Message> refused = CheckEps(epsText_, eps)) {
        step.messages.push_back(*refused);
        epsText_ = rememberedEps_;
    }
    Append(step, Compute());
    return step;
}

ParametricStep ParametricWindowModel::LeaveRangeEnd(bool minimum)
{
    ParametricStep step;
    if (!shown_) return step;
    std::string& text = minimum ? minText_ : maxText_;
    std::string& acceptedText = minimum ? accepted_.min : accepted_.max;
    auto refuse = [&](std::string message) {
        step.messages.push_back(Message::Error(std::move(message)));
        text = acceptedText;
        step.focus = minimum ? ParametricField::Min : ParametricField::Max;
        chartShown_ = true;  // the field is back at the shown range
        edited_ = false;
        return step;
    };
    const std::optional<double> value = ParseDouble(text);
    if (!value) return refuse(TextCis(msg::NotAValidNumber) + (minimum ? " MinX " : " MaxX ") + text);
    if (minimum && !(*value < shown_->max)) return refuse("MinX >= MaxX !");
    if (!minimum && !(*value > shown_->min)) return refuse("MaxX <= MinX !");

    // The same probabilities are laid over the new range; nothing is generated again.
    (minimum ? shown_->min : shown_->max) = *value;
    text = StrNaCarku(*value);
    acceptedText = text;
    edited_ = false;
    chartShown_ = true;
    return step;
}

std::optional<GeneratedHistogram> ParametricWindowModel::Close()
{
    std::optional<GeneratedHistogram> handed;
    if (chartShown_ && shown_) {
        GeneratedHistogram result;
        result.name = shown_->name;
        result.kind = ShownKind();
        result.histogram = ShownHistogram();
        result.outerMin = shown_->min;
        result.outerMax = shown_->max;
        handed = result;
    }
    chartShown_ = false;
    rememberedEps_ = FieldsToKeep().Eps;
    return handed;
}

std::string ParametricWindowModel::Text(ParametricField field) const
{
    const int slot = ParameterSlot(field);
    if (slot >= 0) return generator_.Texts()[static_cast<size_t>(slot)];
    switch (field) {
    case ParametricField::Eps: return epsText_;
    case ParametricField::Intervals: return intervalsText_;
    case ParametricField::Min: return minText_;
    case ParametricField::Max: return maxText_;
    default: return {};
    }
}

std::string ParametricWindowModel::ParameterLabel(int slot) const
{
    if (!layoutType_) return std::to_string(slot + 1) + ".parametr";
    const std::string caption = ParameterCaption(*layoutType_, slot);
    if (captionsExplained_ && slot == 0 && (caption == "Mi" || caption == "Xo")) return TextCis(msg::MeanCaption);
    if (captionsExplained_ && slot == 1 && caption == "Sigma") return TextCis(msg::DeviationCaption);
    return caption;
}

bool ParametricWindowModel::ParameterVisible(int slot) const
{
    return !layoutType_ || ParameterShown(*layoutType_, slot);
}

bool ParametricWindowModel::Para3ReadOnly() const
{
    return type_ != BetaUniversalType && type_ != TriangularType && type_ != LogNormal3PType;
}

std::string ParametricWindowModel::GroupCaption() const
{
    return layoutType_ ? ::morvik::GroupCaption(*layoutType_) : StartGroupCaption;
}

GenerationFields ParametricWindowModel::FieldsToKeep() const
{
    GenerationFields fields;
    double eps = 0;
    int bins = 0;
    fields.Eps = CheckEps(epsText_, eps) ? accepted_.eps : epsText_;
    fields.PocetIntervalu = CheckIntervalCount(intervalsText_, bins) ? accepted_.intervals : intervalsText_;
    return fields;
}

Histogram ParametricWindowModel::ShownHistogram() const
{
    Histogram h;
    if (!shown_) return h;
    const ShownParametric& s = *shown_;
    h.Bins = s.bins;
    h.Prob = s.prob;
    h.Total = s.total;
    h.Range = s.max - s.min;
    if (pure_) {
        h.Width = s.bins > 1 ? (s.max - s.min) / (s.bins - 1) : 0;
        h.Min = s.min;
        h.Max = s.max;
    } else {
        h.Width = (s.max - s.min) / s.bins;
        h.Min = s.min + h.Width / 2;
        h.Max = s.max - h.Width / 2;
    }
    return h;
}

std::array<std::string, 4> ParametricWindowModel::CharacteristicsGrid() const
{
    if (!shown_) return {};
    const Histogram h = ShownHistogram();
    const std::span<const double> prob(h.Prob.data(), static_cast<size_t>(h.Bins));
    // Median and mode over the values the table shows, so that they agree with the main window's later.
    return {StrNaCarku(h.Min), StrNaCarku(h.Max), VypMedian(!pure_, prob, h.Min, h.Max, h.Bins),
            VypMode(prob, h.Bins, h.Min, h.Max)};
}

std::string ParametricWindowModel::CharacteristicsDialogText() const
{
    if (!shown_) return {};
    const Histogram h = ShownHistogram();
    return CharacteristicsText(TextCis(msg::ParametricTypeCaption) + TypeListText(shown_->type),
                               std::span<const double>(h.Prob.data(), static_cast<size_t>(h.Bins)), h.Bins, h.Min,
                               h.Max, ShownKind(), h.Total);
}

std::string ParametricWindowModel::ChartTitleLine() const
{
    if (!shown_) return {};
    const int type = shown_->type;
    std::string line = TextCis(msg::ParametricKindText) + " : " + TypeListText(type);
    for (int slot = 0; slot < 4 && ParameterShown(type, slot); ++slot) {
        line += slot == 0 ? "  F ( x |  " : " , ";
        line += ParameterCaption(type, slot) + "=" + shown_->texts[static_cast<size_t>(slot)];
    }
    return line + " )";
}

ChartModel ParametricWindowModel::Chart(const MainWindowSettings& main, Colour background, const ChartMarks& marks,
                                        const std::string& dateTime) const
{
    const Histogram shown = ShownHistogram();
    ChartModel chart;
    chart.titleLines = {dateTime, ChartTitleLine()};
    chart.titleColour = main.colours.chartTitle;
    const std::vector<std::string> labels = BarLabels(shown, main.index1);
    for (int i = 0; i < shown.Bins; ++i) {
        chart.main.bars.push_back({shown.Prob[i], main.colours.parametricBars, labels[i]});
    }
    chart.main.marks = marks;
    chart.valueFormat = "#.##### E-";
    chart.labelSeparation = 30;
    chart.bottomAxisTitle = main.index1 ? "Index   f(z)" : TextCis(msg::ParametricValueAxis);
    chart.leftAxisTitle = MainLeftAxisTitle(CurrentLanguage());
    chart.legend.visible = true;
    chart.legend.title = "p    pf(z)";
    chart.legend.gradientStart = main.colours.parametricBars;
    chart.backgroundColour = background;
    chart.plotColour = background;
    return chart;
}

}  // namespace morvik
