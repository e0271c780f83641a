#pragma once

class QMainWindow;

namespace morvik {

// Every shortcut the window's menus show fires wherever the focus is in the window: a focused table or edit
// that would take the key for itself (Ctrl+V as paste) lets the menu have it.
void MenuShortcutsWin(QMainWindow* window);

}  // namespace morvik
