#pragma once
#include <array>

class QAction;
class QMenu;
class QToolButton;

namespace morvik {

// The chart windows' "Graf" button UlozGraf with its menu PopupMenu2 of the four export targets (Schranka,
// Bitmapa, Metafile, JPGFile), the clipboard chosen at first.
struct GraphExportMenu {
    QToolButton* UlozGraf = nullptr;
    QMenu* PopupMenu2 = nullptr;
    std::array<QAction*, 4> targets{};
};

GraphExportMenu MakeGraphExportMenu();

}  // namespace morvik
