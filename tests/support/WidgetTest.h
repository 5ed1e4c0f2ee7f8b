// What tests of windows need: one QApplication for the test program, a stand-in main
// window, and waiting on the event loop with a bound.
#pragma once

#include <chrono>
#include <functional>
#include <ostream>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Texts in failure messages as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace testsupport {

// The application object, made on first use and kept until the program ends.
inline QApplication& widgetApp()
{
    static int argc = 1;
    static char name[] = "vesperon-test";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// The base of fixtures that build widgets: the application exists before their members.
class WidgetTest : public ::testing::Test {
protected:
    WidgetTest() { widgetApp(); }
};

// Runs the event loop until done() holds or the time is up; whether it holds.
inline bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limit.count())
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Lets windows closed with deleteLater end.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testsupport
