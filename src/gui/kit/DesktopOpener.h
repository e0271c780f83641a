#pragma once
#include <functional>

class QUrl;

namespace morvik {

// Opens an address (a mail link, a web page, a folder) with the desktop's own application, as the desktop's
// services do; tests put a recorder in its place.
bool OpenWithDesktop(const QUrl& url);

// Replaces the desktop's services for the tests; an empty function restores them.
void SetDesktopOpener(std::function<bool(const QUrl&)> opener);

}  // namespace morvik
