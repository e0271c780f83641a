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

}  // namespace morvik
