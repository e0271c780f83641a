#include "kit/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace morvik {
namespace {

std::function<bool(const QUrl&)>& Opener()
{
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

}  // namespace

bool OpenWithDesktop(const QUrl& url)
{
    if (Opener()) return Opener()(url);
    return QDesktopServices::openUrl(url);
}

bool OpenWithDesktop(const std::string& path)
{
    return OpenWithDesktop(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void SetDesktopOpener(std::function<bool(const QUrl&)> opener) { Opener() = std::move(opener); }

ScopedFileOpener::ScopedFileOpener(FileOpener opener) : previous_(Opener())
{
    Opener() = [opener = std::move(opener)](const QUrl& url) { return opener(url.toLocalFile().toStdString()); };
}

ScopedFileOpener::~ScopedFileOpener() { Opener() = std::move(previous_); }

}  // namespace morvik
