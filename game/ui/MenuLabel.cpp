// The main window's menu labels.
#include "game/ui/MenuLabel.h"

#include <QMouseEvent>

namespace game {

MenuLabel::MenuLabel(const QString& caption, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(caption);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setLook(kLabelRed, kLabelTextSize);
}

QColor MenuLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void MenuLabel::MouseEnter()
{
    setLook(kLabelHover, kLabelHoverTextSize);
}

void MenuLabel::MouseExit()
{
    setLook(kLabelRest, kLabelTextSize);
}

void MenuLabel::setLook(const QColor& color, int size)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
    QFont sized = font();
    sized.setPixelSize(size);
    setFont(sized);
}

void MenuLabel::enterEvent(QEnterEvent* event)
{
    MouseEnter();
    QLabel::enterEvent(event);
}

void MenuLabel::leaveEvent(QEvent* event)
{
    MouseExit();
    QLabel::leaveEvent(event);
}

void MenuLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit MouseDown();
}

} // namespace game
