#include "kit/DesktopCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <string>

#include "statlib/MessageDialog.h"

namespace morvik {

void CaptureScreenToClipboard(QWidget* from)
{
    QScreen* screen = from ? from->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QGuiApplication::clipboard()->setPixmap(screen->grabWindow(0));
}

void StartWordProcessor(QWidget* /*from*/)
{
    // The word processors a desktop usually has, each opening a new empty document.
    struct Candidate {
        const char* program;
        QStringList arguments;
    };
    const Candidate candidates[] = {{"libreoffice", {QStringLiteral("--writer")}}, {"abiword", {}}};
    std::string reasons;
    for (const Candidate& candidate : candidates) {
        QProcess process;
        process.setProgram(QString::fromLatin1(candidate.program));
        process.setArguments(candidate.arguments);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        if (process.startDetached()) return;
        const QString command = (QStringList{process.program()} + process.arguments()).join(QLatin1Char(' '));
        reasons += (command + QStringLiteral(" :  ") + process.errorString()).toStdString() + "\r\n";
    }
    ShowMessage(Message::Error(reasons));
}

}  // namespace morvik
