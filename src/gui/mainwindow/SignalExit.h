#pragma once
#include <QObject>

namespace morvik {

// Ends the program cleanly on SIGTERM and SIGINT (desktop logout, Ctrl+C in a terminal): the signal handler
// only writes to a pipe; the event loop reads it and closes `window`, which writes the settings as through
// its close box.
class SignalExit : public QObject {
    Q_OBJECT
public:
    explicit SignalExit(QWidget* window);
    ~SignalExit() override;

private:
    void OnSignal();
    QWidget* window_;
};

}  // namespace morvik
