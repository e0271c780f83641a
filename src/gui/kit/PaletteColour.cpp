#include "kit/PaletteColour.h"

#include <QApplication>
#include <QWidget>

#include "chart/ChartColour.h"

namespace morvik {

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, Colour colour)
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
    SetPaletteColour(window, QPalette::Window, colours.windowBackground);
    SetPaletteColour(table, QPalette::Text, colours.panelText);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace morvik
