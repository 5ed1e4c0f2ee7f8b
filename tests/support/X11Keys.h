// Keys as the X11 platform gives them: each event names its physical key and carries the
// server's time, and a held key repeats as a release and a press at one moment that Qt
// often leaves unmarked.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace testsupport {

// The X server's clock, in milliseconds; it only moves on.
inline quint64& x11Time()
{
    static quint64 now = 5'000'000;
    return now;
}

// One key event delivered as QTest delivers a key to a widget, shortcuts first, but with
// the X11 key code and time that QTest's own events lack.
inline void sendX11Key(QWidget* widget, bool press, Qt::Key key, Qt::KeyboardModifiers modifiers,
                       const QString& text, quint32 keycode)
{
    const quint64 time = x11Time();
    if (press && qt_sendShortcutOverrideEvent(widget, time, key, modifiers, text))
        return;
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, keycode, 0, 0, text);
    event.setTimestamp(time);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(widget, &event);
}

// A key held down under the server's auto-repeat (first repeat after 660 ms, then 25 a
// second): the press, each repeat as a release and a press at one time and not marked as
// a repeat, then the release. No repeats is a single press of a hand.
inline void holdX11Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text,
                       quint32 keycode, int repeats)
{
    constexpr quint64 kDelayMs = 660;
    constexpr quint64 kIntervalMs = 40;
    sendX11Key(widget, true, key, modifiers, text, keycode);
    x11Time() += kDelayMs;
    for (int i = 0; i < repeats; ++i) {
        sendX11Key(widget, false, key, modifiers, text, keycode);
        sendX11Key(widget, true, key, modifiers, text, keycode);
        x11Time() += kIntervalMs;
    }
    sendX11Key(widget, false, key, modifiers, text, keycode);
    // However quickly a hand presses again, the server's clock has moved on.
    x11Time() += kIntervalMs;
}

} // namespace testsupport
