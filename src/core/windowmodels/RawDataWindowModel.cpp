#include "windowmodels/RawDataWindowModel.h"

#include <cstdio>
#include <span>

#include "common/NumberText.h"
#include "histogram/Characteristics.h"
#include "histogram/HistogramFile.h"
#include "localization/MainWindowTexts.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/ParametricDisplay.h"
#include "rawdata/RawDataFields.h"
#include "statlib/NumberParse.h"
#include "statlib/Statistics.h"

namespace morvik {
namespace {

void Append(RawDataStep& step, RawDataStep&& more)
{
    for (Message& message : more.messages) step.messages.push_back(std::move(message));
    if (more.focus != RawDataField::None) step.focus = more.focus;
}

}  // namespace

RawDataWindowModel::RawDataWindowModel(const RawDataWindowFields& fields)
{
    int n = 0;
    const RawDataWindowFields defaults;
    intervalsText_ = CheckRawIntervalCount(fields.PocetIntervalu, n) ? defaults.PocetIntervalu : fields.PocetIntervalu;
    acceptedIntervals_ = intervalsText_;
    openedEps_ = CheckRawEps(fields.Eps, eps_) ? defaults.Eps : fields.Eps;
    epsText_ = openedEps_;
    CheckRawEps(epsText_, eps_);
}

RawDataStep RawDataWindowModel::OpenFile(const std::string& path)
{
    RawDataRead read = ReadRawDataFile(path);
    if (!read.ok()) return RawDataStep{{*read.message}, RawDataField::None};
    return LoadData(std::move(read.data), FileNameOf(path));
}

RawDataStep RawDataWindowModel::LoadData(RawDataSet data, const std::string& name)
{
    data_ = std::move(data);
    fileName_ = name;
    min_ = data_->dataMin;
    max_ = data_->dataMax;
    minText_ = readMinText_ = StrNaCarku(min_);
    maxText_ = readMaxText_ = StrNaCarku(max_);
    return Build();
}

void RawDataWindowModel::BlankResults()
{
    histogram_.reset();
    ranking_.reset();
    chosen_ = -1;
    shownFit_.reset();
}

RawDataStep RawDataWindowModel::Build()
{
    RawDataStep step;
    BlankResults();
    if (!data_) return step;
    int n = 0;
    if (CheckRawIntervalCount(acceptedIntervals_, n)) return step;
    // All values equal (or a range turned upside down) leave no interval to count in.
    if (!(min_ < max_)) {
        step.messages.push_back(EmptyRangeMessage());
        return step;
    }
    const HistogramKind kind = pure_ ? HistogramKind::PureDiscrete : HistogramKind::Discrete;
    histogram_ = BuildRawHistogram(*data_, n, min_, max_, kind);
    editPending_ = false;
    return step;
}

void RawDataWindowModel::EditText(RawDataField field, const std::string& text)
{
    switch (field) {
    case RawDataField::Intervals: intervalsText_ = text; break;
    case RawDataField::Min: minText_ = text; break;
    case RawDataField::Max: maxText_ = text; break;
    case RawDataField::Eps: epsText_ = text; break;
    case RawDataField::None: return;
    }
    BlankResults();
    editPending_ = true;
}

RawDataStep RawDataWindowModel::LeaveField(RawDataField field)
{
    RawDataStep step;
    if (!editPending_ || field == RawDataField::None) return step;
    auto refuse = [&](Message message) {
        step.messages.push_back(std::move(message));
        step.focus = field;
    };
    switch (field) {
    case RawDataField::Intervals: {
        int n = 0;
        if (auto refusal = CheckRawIntervalCount(intervalsText_, n)) {
            // A count of 0 stays in the box and nothing is built until a valid count is entered.
            const bool zero = refusal->text == Message::Error(TextCis(msg::ZeroIntervals)).text;
            refuse(*refusal);
            if (!zero) intervalsText_ = acceptedIntervals_;
            return step;
        }
        acceptedIntervals_ = intervalsText_;
        if (data_) {
            if (auto warning = SturgesWarning(n, data_->Count())) step.messages.push_back(*warning);
        }
        break;
    }
    case RawDataField::Min:
    case RawDataField::Max: {
        // Each end is checked against the other; a refusal puts back the text and value the file gave.
        const bool minimum = field == RawDataField::Min;
        std::string& text = minimum ? minText_ : maxText_;
        double& end = minimum ? min_ : max_;
        double value = 0;
        const std::optional<Message> refusal =
            minimum ? CheckRawMin(text, max_, value) : CheckRawMax(text, min_, value);
        if (refusal) {
            refuse(*refusal);
            text = minimum ? readMinText_ : readMaxText_;
            if (data_) end = minimum ? data_->dataMin : data_->dataMax;
            return step;
        }
        end = value;
        text = StrNaCarku(value);
        break;
    }
    case RawDataField::Eps:
        if (auto refusal = CheckRawEps(epsText_, eps_)) {
            // The Eps the window was opened with is taken and the build goes on.
            refuse(*refusal);
            epsText_ = openedEps_;
            CheckRawEps(epsText_, eps_);
        }
        break;
    case RawDataField::None: break;
    }
    Append(step, Build());
    return step;
}

RawDataStep RawDataWindowModel::SetPureDiscrete(bool pure)
{
    pure_ = pure;
    return Build();
}

std::optional<FitSource> RawDataWindowModel::Source() const
{
    if (!data_ || !histogram_) return std::nullopt;
    return FitSource{*data_, *histogram_, eps_};
}

RawDataStep RawDataWindowModel::Fit(const std::function<void(int)>& progress)
{
    RawDataStep step = Build();
    const std::optional<FitSource> source = Source();
    if (!source) return step;
    FitRanking ranking = RankFits(*source, progress);
    if (ranking.refusal) {
        step.messages.push_back(*ranking.refusal);
        if (ranking.rejectedWarning) step.messages.push_back(*ranking.rejectedWarning);
        Append(step, Build());
        return step;
    }
    ranking_ = std::move(ranking);
    Append(step, ChooseFit(0));
    if (ranking_->rejectedWarning) step.messages.push_back(*ranking_->rejectedWarning);
    return step;
}

RawDataStep RawDataWindowModel::ChooseFit(int position)
{
    shownFit_.reset();
    const std::optional<FitSource> source = Source();
    if (!ranking_ || !source || position < 0 || position >= ranking_->acceptedCount) {
        chosen_ = -1;
        return {};
    }
    chosen_ = position;
    const RankedFit& fit = ranking_->ranked[static_cast<size_t>(position)];
    if (fit.closeness > 0) shownFit_ = ShowFit(*source, fit.type, ranking_->weibullShape);
    return {};
}

std::string RawDataWindowModel::Text(RawDataField field) const
{
    switch (field) {
    case RawDataField::Intervals: return intervalsText_;
    case RawDataField::Min: return minText_;
    case RawDataField::Max: return maxText_;
    case RawDataField::Eps: return epsText_;
    case RawDataField::None: break;
    }
    return {};
}

std::array<std::string, 4> RawDataWindowModel::DataGrid() const
{
    if (!data_) return {};
    return {"     " + std::to_string(data_->Count()), StrNaCarku(data_->mean), StrNaCarku(data_->stdDev),
            StrNaCarku(data_->skewness)};
}

std::vector<std::string> RawDataWindowModel::FitList() const
{
    std::vector<std::string> list;
    if (!ranking_) return list;
    for (int i = 0; i < ranking_->acceptedCount; ++i) {
        list.push_back(FitTypeName(ranking_->ranked[static_cast<size_t>(i)].type));
    }
    return list;
}

std::string RawDataWindowModel::ClosenessText() const
{
    if (!ranking_ || chosen_ < 0) return {};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5f", ranking_->ranked[static_cast<size_t>(chosen_)].closeness);
    return buffer;
}

std::string RawDataWindowModel::CharacteristicsDialogText() const
{
    if (!data_ || !histogram_) return {};
    const RawHistogram& raw = *histogram_;
    const double total = data_->Count();
    if (shownFit_ && chosen_ >= 0) {
        const GeneratedHistogram& fit = shownFit_->generated;
        const double h = (fit.outerMax - fit.outerMin) / raw.n;
        const std::string heading =
            TextCis(msg::ParametricCharacteristics) + FitTypeName(ranking_->ranked[static_cast<size_t>(chosen_)].type);
        return CharacteristicsText(heading, fit.histogram.Prob, raw.n, fit.outerMin + h / 2, fit.outerMax - h / 2,
                                   raw.kind, total);
    }
    return CharacteristicsText(TextCis(msg::NonParametricCharacteristics), raw.frequency, raw.n, raw.x1, raw.x2,
                               raw.kind, total);
}

std::optional<morvik::Histogram> RawDataWindowModel::ShownHistogram() const
{
    if (!histogram_) return std::nullopt;
    if (shownFit_) return shownFit_->generated.histogram;
    return histogram_->AsHistogram();
}

std::array<std::string, 4> RawDataWindowModel::CharacteristicsGrid() const
{
    const std::optional<morvik::Histogram> h = ShownHistogram();
    if (!h) return {};
    const std::span<const double> prob(h->Prob.data(), static_cast<size_t>(h->Bins));
    return {StrNaCarku(h->Min), StrNaCarku(h->Max), VypMedian(!pure_, prob, h->Min, h->Max, h->Bins),
            VypMode(prob, h->Bins, h->Min, h->Max)};
}

std::array<std::string, 3> RawDataWindowModel::MomentsGrid() const
{
    const std::optional<morvik::Histogram> h = ShownHistogram();
    if (!h) return {};
    const Statistics s = ComputeStatistics(std::span<const double>(h->Prob.data(), static_cast<size_t>(h->Bins)),
                                           h->Bins, h->Min, h->Max, ShownKind(), h->Total);
    return {StrNaCarku(s.mean), StrNaCarku(s.stdDev), StrNaCarku(s.skewness)};
}

namespace {

std::string UpToFirstDot(const std::string& name) { return name.substr(0, name.find('.')); }

}  // namespace

ChartModel RawDataWindowModel::Chart(const MainWindowSettings& main, Colour background, const ChartMarks& marks,
                                     const std::string& dateTime) const
{
    ChartModel chart;
    const std::optional<morvik::Histogram> shown = ShownHistogram();
    if (!shown) return chart;
    if (shownFit_ && chosen_ >= 0) {
        // A fit names its function and parameters; the data it was fitted to, by their file.
        const std::string type = FitTypeName(ranking_->ranked[static_cast<size_t>(chosen_)].type);
        chart.titleLines = {TextCis(msg::FitTitle) + type + " ( " + shownFit_->parameters,
                            TextCis(msg::DataFileTitle) + UpToFirstDot(fileName_)};
    } else {
        chart.titleLines = {TextCis(msg::RawDataTitle),
                            TextCis(msg::DataFileTitle) + UpToFirstDot(fileName_) + " ( " + dateTime + " )"};
    }
    chart.titleColour = main.colours.chartTitle;
    const std::vector<std::string> labels = BarLabels(*shown, main.index1);
    for (int i = 0; i < shown->Bins; ++i) {
        chart.main.bars.push_back(
            {shown->Prob[static_cast<size_t>(i)], main.colours.parametricBars, labels[static_cast<size_t>(i)]});
    }
    chart.main.marks = marks;
    chart.valueFormat = "#.### E-";
    chart.labelSeparation = 30;
    chart.bottomAxisTitle = main.index1 ? "Index   f(z)" : TextCis(msg::ValueAxisTitle);
    chart.leftAxisTitle = MainLeftAxisTitle(CurrentLanguage());
    chart.backgroundColour = background;
    chart.plotColour = background;
    return chart;
}

ChartModel RawDataWindowModel::DataChart(const MainWindowSettings& main) const
{
    ChartModel chart;
    if (!histogram_) return chart;
    for (int i = 0; i < histogram_->n; ++i) {
        chart.main.bars.push_back(
            {histogram_->frequency[static_cast<size_t>(i)], main.colours.parametricBars, std::string()});
    }
    return chart;
}

std::string RawDataWindowModel::ShownCaption() const
{
    if (!shownFit_ || chosen_ < 0) return {};
    return TextCis(msg::FitParametersCaption) + shownFit_->parameters;
}

RawDataWindowFields RawDataWindowModel::FieldsToKeep() const
{
    RawDataWindowFields fields;
    double eps = 0;
    fields.Eps = CheckRawEps(epsText_, eps) ? openedEps_ : epsText_;
    fields.PocetIntervalu = acceptedIntervals_;
    return fields;
}

std::string RawDataWindowModel::ResultName() const
{
    std::string name = "RawData_(" + UpToFirstDot(fileName_);
    if (shownFit_ && chosen_ >= 0) name += "-" + FitTypeName(ranking_->ranked[static_cast<size_t>(chosen_)].type);
    return name + ")";
}

std::optional<RawDataResult> RawDataWindowModel::Close()
{
    std::optional<RawDataResult> result;
    if (const std::optional<morvik::Histogram> shown = ShownHistogram())
        result = RawDataResult{*shown, ShownKind(), ResultName()};
    BlankResults();
    return result;
}

std::optional<RankingTable> RawDataWindowModel::MakeRankingTable() const
{
    if (!ranking_ || !data_) return std::nullopt;
    return RankingTable(*ranking_, *data_);
}

void RawDataWindowModel::RemoveMarked(RankingTable& table)
{
    if (!ranking_) return;
    table.RemoveMarked(*ranking_);
    if (chosen_ >= 0) ChooseFit(chosen_);
}

}  // namespace morvik
