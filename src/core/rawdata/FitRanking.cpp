#include "rawdata/FitRanking.h"

#include <algorithm>
#include <exception>
#include <span>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/Statistics.h"

namespace morvik {
namespace {

// One fit-mode generation with whatever it raised caught: a fault rejects the type, never the whole fit.
struct FitGeneration {
    std::optional<GeneratedHistogram> result;
    std::optional<FloatFault> fault;
    std::string description;
};

FitGeneration Generate(ParametricGenerator& generator, const FitSource& source, int type, double shape, bool ownRange)
{
    FitGeneration g;
    const GenerationRequest request{type, source.eps, source.histogram.n, HistogramKind::Discrete,
                                    MakeFitInputs(source, shape, ownRange)};
    try {
        GenerationOutcome outcome = generator.VypParaRoz(request);
        g.fault = outcome.fault;
        g.description = std::move(outcome.description);
        if (outcome.GenerationOk && !outcome.fault) g.result = std::move(outcome.result);
    } catch (const FloatingPointFault& fault) {
        g.fault = fault.fault;
    } catch (const std::exception&) {
        g.fault = FloatFault::Other;
    }
    return g;
}

double Closeness(const GeneratedHistogram& generated, const RawHistogram& reference)
{
    return VypocetCharTesnosti(reference.n, generated.histogram.Prob, 0, reference.varY, reference.meanY,
                               reference.frequency);
}

std::string UpToFirstParenthesis(const std::string& text) { return text.substr(0, text.find(')')); }

// The first shape with the largest closeness, or nullopt when none is above 0. A shape whose generation fails
// or faults has closeness 0: an overflow far out in the search says nothing about the shapes that fit.
std::optional<double> SearchWeibullShape(ParametricGenerator& generator, const FitSource& source)
{
    double bestC = 0;
    std::optional<double> best;
    for (int i = 0; i < WeibullShapeCount; ++i) {
        const double k = WeibullShape(i);
        const FitGeneration g = Generate(generator, source, WeibullType, k, false);
        const double c = g.result ? Closeness(*g.result, source.histogram) : 0;
        if (c > bestC) {
            bestC = c;
            best = k;
        }
    }
    return best;
}

// The statistics row of an accepted fit from its own-range generation: the interval values are the centres of
// the first and last interval.
FitRow AcceptedRow(const FitSource& source, int type, double c, const std::string& parameters,
                   const GeneratedHistogram& generated)
{
    const int n = source.histogram.n;
    const double min = generated.outerMin, max = generated.outerMax;
    const double h = (max - min) / n;
    const std::span<const double> prob(generated.histogram.Prob.data(), static_cast<size_t>(n));
    const GoodnessOfFit goodness = MeasureGoodnessOfFit(source.data.values, prob, n, min, max,
                                                        source.histogram.kind == HistogramKind::PureDiscrete);
    return MakeFitRow(type, FitTypeName(type), c, parameters, prob, n, min + h / 2, max - h / 2,
                      generated.histogram.Total, goodness);
}

}  // namespace

void RankByCloseness(std::array<RankedFit, DistributionTypeCount>& ranked)
{
    // Selection sort: a later entry moves ahead only with a strictly larger closeness, and the entries it passes
    // keep their order, so equal values stay in type order.
    for (size_t i = 0; i < ranked.size(); ++i) {
        size_t best = i;
        for (size_t j = i + 1; j < ranked.size(); ++j) {
            if (ranked[j].closeness > ranked[best].closeness) best = j;
        }
        std::rotate(ranked.begin() + static_cast<long>(i), ranked.begin() + static_cast<long>(best),
                    ranked.begin() + static_cast<long>(best) + 1);
    }
}

bool MirrorWhenOpposite(std::span<const double> prob, int n, double min, double max, double dataMean)
{
    const double mid = min + (max - min) / 2;
    const double median = MedianValue(true, prob, min, max, n);
    return (median < mid && dataMean > mid) || (median > mid && dataMean < mid);
}

FitInputs MakeFitInputs(const FitSource& source, double weibullShape, bool ownRange)
{
    FitInputs fit;
    fit.mean = source.data.mean;
    fit.stdDev = source.data.stdDev;
    fit.skewness = source.data.skewness;
    fit.xMin = source.histogram.x1;
    fit.xMax = source.histogram.x2;
    fit.median = source.histogram.median;
    fit.mode = source.histogram.mode;
    fit.weibullShape = weibullShape;
    fit.FitUserRange = !ownRange;
    fit.userMin = source.histogram.min;
    fit.userMax = source.histogram.max;
    return fit;
}

std::vector<const FitRow*> FitRanking::RankedRows() const
{
    std::vector<const FitRow*> result;
    for (int i = 0; i < acceptedCount; ++i) {
        if (const FitRow* row = RowOf(ranked[static_cast<size_t>(i)].type)) result.push_back(row);
    }
    return result;
}

const FitRow* FitRanking::RowOf(int type) const
{
    for (const FitRow& row : rows) {
        if (row.type == type) return &row;
    }
    return nullptr;
}

FitRanking RankFits(const FitSource& source, const std::function<void(int)>& progress)
{
    FitRanking ranking;
    const RawHistogram& reference = source.histogram;
    ranking.rawRow = MakeFitRow(-1, TextCis(msg::RawDataKindText), 1, " ----- ", reference.frequency, reference.n,
                                reference.x1, reference.x2, reference.total, std::nullopt);
    for (int t = 0; t < DistributionTypeCount; ++t) ranking.ranked[static_cast<size_t>(t)].type = t;

    ParametricGenerator generator;
    for (int type = 0; type < DistributionTypeCount; ++type) {
        if (type == UniformType || type == TriangularType) continue;
        if (progress) progress(type);
        double shape = 0;
        if (type == WeibullType) {
            const std::optional<double> best = SearchWeibullShape(generator, source);
            if (!best) continue;
            shape = *best;
            ranking.weibullShape = shape;
        }
        auto reject = [&](FloatFault fault) {
            ranking.rejected.push_back({type, fault, TextCis(GenerationFaultMessageNumber(fault))});
        };
        const FitGeneration first = Generate(generator, source, type, shape, false);
        if (first.fault) {
            reject(*first.fault);
            continue;
        }
        if (!first.result) continue;
        const double c = Closeness(*first.result, reference);
        if (!FitAccepted(c)) continue;

        // The accepted fit is generated again with the range its own rules give.
        const FitGeneration second = Generate(generator, source, type, shape, true);
        if (second.fault) {
            reject(*second.fault);
            continue;
        }
        if (!second.result) continue;  // not accepted: there is no histogram to describe
        const std::string parameters = UpToFirstParenthesis(second.description);
        RankedFit& entry = ranking.ranked[static_cast<size_t>(type)];
        entry.closeness = c;
        entry.parameters = parameters;
        ++ranking.acceptedCount;
        ranking.rows.push_back(AcceptedRow(source, type, c, parameters, *second.result));
    }

    RankByCloseness(ranking.ranked);
    if (!ranking.rejected.empty()) ranking.rejectedWarning = Message::Warning(RejectedFitsText(ranking.rejected));
    if (ranking.acceptedCount == 0) ranking.refusal = Message::Error(TextCis(msg::NoFittingType));
    return ranking;
}

std::optional<ShownFit> ShowFit(const FitSource& source, int type, double weibullShape)
{
    ParametricGenerator generator;
    FitGeneration g = Generate(generator, source, type, weibullShape, true);
    if (!g.result) return std::nullopt;
    ShownFit shown;
    shown.generated = std::move(*g.result);
    shown.parameters = g.description;
    const int n = source.histogram.n;
    auto& prob = shown.generated.histogram.Prob;
    if (MirrorWhenOpposite(prob, n, shown.generated.outerMin, shown.generated.outerMax, source.data.mean)) {
        std::reverse(prob.begin(), prob.begin() + n);
        shown.mirrored = true;
    }
    return shown;
}

std::string RejectedFitsText(const std::vector<RejectedFit>& rejected)
{
    const bool czech = CurrentLanguage() == Language::Czech;
    std::string text = czech ? "Tyto typy rozdělení byly z prokládání vynechány, jejich výpočet selhal :"
                             : "These distribution types were left out of the fit, their computation failed:";
    text += "\r\n";
    for (const RejectedFit& r : rejected) text += "\r\n\t" + FitTypeName(r.type) + " :  " + r.message;
    return text;
}

}  // namespace morvik
