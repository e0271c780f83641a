#include "kit/CloseOnDeactivation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace morvik {
namespace {

class DeactivationWatch : public QObject {
public:
    explicit DeactivationWatch(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::WindowDeactivate) {
            // The activation has moved on only once the event is over: look then.
            QTimer::singleShot(0, this, [this] {
                if (window_ && window_->isVisible() && !window_->isActiveWindow() && !QApplication::activeModalWidget())
                    window_->close();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace

void CloseOnDeactivation(QWidget* window) { window->installEventFilter(new DeactivationWatch(window)); }

}  // namespace morvik
