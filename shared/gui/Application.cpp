// Exceptions that reach the top of the program.
#include "shared/gui/Application.h"

#include <iostream>
#include <stdexcept>

#include "shared/gui/Desktop.h"

namespace fw {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
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
