#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QWidget;

namespace morvik {

// The commands that hand work to the desktop: a picture of the screen on the clipboard, a new document in the
// word processor, and a folder or file opened with the desktop's default application.

// Puts a picture of the screen on the clipboard; where the session does not let a program grab the screen, a
// picture of the program's visible windows in their places.
void CaptureScreenToClipboard(QWidget* from);

// Starts the desktop's word processor with a new document; when none starts, a message box with the reasons.
void StartWordProcessor(QWidget* from);

// Open the graphs folder in the desktop's file viewer, or the user guide in its reader, with the busy cursor
// meanwhile. A missing guide gives message 128 with its path; anything the desktop cannot open, a message that
// says so.
void OpenGraphsFolder(QWidget* from, const std::string& folder);
void OpenUserGuide(QWidget* from, const std::string& path);

// Starts `program` with `arguments` detached from the program; false with the reason when it does not start.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments, QString& reason)>;
// Opens a URL with the desktop's application; false when nothing could open it.
using UrlOpener = std::function<bool(const QString& url)>;
// Tests install their own; an empty function puts the desktop's back.
void SetProcessStarter(ProcessStarter starter);
void SetUrlOpener(UrlOpener opener);

}  // namespace morvik
