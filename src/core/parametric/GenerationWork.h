#pragma once
// The working state of one generation, shared by the files that carry it out (not for other subsystems).
#include <array>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "parametric/Densities.h"
#include "parametric/FitEstimates.h"
#include "parametric/ParameterChecks.h"

namespace morvik {

// Thrown when the generation fails: with the dialog to show, or silently.
struct GenerationFailure {
    std::optional<GenerationRefusal> refusal;
};

struct GenerationWork {
    int type = 0;
    long double eps = 0;
    int bins = 0;
    const FitInputs* fit = nullptr;  // set in fit mode
    bool fitUserRange = false;

    std::array<long double, 4> parameters{};
    DensityState density;
    double min = 0;  // the range found, outer edges
    double max = 0;
    double width = 0;
    double lowerLimit = 0;  // with the fit's own range, centres below it get no value
    long double sum = 0;
    std::array<double, MaxBins> values{};
    double total = 0;

    bool FitMode() const { return fit != nullptr; }
    // The density at x, with any floating-point fault of its evaluation thrown.
    long double Density(long double x) const;
};

// Fit-mode estimates, the type's checks and its constants; throws GenerationFailure.
void SetUpType(GenerationWork& work, ParameterTexts& texts, std::string& description);
// Sets Min and Max by the type's range rule (with the fit's additions); throws GenerationFailure.
void FindRange(GenerationWork& work);
// `FillIntervals`: Width and the interval values at the interval centres.
void FillIntervals(GenerationWork& work);
// Turns the values into probabilities and sets Total; false when there is no density at all (Sum = 0).
bool NormaliseIntervals(GenerationWork& work);

}  // namespace morvik
