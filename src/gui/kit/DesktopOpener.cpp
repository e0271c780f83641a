#include "kit/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

#include "kit/QtText.h"

namespace morvik {
namespace {

bool OpenWithDesktopServices(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

FileOpener& InstalledOpener()
{
    static FileOpener opener = OpenWithDesktopServices;
    return opener;
}

}  // namespace

bool OpenWithDesktop(const std::string& path) { return InstalledOpener()(path); }

ScopedFileOpener::ScopedFileOpener(FileOpener opener) : previous_(std::exchange(InstalledOpener(), std::move(opener)))
{
}

ScopedFileOpener::~ScopedFileOpener() { InstalledOpener() = std::move(previous_); }

}  // namespace morvik
