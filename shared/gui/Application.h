// The application object's guard: an exception that escapes an event handler is reported
// in a message box and on standard error, and ends the program with a failure status.
// SIGTERM and SIGINT end the event loop normally, as Quit does.
#pragma once

#include <exception>

#include <QApplication>

namespace fw {

inline constexpr int kUnhandledExceptionExit = 70;

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Reports what escaped; the program then ends with kUnhandledExceptionExit.
void UnhandledException(std::exception_ptr error);

// Runs the start-up and the event loop under the guard; returns the exit status.
template <typename F>
int guardedRun(F&& body)
{
    try {
        return body();
    } catch (...) {
        UnhandledException(std::current_exception());
        return kUnhandledExceptionExit;
    }
}

} // namespace fw
