// Hiding and showing the main window around the side windows.
#include "game/windows/SideWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPalette>

namespace game {

SideWindow::SideWindow(QWidget* mainWindow, QColor background)
    : m_mainWindow(mainWindow)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void SideWindow::hideMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->setVisible(false);
}

void SideWindow::closeEvent(QCloseEvent* event)
{
    if (m_mainWindow)
        m_mainWindow->setVisible(true);
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

QLabel* staticText(QWidget* window, const char* name, QRect geometry, const QString& text, const QFont& font)
{
    auto* label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace game
