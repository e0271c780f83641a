#include "kit/DesktopCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QWidget>
#include <vector>

#include "kit/BusyCursor.h"
#include "kit/DesktopOpener.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "shell/DesktopPrograms.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

bool StartDetached(const QString& program, const QStringList& arguments, QString& reason)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        reason = QStringLiteral("not installed");
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached()) return true;
    reason = process.errorString();
    return false;
}

bool OpenUrl(const QString& url) { return OpenWithDesktop(QUrl(url)); }

ProcessStarter& Starter()
{
    static ProcessStarter starter = StartDetached;
    return starter;
}

UrlOpener& Opener()
{
    static UrlOpener opener = OpenUrl;
    return opener;
}

// The program's visible windows drawn in their places on the screen, for sessions that keep the screen private.
QPixmap ProgramWindowsPicture()
{
    QRect area;
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->isMinimized()) continue;
        windows.push_back(window);
        area = area.united(window->frameGeometry());
    }
    if (area.isEmpty()) return {};
    QPixmap picture(area.size());
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (QWidget* window : windows) painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    return picture;
}

// An empty ".odt" file that the desktop's word processor opens as a new document; kept, as the user works in it.
QString NewDocumentFile()
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/Morvik-XXXXXX.odt"));
    file.setAutoRemove(false);
    if (!file.open()) return QDir::tempPath() + QStringLiteral("/Morvik.odt");
    return file.fileName();
}

void OpenWithDesktop(QWidget* from, const std::string& path, const Message& whenMissing)
{
    const QString name = QString::fromStdString(path);
    if (!QFileInfo::exists(name)) {
        ShowMessage(whenMissing);
        return;
    }
    bool opened = false;
    {
        const BusyCursor busy;
        if (from) from->setCursor(Qt::BusyCursor);
        opened = Opener()(QUrl::fromLocalFile(name).toString());
        if (from) from->unsetCursor();
    }
    if (!opened) ShowMessage(Message::Error(DesktopOpenFailureText(path)));
}

}  // namespace

void SetProcessStarter(ProcessStarter starter) { Starter() = starter ? std::move(starter) : StartDetached; }
void SetUrlOpener(UrlOpener opener) { Opener() = opener ? std::move(opener) : OpenUrl; }

void CaptureScreenToClipboard(QWidget* from)
{
    QPixmap picture;
    QScreen* screen = from && from->screen() ? from->screen() : QGuiApplication::primaryScreen();
    // Wayland and the offscreen platform give no picture of the whole screen (or an empty one).
    if (screen && QGuiApplication::platformName() == QLatin1String("xcb")) picture = screen->grabWindow(0);
    if (picture.isNull()) picture = ProgramWindowsPicture();
    if (!picture.isNull()) QGuiApplication::clipboard()->setPixmap(picture);
}

void StartWordProcessor(QWidget* from)
{
    const BusyCursor busy;
    (void)from;
    std::vector<FailedLaunch> failures;
    for (const ProgramLaunch& launch : WordProcessorCandidates(NewDocumentFile().toStdString())) {
        QStringList arguments;
        for (const std::string& argument : launch.arguments) arguments << QString::fromStdString(argument);
        QString reason;
        if (Starter()(QString::fromStdString(launch.program), arguments, reason)) return;
        failures.push_back({launch.program, reason.toStdString()});
    }
    ShowMessage(Message::Error(WordProcessorFailureText(failures)));
}

void OpenGraphsFolder(QWidget* from, const std::string& folder)
{
    OpenWithDesktop(from, folder, Message::Error(DesktopOpenFailureText(folder)));
}

void OpenUserGuide(QWidget* from, const std::string& path)
{
    OpenWithDesktop(from, path, Message::Warning(FormatText(msg::HelpFileMissing, path)));
}

}  // namespace morvik
