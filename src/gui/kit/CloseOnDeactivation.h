#pragma once

class QWidget;

namespace morvik {

// Makes `window` close as soon as another window takes the activation from it, as the program's small tables
// and listings do. A modal dialog opened over it (a message box of its own command) does not count: the window
// stays and gets the activation back when the dialog ends.
void CloseOnDeactivation(QWidget* window);

}  // namespace morvik
