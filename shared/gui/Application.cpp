// Exceptions that reach the top of the program.
#include "shared/gui/Application.h"

#include <csignal>
#include <iostream>
#include <stdexcept>

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "shared/gui/Desktop.h"

namespace fw {
namespace {

int s_signalPipe[2] = {-1, -1};

// Only a write is safe inside a signal handler; the event loop reads it and quits.
void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(s_signalPipe[0], &byte, 1);
}

void quitOnTerminationSignals(QApplication* app)
{
    if (s_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, s_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(s_signalPipe[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(s_signalPipe[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    quitOnTerminationSignals(this);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        UnhandledException(std::current_exception());
        QCoreApplication::exit(kUnhandledExceptionExit);
        return false;
    }
}

void UnhandledException(std::exception_ptr error)
{
    QString what = QStringLiteral("An unexpected error stopped the program.");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        what += QLatin1Char('\n') + QString::fromUtf8(e.what());
    } catch (...) {
    }
    std::cerr << qPrintable(QCoreApplication::applicationName()) << ": " << what.toStdString() << '\n';
    if (qApp)
        MsgBox(nullptr, what);
}

} // namespace fw
