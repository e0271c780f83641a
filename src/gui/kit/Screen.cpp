#include "kit/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace morvik {

int ScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 1024;
}

ScreenArea AvailableScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height()};
}

bool SpansScreenWidth(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return !screen || window->width() >= screen->availableGeometry().width();
}

}  // namespace morvik
