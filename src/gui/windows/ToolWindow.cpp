#include "windows/ToolWindow.h"

#include <QCloseEvent>

#include "kit/FormColours.h"
#include "kit/Screen.h"
#include "localization/CaptionSets.h"
#include "shell/SettingsFile.h"
#include "shell/WindowPlacement.h"
#include "windows/CaptionApplier.h"
#include "windows/WindowContext.h"

namespace morvik {

ToolWindow::ToolWindow(int formNumber, WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), formNumber_(formNumber), context_(context)
{
    setObjectName(QStringLiteral("TForm%1").arg(formNumber));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

SettingsFile& ToolWindow::Settings() { return context_.settings; }

const Folders& ToolWindow::AppFolders() const { return context_.folders; }

void ToolWindow::ApplyLanguage(Language language) { ApplyCaptionSet(this, CaptionSet(formNumber_, language)); }

void ToolWindow::ReadSettings()
{
    if (!HasPositionKeys(formNumber_)) return;
    const WindowPlacement place = ReadWindowPlacement(context_.settings, formNumber_, ScreenWidth());
    move(place.left, place.top);
    resize(place.width, place.height);
}

void ToolWindow::WriteSettings()
{
    if (!HasPositionKeys(formNumber_)) return;
    const QRect frame = geometry();
    WriteWindowPlacement(context_.settings, formNumber_, {frame.left(), frame.top(), frame.width(), frame.height()});
}

void ToolWindow::TakeColours(const MainWindowColours& colours) { PaintFormColours(this, formNumber_, colours); }

void ToolWindow::showEvent(QShowEvent* event)
{
    if (context_.colours) TakeColours(*context_.colours);
    QWidget::showEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    WriteSettings();
    if (std::optional<PublishedResult> result = TakeResult()) emit resultReady(*result);
    emit closed();
    event->accept();
}

}  // namespace morvik
