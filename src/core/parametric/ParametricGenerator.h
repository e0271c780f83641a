#pragma once
#include <optional>
#include <string>

#include "common/Message.h"
#include "histogram/Histogram.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/FitEstimates.h"
#include "parametric/FloatingPointGuard.h"
#include "parametric/ParameterChecks.h"

namespace morvik {

// What one generation is asked to do. The parameter texts live in the generator, like the window's edits.
struct GenerationRequest {
    int type = 0;       // 0..23
    double eps = 1e-7;  // relative cut-off of the density (the window's, or the raw-data window's, Eps)
    int bins = 128;     // 1..1024; the windows allow 3..1024
    HistogramKind kind = HistogramKind::Discrete;  // how the result is laid out ("Pure Discrete" ticked or not)
    std::optional<FitInputs> fit;                  // present in fit mode (`FitMode`)
};

// A generated histogram, ready to be handed to the main window.
struct GeneratedHistogram {
    std::string name;  // "ParRoz_" + the type's list text
    HistogramKind kind = HistogramKind::Discrete;
    Histogram histogram;  // Min/Max the first/last midpoints (Discrete) or values (Pure Discrete); Total set
    double outerMin = 0;  // the generated range Min..Max
    double outerMax = 0;
};

struct GenerationOutcome {
    bool GenerationOk = false;
    std::optional<GeneratedHistogram> result;  // exactly when GenerationOk
    // The dialog of a refused generation (window mode only; fit mode rejects silently).
    std::optional<GenerationRefusal> refusal;
    // A floating-point fault inside the type's work, with its dialog (139 + list text + 140..145), shown in both
    // modes. What was filled before it is still normalised, so a fault may come with a result.
    std::optional<FloatFault> fault;
    std::optional<Message> faultMessage;
    // The short parameter text of the generation (fit mode, and Half-Logistic in the window), e.g. "Mi=10,Sigma=1)".
    std::string description;
};

// The generation state shared by the parametric window and the raw-data fit: the parameter texts and the
// pending reset persist between generations, everything else starts afresh in each.
class ParametricGenerator {
public:
    const ParameterTexts& Texts() const { return texts_; }
    void SetTexts(const ParameterTexts& texts) { texts_ = texts; }
    void SetText(int slot, std::string text) { texts_.at(static_cast<size_t>(slot)) = std::move(text); }

    // `ResetPending`: the next generation first writes the type's default texts.
    bool ResetPending() const { return resetPending_; }
    void SetResetPending(bool pending) { resetPending_ = pending; }

    // `VypParaRoz`: one generation. In fit mode the estimates overwrite the parameter texts.
    GenerationOutcome VypParaRoz(const GenerationRequest& request);

private:
    ParameterTexts texts_ = InitialParameterTexts;
    bool resetPending_ = false;
};

}  // namespace morvik
