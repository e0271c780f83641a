#include "combination/SummationWindow.h"

#include "combination/SummationTable.h"

namespace morvik {
namespace {

const TableWindowSetup Setup{
    7,
    "StrGrSumaProm",
    "OtevHistSuma",
    "GrafHistSuma",
    "OtevriSum",
    "SaveSuma",
    "VypocetSuma",
    "ExitForm7",
    "MaxIntSum",
    "sum",
    72,  // "Summary_histogram"
    SummationTable::ResultName,
    QSize(770, 440),
};

}  // namespace

SummationWindow::SummationWindow(WindowContext& context, QWidget* parent)
    : ComponentTableWindow(Setup, std::make_unique<SummationTable>(), context, parent)
{
}

std::optional<Message> SummationWindow::ComputeTable(const AskYesNoFn& ask)
{
    return static_cast<SummationTable&>(MutableTable()).Compute(ask);
}

}  // namespace morvik
