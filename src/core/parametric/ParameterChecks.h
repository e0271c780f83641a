#pragma once
#include <array>
#include <optional>

#include "common/Message.h"
#include "parametric/DistributionCatalogue.h"

namespace morvik {

// A refused generation: the dialog to show and which parameter edit the window focuses.
struct GenerationRefusal {
    Message message;
    int focusParameter = 0;            // 1..4 for EdPara1..EdPara4; 0 for none
    bool restoreAcceptedText = false;  // the edit gets back its text of the last successful generation
    bool operator==(const GenerationRefusal&) const = default;
};

// Converts the four parameter texts strictly (in order; the first text that is not a number refuses with
// messages 501/502) and, with `check` 1 or 2, requires P1 or P2 to be greater than 0 (messages 503/504).
// The captions in the messages are those of `type`.
std::optional<GenerationRefusal> CheckParameters(int check, int type, const ParameterTexts& texts,
                                                 std::array<long double, 4>& values);

}  // namespace morvik
