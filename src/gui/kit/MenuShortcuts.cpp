#include "kit/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace morvik {
namespace {

bool MenuShows(const QMenu* menu, const QKeySequence& pressed)
{
    for (const QAction* action : menu->actions()) {
        if (action->menu() && MenuShows(action->menu(), pressed)) return true;
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed && action->isEnabled()) return true;
    }
    return false;
}

// Watches the shortcut requests of the window's widgets: a key one of its menus shows is refused to the widget,
// so the menu item's shortcut runs.
class MenuShortcutFilter : public QObject {
public:
    explicit MenuShortcutFilter(QMainWindow* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !window_) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* top : window_->menuBar()->actions()) {
            if (top->menu() && MenuShows(top->menu(), pressed)) {
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QPointer<QMainWindow> window_;
};

}  // namespace

void MenuShortcutsWin(QMainWindow* window) { qApp->installEventFilter(new MenuShortcutFilter(window)); }

}  // namespace morvik
