#pragma once
#include "combination/ComponentTable.h"

namespace morvik {

// The summation window's table: up to 16 histograms mixed with their weights.
class SummationTable : public ComponentTable {
public:
    static constexpr const char* ResultName = "Sumarizace";  // the name the main window gives the result

    SummationTable() : ComponentTable(SummationLayout()) {}

    bool SummationDone() const { return Done(); }

    // VypocetSumaClick: checks the multiples and weights of the filled rows, then sums them. Missing
    // multiples and missing weights are each offered the fill-in "1.0" through `ask`; No ends the command.
    // On success Result() holds the histogram, its empty ends kept.
    std::optional<Message> Compute(const AskYesNoFn& ask);
};

}  // namespace morvik
