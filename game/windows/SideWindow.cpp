// Hiding and showing the main window around the side windows.
#include "game/windows/SideWindow.h"

#include <algorithm>

#include <QApplication>
#include <QPushButton>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include "shared/gui/MenuBar.h"

namespace game {
namespace {

// The frame moved the least way that brings it inside the area. A frame larger than the area
// keeps its top-left corner, and so its title bar, in sight.
QRect movedInside(QRect frame, const QRect& area)
{
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    return frame;
}

} // namespace

SideWindow::SideWindow(QWidget* mainWindow, QColor background, const fw::MenuBar* menuBar)
    : m_mainWindow(mainWindow)
{
    // The main window is hidden meanwhile: without its shortcuts here, Quit could not be reached.
    if (menuBar)
        menuBar->attachShortcuts(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    // The disabled group keeps its own text colour, so that a disabled control reads greyed.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void SideWindow::hideMainWindow()
{
    if (!m_mainWindow)
        return;
    m_mainPlace = m_mainWindow->geometry().topLeft();
    const QRect place = m_mainWindow->frameGeometry();
    // Not shown yet, this window has no frame of its own: it is reckoned with one like the
    // main window's.
    QRect mine(QPoint(), size() + place.size() - m_mainWindow->size());
    mine.moveCenter(place.center());
    // The main window may stand partly off its screen; this one stays on it whole.
    if (const QScreen* screen = m_mainWindow->screen()) {
        m_area = screen->availableGeometry();
        mine = movedInside(mine, *m_area);
    }
    move(mine.topLeft());
    m_mainWindow->setVisible(false);
}

void SideWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* handle = windowHandle(); handle && m_area)
        handle->installEventFilter(this);
}

bool SideWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* handle = windowHandle();
    if (watched == handle && event->type() == QEvent::Expose && handle->isExposed() && m_area) {
        // A resizable window may get a deeper frame than the main window's that its place
        // was reckoned with.
        const QRect frame = frameGeometry();
        const QRect inside = movedInside(frame, *m_area);
        m_area.reset();
        handle->removeEventFilter(this);
        if (inside != frame)
            move(inside.topLeft());
    }
    return QWidget::eventFilter(watched, event);
}

void SideWindow::closeEvent(QCloseEvent* event)
{
    if (m_mainWindow) {
        // A window manager places a window that shows again wherever it likes, unless the
        // program asks for a place. The platform window is asked as well, since a widget
        // asks for nothing when given the place that it already has.
        if (m_mainPlace) {
            m_mainWindow->setGeometry(QRect(*m_mainPlace, m_mainWindow->size()));
            if (QWindow* handle = m_mainWindow->windowHandle())
                handle->setPosition(*m_mainPlace);
        }
        m_mainWindow->setVisible(true);
    }
    event->accept();
}

QString ownVersion()
{
    return QStringLiteral(VESPERON_VERSION);
}

QFont systemFont(int pixelSize, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPushButton* pushButton(QWidget* window, const char* name, QRect geometry, const QString& text)
{
    auto* button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(systemFont(12));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

QLabel* staticText(QWidget* window, const char* name, QRect geometry, const QString& text, const QFont& font)
{
    auto* label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    // A one-line text keeps its place but never loses its end to a wider system font.
    const int needed = QFontMetrics(font).horizontalAdvance(text) + 2;
    if (!text.contains(QLatin1Char('\n')) && needed > geometry.width())
        geometry.setWidth(needed);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace game
