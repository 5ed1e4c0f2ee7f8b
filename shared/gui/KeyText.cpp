// Key presses to key text.
#include "shared/gui/KeyText.h"

#include <QKeyEvent>

#include "shared/fw/Text.h"

namespace fw {

std::string keyText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left: return Chr(28);
    case Qt::Key_Right: return Chr(29);
    case Qt::Key_Up: return Chr(30);
    case Qt::Key_Down: return Chr(31);
    case Qt::Key_Return:
    case Qt::Key_Enter: return Chr(13);
    case Qt::Key_Backspace: return Chr(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Chr(9);
    case Qt::Key_Escape: return Chr(27);
    case Qt::Key_Space: return Chr(32);
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return {};
    const char16_t first = text.at(0).unicode();
    if (first < 256)
        return Chr(first);
    return text.left(1).toStdString();
}

} // namespace fw
