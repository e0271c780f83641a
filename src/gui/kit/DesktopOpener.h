#pragma once
#include <functional>
#include <string>

namespace morvik {

// Opens a file with the desktop's default application for its kind; true when an application took it. The
// program uses QDesktopServices; tests install a scripted opener so that no application ever starts.
using FileOpener = std::function<bool(const std::string& path)>;
bool OpenWithDesktop(const std::string& path);

// Installs `opener` for the lifetime of a scope and puts the previous one back afterwards.
class ScopedFileOpener {
public:
    explicit ScopedFileOpener(FileOpener opener);
    ~ScopedFileOpener();
    ScopedFileOpener(const ScopedFileOpener&) = delete;
    ScopedFileOpener& operator=(const ScopedFileOpener&) = delete;

private:
    FileOpener previous_;
};

}  // namespace morvik
