#include "kit/FormColours.h"

#include <QApplication>
#include <QWidget>

#include "chart/ChartColour.h"
#include "shell/ColourSlots.h"

namespace morvik {
namespace {

void PaintNamed(QWidget* window, const std::vector<const char*>& names,
                std::initializer_list<QPalette::ColorRole> roles, Colour colour)
{
    for (const char* name : names) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        for (const QPalette::ColorRole role : roles) SetPaletteRole(widget, role, colour);
    }
}

}  // namespace

void SetPaletteRole(QWidget* widget, QPalette::ColorRole role, Colour colour)
{
    if (!widget) return;
    const bool system = IsSystemColour(colour);
    QPalette palette = widget->palette();
    palette.setColor(role, system ? QApplication::palette(widget).color(role) : ToQColor(colour));
    widget->setPalette(palette);
    if (role == QPalette::Window) widget->setAutoFillBackground(!system);
}

void ShowInMainWindowColours(QWidget* window, QWidget* table, const MainWindowColours& colours)
{
    SetPaletteRole(window, QPalette::Window, colours.windowBackground);
    SetPaletteRole(table, QPalette::Text, colours.panelText);
    window->show();
    window->raise();
    window->activateWindow();
}

void PaintFormColours(QWidget* window, int formNumber, const MainWindowColours& colours)
{
    const FormColouredControls controls = ColouredControls(formNumber);
    if (controls.background) SetPaletteRole(window, QPalette::Window, colours.windowBackground);
    // A label draws its text in WindowText, a table or list in Text: a control takes both.
    PaintNamed(window, controls.tableTexts, {QPalette::WindowText, QPalette::Text}, colours.panelText);
    PaintNamed(window, controls.editBackgrounds, {QPalette::Base}, colours.multipleBackground);
    PaintNamed(window, controls.editTexts, {QPalette::Text}, colours.multipleText);
    PaintNamed(window, controls.panelTexts, {QPalette::WindowText, QPalette::Text}, colours.queryLabels);
    if (const std::optional<Colour> chart = FormChartBackground(colours, formNumber)) {
        PaintNamed(window, controls.chartControls, {QPalette::Base}, *chart);
    }
}

}  // namespace morvik
