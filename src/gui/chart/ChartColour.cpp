#include "chart/ChartColour.h"

#include <QGuiApplication>
#include <QPalette>

namespace morvik {
namespace {

// The system colour indices that colour settings use, mapped to the nearest palette role.
QPalette::ColorRole RoleOfSystemIndex(unsigned index)
{
    switch (index) {
    case 1:   // desktop
    case 12:  // application workspace
    case 15:  // button face
        return QPalette::Button;
    case 2:   // active caption
    case 13:  // highlight
        return QPalette::Highlight;
    case 9:   // caption text
    case 14:  // highlighted text
        return QPalette::HighlightedText;
    case 4:  // menu
        return QPalette::Window;
    case 5:  // window
        return QPalette::Base;
    case 16:  // button shadow
    case 3:   // inactive caption
        return QPalette::Mid;
    case 17:  // grey text
        return QPalette::PlaceholderText;
    case 18:  // button text
        return QPalette::ButtonText;
    case 20:  // button highlight
        return QPalette::Light;
    case 21:  // dark 3D shadow
        return QPalette::Shadow;
    case 22:  // 3D light
        return QPalette::Midlight;
    case 23:  // tooltip text
        return QPalette::ToolTipText;
    case 24:  // tooltip background
        return QPalette::ToolTipBase;
    default:  // 7 menu text, 8 window text and the rest
        return QPalette::WindowText;
    }
}

}  // namespace

QColor ToQColor(Colour colour)
{
    if (IsSystemColour(colour)) {
        return QGuiApplication::palette().color(RoleOfSystemIndex(static_cast<unsigned>(SystemColourIndex(colour))));
    }
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Colour FromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return RgbColour(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace morvik
