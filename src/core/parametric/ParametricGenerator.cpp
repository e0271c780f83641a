#include "parametric/ParametricGenerator.h"

#include <exception>
#include <stdexcept>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/GenerationWork.h"
#include "parametric/RangeSearch.h"

namespace morvik {
namespace {

Message FaultMessage(int type, FloatFault fault)
{
    return Message::Error(TextCis(msg::GenerationError) + TypeListText(type) + "\r\n\r\n" + "       " +
                          TextCis(GenerationFaultMessageNumber(fault)));
}

// The generated range laid out as the main window holds a histogram of the kind.
GeneratedHistogram MakeResult(const GenerationWork& work, HistogramKind kind)
{
    GeneratedHistogram result;
    result.name = "ParRoz_" + TypeListText(work.type);
    result.kind = kind;
    result.outerMin = work.min;
    result.outerMax = work.max;
    Histogram& h = result.histogram;
    h.Bins = work.bins;
    h.Prob = work.values;
    h.Total = work.total;
    h.Range = work.max - work.min;
    if (kind == HistogramKind::PureDiscrete) {
        h.Width = work.bins > 1 ? (work.max - work.min) / (work.bins - 1) : 0;
        h.Min = work.min;
        h.Max = work.max;
    } else {
        h.Width = (work.max - work.min) / work.bins;
        h.Min = work.min + h.Width / 2;
        h.Max = work.max - h.Width / 2;
    }
    return result;
}

}  // namespace

GenerationOutcome ParametricGenerator::VypParaRoz(const GenerationRequest& request)
{
    if (request.type < 0 || request.type >= DistributionTypeCount) throw std::invalid_argument("distribution type");
    if (request.bins < 1 || request.bins > MaxBins) throw std::invalid_argument("interval count");

    GenerationOutcome outcome;
    GenerationWork work;
    work.type = request.type;
    work.eps = request.eps;
    work.bins = request.bins;
    work.fit = request.fit ? &*request.fit : nullptr;
    work.fitUserRange = request.fit && request.fit->FitUserRange;
    const bool window = !work.FitMode();

    // A failure without a dialog of its own still tells the window's user that nothing came of it.
    auto fail = [&](std::optional<GenerationRefusal> refusal) {
        if (window) {
            outcome.refusal = refusal
                                  ? *refusal
                                  : GenerationRefusal{Message::Information(TextCis(msg::UnusableParameters)), 0, false};
        }
        outcome.GenerationOk = false;
        return outcome;
    };

    if (resetPending_) {
        ApplyDefaultParameterTexts(work.type, texts_);
        resetPending_ = false;
    }
    if (auto refusal = CheckParameters(0, work.type, texts_, work.parameters)) return fail(refusal);

    if (work.FitMode()) {
        work.parameters[0] = request.fit->mean;
        work.parameters[1] = request.fit->stdDev;
        work.min = request.fit->xMin;
        work.max = request.fit->xMax;
        if (work.fitUserRange) {
            work.min = request.fit->userMin;
            work.lowerLimit = work.min;
        }
    }

    try {
        ClearFloatFlags();
        SetUpType(work, texts_, outcome.description);
        FindRange(work);
        FillIntervals(work);
    } catch (const GenerationFailure& failure) {
        return fail(failure.refusal);
    } catch (const SearchRefused&) {
        return fail(GenerationRefusal{Message::Information(TextCis(msg::UnusableParameters)), 0, false});
    } catch (const ScanRejected&) {
        return fail(std::nullopt);
    } catch (const FloatingPointFault& fault) {
        outcome.fault = fault.fault;
    } catch (const std::exception&) {
        outcome.fault = FloatFault::Other;
    }
    if (outcome.fault) outcome.faultMessage = FaultMessage(work.type, *outcome.fault);

    if (!NormaliseIntervals(work)) {
        // After a fault its own dialog has said what went wrong.
        if (outcome.fault) return outcome;
        return fail(std::nullopt);
    }
    outcome.GenerationOk = true;
    outcome.result = MakeResult(work, request.kind);
    return outcome;
}

}  // namespace morvik
