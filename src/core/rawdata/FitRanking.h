#pragma once
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/Message.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/FloatingPointGuard.h"
#include "parametric/ParametricGenerator.h"
#include "rawdata/FitRow.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/RawHistogram.h"

namespace morvik {

// A fit is accepted when its closeness lies in (FitAcceptanceLow, 1].
constexpr double FitAcceptanceLow = 0.0001;
// The Weibull shape runs 1.50, 1.51, ..., 8.03: each the double nearest to its hundredths, not a running sum.
constexpr int WeibullShapeCount = 654;
inline double WeibullShape(int i) { return (150 + i) / 100.0; }

// One place of the ranking: a type with its closeness (0: not accepted) and parameter text.
struct RankedFit {
    int type = 0;
    double closeness = 0;
    std::string parameters;
};

// A type left out of the fit because its computation raised a floating-point fault.
struct RejectedFit {
    int type = 0;
    FloatFault fault = FloatFault::Other;
    std::string message;  // the fault's text (140 to 145)
};

// Whether a closeness is accepted.
inline bool FitAccepted(double closeness) { return closeness > FitAcceptanceLow && closeness <= 1; }

struct FitRanking {
    std::optional<Message> refusal;                       // message 110: no accepted fit
    std::array<RankedFit, DistributionTypeCount> ranked;  // closeness descending, equal values in type order
    int acceptedCount = 0;
    FitRow rawRow;             // the raw-data histogram's row (field 0 message 58, closeness 1)
    std::vector<FitRow> rows;  // one per accepted fit, in type order
    double weibullShape = 0;   // the best shape of the search (0 when it found none)
    std::vector<RejectedFit> rejected;
    std::optional<Message> rejectedWarning;  // one warning listing the rejected types, when there are any

    // The accepted fits' rows in ranked order.
    std::vector<const FitRow*> RankedRows() const;
    const FitRow* RowOf(int type) const;
};

// What the fit starts from: the raw data, their histogram (the reference) and the Eps of the raw-data window.
struct FitSource {
    const RawDataSet& data;
    const RawHistogram& histogram;
    double eps = 1e-7;
};

// The inputs of a fit-mode generation of the data. With `ownRange` the range follows the type's range rules,
// otherwise the generation lays its intervals over the raw histogram's Min..Max.
FitInputs MakeFitInputs(const FitSource& source, double weibullShape, bool ownRange);

// Fits every type to the data, ranks the accepted fits and computes their statistics rows and goodness of fit.
// `progress` (optional) is told each type number as its fit starts.
FitRanking RankFits(const FitSource& source, const std::function<void(int)>& progress = {});

// Orders the places by closeness, descending; equal values keep their order (selection sort).
void RankByCloseness(std::array<RankedFit, DistributionTypeCount>& ranked);

// The mirror rule of a shown fit: with mid the middle of min..max and the median of the n probabilities taken
// with min and max as the first and last values, true when the median and the data mean lie on opposite sides.
bool MirrorWhenOpposite(std::span<const double> prob, int n, double min, double max, double dataMean);

// The fit shown for one type: its histogram generated with its own range, mirrored when the median and the data
// mean lie on different sides of the middle of the range.
struct ShownFit {
    GeneratedHistogram generated;
    bool mirrored = false;
    std::string parameters;  // the generation's parameter text
};
std::optional<ShownFit> ShowFit(const FitSource& source, int type, double weibullShape);

// The warning text listing the rejected types (English or Czech by the current language).
std::string RejectedFitsText(const std::vector<RejectedFit>& rejected);

}  // namespace morvik
