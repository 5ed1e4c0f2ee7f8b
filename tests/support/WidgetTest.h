// What tests of windows need: one QApplication for the test program, a stand-in main
// window, and waiting on the event loop with a bound.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QPointer>
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

inline void endWindows();

// The base of fixtures whose tests open windows: the windows end before the fixture's own
// objects go. A window left behind still refers to the application object or the settings
// it was made with, and the next test would get it back from the registry. A fixture that
// has a TearDown of its own calls this one.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { endWindows(); }
};

// The base of fixtures that build widgets: the application exists before their members.
class WidgetTest : public WindowTest {
protected:
    WidgetTest() { widgetApp(); }
};

// The application object for a test program whose windows play sounds: it is made before
// the first test and ended after the last one, before the program's static objects go, so
// that Qt's media threads stop while Qt is still there. Register it once per program with
// ::testing::AddGlobalTestEnvironment.
class QtEnvironment : public ::testing::Environment {
public:
    explicit QtEnvironment(std::string name) : m_name(std::move(name)) {}
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override
    {
        endWindows();
        m_app.reset();
    }

private:
    std::string m_name;
    int m_argc = 1;
    char* m_argv[2] = {m_name.data(), nullptr};
    std::unique_ptr<QApplication> m_app;
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

// Ends every window that owns itself (it ends when it closes, as the single-window registry
// sets them): those closed whose deferred delete has not run because no event loop ran
// since, and those still open. Windows that a test owns are left to it.
inline void endWindows()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    flushDeletes();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->testAttribute(Qt::WA_DeleteOnClose))
            windows.append(window);
    }
    // Ending one window may end another that it owns.
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    flushDeletes();
}

} // namespace testsupport
