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

void SetDesktopOpener(std::function<bool(const QUrl&)> opener) { Opener() = std::move(opener); }

}  // namespace morvik
