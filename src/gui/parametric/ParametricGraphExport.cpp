// The parametric distribution window's picture of itself on the clipboard.
#include <QClipboard>
#include <QGuiApplication>

#include "parametric/ParametricWindow.h"

namespace morvik {

void ParametricWindow::CopyWindowToClipboard() { QGuiApplication::clipboard()->setPixmap(grab()); }

}  // namespace morvik
