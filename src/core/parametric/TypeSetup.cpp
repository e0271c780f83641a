// Fit-mode estimates, the parameter checks and the constants of each type.
#include <cmath>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/FloatingPointGuard.h"
#include "parametric/GenerationWork.h"

namespace morvik {
namespace {

[[noreturn]] void Refuse(Message message, int focusParameter = 0)
{
    throw GenerationFailure{GenerationRefusal{std::move(message), focusParameter, false}};
}

[[noreturn]] void RejectSilently() { throw GenerationFailure{}; }

void RunCheck(int check, GenerationWork& work, const ParameterTexts& texts)
{
    if (auto refusal = CheckParameters(check, work.type, texts, work.parameters)) throw GenerationFailure{refusal};
}

void WriteEstimates(GenerationWork& work, ParameterTexts& texts, std::string& description)
{
    ClearFloatFlags();
    const FitEstimate estimate = EstimateParameters(work.type, *work.fit, work.min, work.max);
    CheckFloatFlags();
    if (estimate.rejected) RejectSilently();
    ParameterTexts shown = texts;
    for (size_t slot = 0; slot < 4; ++slot) {
        if (estimate.texts[slot]) texts[slot] = *estimate.texts[slot];
        if (estimate.shown[slot]) shown[slot] = *estimate.shown[slot];
    }
    description = ParameterDescription(work.type, shown);
    // The generation goes on with what the edits now hold.
    RunCheck(0, work, texts);
}

// The conditions a type puts on its parameters before its constants are computed.
void CheckConditions(const GenerationWork& work)
{
    const auto& p = work.parameters;
    switch (work.type) {
    case BetaUniversalType:
        if (!(p[2] < p[3])) Refuse(Message::Error(TextCis(msg::ConditionNotMet) + " a < b !"), 4);
        break;
    case UniformType:
        if (!(p[0] < p[1])) Refuse(Message::Error(TextCis(msg::ConditionNotMet) + " a < b !"), 1);
        break;
    case TriangularType:
        if (!(p[0] < p[1])) Refuse(Message::Error(TextCis(msg::ConditionNotMet) + " a < b !"), 1);
        if (!(p[0] <= p[2] && p[2] <= p[1]))
            Refuse(Message::Error(TextCis(msg::ConditionNotMet) + " a <= c <= b !"), 3);
        break;
    case LogNormal3PType:
        if (p[2] == 0) Refuse(Message::Error(TextCis(msg::ConditionNotMet) + " Skewness <> 0 !"), 3);
        break;
    default: break;
    }
}

// The conditions on the constants themselves.
void CheckConstants(const GenerationWork& work)
{
    const DensityState& d = work.density;
    switch (work.type) {
    case BetaUniversalType:
        if (!(d.C <= 1e308L)) Refuse(Message::Error(TextCis(msg::ParameterOverflow)), 2);
        break;
    case GamaType:
        if (d.A == 0) RejectSilently();
        if (!work.fitUserRange && !(work.parameters[0] >= 1))
            Refuse(Message::Error(TextCis(msg::ConditionFailed) + "(k-1).theta >= 0   !"));
        break;
    case SnedecorType:
        if (!(d.C <= 1e308L)) Refuse(Message::Error(TextCis(msg::ParameterOverflow)), 1);
        break;
    case LogNormal3PType:
        if (d.W == 0) Refuse(Message::Error(TextCis(msg::ZeroConstant)));
        break;
    default: break;
    }
}

}  // namespace

void SetUpType(GenerationWork& work, ParameterTexts& texts, std::string& description)
{
    if (work.FitMode()) WriteEstimates(work, texts, description);
    else if (work.type == HalfLogisticType) description = ParameterDescription(work.type, texts);

    const DistributionType& info = DistributionTypeInfo(work.type);
    if (info.check1) RunCheck(1, work, texts);
    if (info.check2) RunCheck(2, work, texts);
    CheckConditions(work);

    work.density.type = work.type;
    work.density.P1 = work.parameters[0];
    work.density.P2 = work.parameters[1];
    work.density.P3 = work.parameters[2];
    work.density.P4 = work.parameters[3];
    // The text conversions may leave flags of their own; the constants start clean.
    ClearFloatFlags();
    ComputeConstants(work.density);
    CheckFloatFlags();
    CheckConstants(work);
}

}  // namespace morvik
