// Key presses to key codes.
#include "shared/gui/KeyText.h"

#include <QKeyEvent>

namespace fw {

std::int32_t keyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left: return 28;
    case Qt::Key_Right: return 29;
    case Qt::Key_Up: return 30;
    case Qt::Key_Down: return 31;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const QChar first = text.at(0);
    if (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())
        return static_cast<std::int32_t>(QChar::surrogateToUcs4(first, text.at(1)));
    return first.unicode();
}

} // namespace fw
