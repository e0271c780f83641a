#pragma once
#include "combination/ComponentTable.h"

namespace morvik {

// The combination window's table: up to 10 histograms whose scaled variables are added.
class CombinationTable : public ComponentTable {
public:
    static constexpr const char* ResultName = "Kombinace";  // the name the main window gives the result

    CombinationTable() : ComponentTable(CombinationLayout()) {}

    bool CombinationDone() const { return Done(); }

    // VypocetKombClick: checks the multiples of the filled rows, then combines them. A refusal is returned;
    // the question about missing multiples goes to `ask` (on Yes they become "1.0"), and either answer ends
    // the command so that the user starts it again. On success Result() holds the trimmed histogram.
    std::optional<Message> Compute(const AskYesNoFn& ask);
};

}  // namespace morvik
