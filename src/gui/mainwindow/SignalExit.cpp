#include "mainwindow/SignalExit.h"

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace morvik {
namespace {

int signalPipe[2] = {-1, -1};

extern "C" void WriteSignalToPipe(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

SignalExit::SignalExit(QWidget* window) : QObject(window), window_(window)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalExit::OnSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

SignalExit::~SignalExit()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

void SignalExit::OnSignal()
{
    char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1) {}
    window_->close();
}

}  // namespace morvik
