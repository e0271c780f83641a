#include "shell/AuxiliaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QUrl>
#include <filesystem>

#include "dialogs/DialogSeam.h"
#include "kit/BusyCursor.h"
#include "kit/DesktopOpener.h"
#include "kit/QtText.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"
#include "shell/HelpViewer.h"
#include "shell/SettingsViewer.h"
#include "shell/VersionWindow.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

AuxiliaryWindows::AuxiliaryWindows(MainWindow& main, WindowContext& context, std::string version)
    : main_(main), context_(context), helpCommand_(FileExists)
{
    version_ = std::make_unique<VersionWindow>(context, std::move(version));
    viewer_ = std::make_unique<SettingsViewer>(context);
    help_ = std::make_unique<HelpViewer>(context);

    auto action = [&main](const char* name) { return main.findChild<QAction*>(QString::fromLatin1(name)); };
    // The main window waits while the version window is open.
    VersionWindow* versionWindow = version_.get();
    // Each connection lives as long as the window it serves, so that none outlives these windows.
    QObject::connect(versionWindow, &ToolWindow::closed, &main, [&main] { main.setEnabled(true); });
    QObject::connect(action(names::OVerzi1), &QAction::triggered, versionWindow, [&main, versionWindow] {
        main.setEnabled(false);
        versionWindow->Open();
    });
    SettingsViewer* viewer = viewer_.get();
    QObject::connect(action(names::VypisIniSouboru), &QAction::triggered, viewer,
                     [&main, viewer] { viewer->Open([&main] { main.WriteSettings(); }); });
    QObject::connect(action(names::OProgramu1), &QAction::triggered, help_.get(), [this] { ShowHelp(); });
    QObject::connect(&main, &MainWindow::captionSetApplied, help_.get(),
                     [this] { helpCommand_.MainCaptionSetApplied(); });
}

AuxiliaryWindows::~AuxiliaryWindows() = default;

void AuxiliaryWindows::ShowHelp()
{
    const BusyCursor busy;
    const HelpCommand::Outcome outcome = helpCommand_.Request(context_.folders, main_.Options().language);
    if (outcome.notice) {
        // An untitled warning.
        Dialogs().ShowMessage(std::string(), outcome.notice->text, DialogKind::Warning, DialogButtons::Ok,
                              DialogResultOk);
        return;
    }
    if (!outcome.page) return;
    // The web page opens in the desktop's browser; when none can be started, the built-in viewer shows it.
    if (main_.Options().help == HelpForm::WebPage && OpenWithDesktop(QUrl::fromLocalFile(ToQString(*outcome.page)))) {
        return;
    }
    help_->Open(*outcome.page);
}

}  // namespace morvik
