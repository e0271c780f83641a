// The colours of the settings file on the main window's panels, edits, grids and labels. A system colour
// keeps the platform's own palette, so that the default look follows the desktop theme.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>

#include "chart/ChartColour.h"
#include "kit/FormColours.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"

namespace morvik {
namespace {

void SetRole(QWidget* widget, QPalette::ColorRole role, Colour colour) { SetPaletteRole(widget, role, colour); }

// A group box's caption in its own colour, the box itself as the style draws it.
void SetCaptionColour(QGroupBox* box, Colour colour)
{
    if (!box) return;
    if (IsSystemColour(colour)) {
        box->setStyleSheet(QString());
        return;
    }
    box->setStyleSheet(
        QStringLiteral("QGroupBox#%1::title { color: %2; }").arg(box->objectName(), ToQColor(colour).name()));
}

}  // namespace

void MainWindow::ApplyColours()
{
    const MainWindowColours& c = options_.colours;
    auto widget = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };

    SetRole(this, QPalette::Window, c.windowBackground);
    SetRole(widget(names::Panel1), QPalette::Window, c.toolPanel);
    SetRole(widget(names::StatusBar1), QPalette::Window, c.statusBar);
    // The caption's style sheet first: setting one repolishes the box and would drop a palette set before.
    SetCaptionColour(findChild<QGroupBox*>(QString::fromLatin1(names::GroupBox1)), c.inputPanelCaption);
    SetRole(widget(names::GroupBox1), QPalette::Window, c.inputPanel);
    SetCaptionColour(findChild<QGroupBox*>(QString::fromLatin1(names::GroupBox2)), c.resultPanelCaption);
    SetRole(widget(names::GroupBox2), QPalette::Window, c.resultPanel);
    for (const char* name :
         {names::Label5, names::Label6, names::Label19, names::Label1, names::Label2, names::CheckBox1}) {
        SetRole(widget(name), QPalette::WindowText, c.panelText);
    }
    for (const char* name :
         {names::StringGrid2, names::StringGrid3, names::StringGrid4, names::StringGrid5, names::StringGrid6}) {
        SetRole(widget(name), QPalette::Text, c.panelText);
    }
    for (const char* name : {names::Label13, names::Label14})
        SetRole(widget(name), QPalette::WindowText, c.queryLabels);
    for (const char* name : {names::Edit3, names::EditMin, names::EditMax}) {
        SetRole(widget(name), QPalette::Base, c.multipleBackground);
        SetRole(widget(name), QPalette::Text, c.multipleText);
    }
    SetRole(widget(names::EditXY), QPalette::Base, c.valueBackground);
    SetRole(widget(names::EditXY), QPalette::Text, c.valueQuery);
    SetRole(widget(names::EditP), QPalette::Base, c.quantileBackground);
    SetRole(widget(names::EditP), QPalette::Text, c.quantileQuery);
}

}  // namespace morvik
