#include "shell/HelpViewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "kit/QtText.h"
#include "localization/AuxiliaryCaptionSets.h"
#include "shell/HelpPages.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int NoForm = 0;  // the viewer is no form of the program: no caption set, no position keys

}  // namespace

HelpViewer::HelpViewer(WindowContext& context, QWidget* parent) : ToolWindow(NoForm, context, parent)
{
    setObjectName(QStringLiteral("HelpViewer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    resize(960, 720);
    ApplyLanguage(CurrentLanguage());
}

void HelpViewer::Open(const std::string& page)
{
    page_ = page;
    browser_->setSource(QUrl::fromLocalFile(ToQString(page)));
    ApplyLanguage(CurrentLanguage());
    show();
    raise();
    activateWindow();
}

void HelpViewer::ApplyLanguage(Language language)
{
    setWindowTitle(ToQString(HelpViewerTitle(language)));
    if (page_.empty()) return;
    // The page follows the language when the other language's page is there.
    const std::string page = HelpPagePath(Context().folders, language);
    std::error_code error;
    if (page == page_ || !std::filesystem::exists(page, error)) return;
    page_ = page;
    browser_->setSource(QUrl::fromLocalFile(ToQString(page)));
}

}  // namespace morvik
