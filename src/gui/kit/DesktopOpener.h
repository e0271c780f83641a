#pragma once
#include <functional>
#include <string>

class QUrl;

namespace morvik {

// Opens an address (a mail link, a web page, a folder, a file) with the desktop's own application, as the
// desktop's services do; true when an application took it. Tests put a recorder in its place, so that no
// application ever starts.
bool OpenWithDesktop(const QUrl& url);
bool OpenWithDesktop(const std::string& path);

// Replaces the desktop's services for the tests; an empty function restores them.
void SetDesktopOpener(std::function<bool(const QUrl&)> opener);

// Installs an opener of local files for the lifetime of a scope and puts the previous opener back afterwards.
using FileOpener = std::function<bool(const std::string& path)>;
class ScopedFileOpener {
public:
    explicit ScopedFileOpener(FileOpener opener);
    ~ScopedFileOpener();
    ScopedFileOpener(const ScopedFileOpener&) = delete;
    ScopedFileOpener& operator=(const ScopedFileOpener&) = delete;

private:
    std::function<bool(const QUrl&)> previous_;
};

}  // namespace morvik
