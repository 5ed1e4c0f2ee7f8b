// Typing any character into a widget as a keyboard layout gives it: one key press per
// character (of the Basic Multilingual Plane), carrying it as its text. QTest::keyClicks
// sends Latin-1 only.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testsupport {

inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// The same as the platform delivers keys: to the window, then to whatever holds its keyboard.
inline void typeText(QWindow* window, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace testsupport
