#include "combination/CombinationWindow.h"

#include "combination/CombinationTable.h"

namespace morvik {
namespace {

const TableWindowSetup Setup{
    8,
    "StrGrKombProm",
    "OtevHistKomb",
    "GrafHistKomb",
    "OtevriKomb",
    "SaveKomb",
    "VypocetKomb",
    "ExitForm",
    "MaxIntKom",
    "kom",
    76,  // "Combinations_Table"
    CombinationTable::ResultName,
    QSize(750, 322),
};

}  // namespace

CombinationWindow::CombinationWindow(WindowContext& context, QWidget* parent)
    : ComponentTableWindow(Setup, std::make_unique<CombinationTable>(), context, parent)
{
}

std::optional<Message> CombinationWindow::ComputeTable(const AskYesNoFn& ask)
{
    return static_cast<CombinationTable&>(MutableTable()).Compute(ask);
}

}  // namespace morvik
