// Morvik's start: the folders of the run, the settings file, the first start's example histograms, the splash,
// the main window with its tool windows, and at the end the settings written in one piece.
#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "dialogs/QtDialogSeam.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SignalExit.h"
#include "mainwindow/SplashWindow.h"
#include "mainwindow/ToolWindows.h"
#include "shell/AuxiliaryWindows.h"
#include "shell/DataFolder.h"
#include "shell/FirstStart.h"
#include "shell/Folders.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace {

using namespace morvik;

std::string StandardFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location).toStdString();
}

// "--screenshot FILE": saves a picture of the main window after start-up and quits (used for documentation).
QString ScreenshotPath(const QStringList& arguments)
{
    const qsizetype index = arguments.indexOf(QStringLiteral("--screenshot"));
    return index >= 0 && index + 1 < arguments.size() ? arguments.at(index + 1) : QString();
}

// "--version" and "--help" are answered before the application connects to a display, so that they work
// without one.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[])
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--version") {
            std::printf("morvik %s\n", MORVIK_VERSION);
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            std::printf(
                "Usage: morvik [--screenshot IMAGE] [FILE.dis]\n"
                "       morvik --version\n\n"
                "Opens the histogram FILE.dis at start. See morvik(1).\n");
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = AnswerWithoutWindow(argc, argv)) return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvik"));
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.morvik.Morvik"));
    QtDialogSeam dialogs;
    InstallDialogSeam(&dialogs);

    const std::string dataFolder = FindDataFolder(QCoreApplication::applicationDirPath().toStdString());
    const std::string configFolder = StandardFolder(QStandardPaths::AppConfigLocation);
    std::error_code error;
    std::filesystem::create_directories(configFolder, error);
    const std::string settingsPath = SettingsFilePath(configFolder);

    WindowContext context;
    context.folders = MakeFolders(StandardFolder(QStandardPaths::DocumentsLocation), dataFolder);
    const bool firstStart = IsFirstStart(settingsPath);
    context.settings = SettingsFile::Load(settingsPath);
    const FolderPreparation prepared = PrepareFamilyFolders(
        context.folders, dataFolder.empty() ? std::string() : ExamplesFolder(dataFolder), firstStart);
    for (const Message& message : prepared.messages) std::fprintf(stderr, "%s\n", message.text.c_str());

    auto* splash = new SplashWindow(MORVIK_VERSION);
    splash->show();

    MainWindow window(context, MORVIK_VERSION);
    ToolWindows tools(window, context);
    AuxiliaryWindows auxiliary(window, context, MORVIK_VERSION);
    SignalExit signalExit(&window);
    window.show();
    splash->raise();

    // A histogram file named on the command line is opened as through the open dialog.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (arguments.at(index) == QStringLiteral("--screenshot")) {
            ++index;
        } else if (!arguments.at(index).startsWith(QStringLiteral("--"))) {
            window.OpenHistogram(std::filesystem::absolute(arguments.at(index).toStdString()).string());
            break;
        }
    }

    const QString screenshot = ScreenshotPath(QCoreApplication::arguments());
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(800, &window, [&window, screenshot] {
            window.grab().save(screenshot);
            window.close();
        });
    }

    QObject::connect(&window, &MainWindow::closing, &application, &QApplication::quit, Qt::QueuedConnection);
    const int status = application.exec();
    if (std::optional<Message> failure = context.settings.Save()) {
        std::fprintf(stderr, "%s\n", failure->text.c_str());
    }
    InstallDialogSeam(nullptr);
    return status;
}
