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

bool SpansScreenWidth(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return !screen || window->width() >= screen->availableGeometry().width();
}

}  // namespace morvik
