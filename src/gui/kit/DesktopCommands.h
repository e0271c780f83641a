#pragma once

class QWidget;

namespace morvik {

// The desktop commands the program's windows share: a picture of the whole screen `from` is on, put on the
// clipboard (what the Print Screen key does), and a new document in the desktop's word processor; when no word
// processor starts, a message box gives the system's reason.
void CaptureScreenToClipboard(QWidget* from);
void StartWordProcessor(QWidget* from);

}  // namespace morvik
