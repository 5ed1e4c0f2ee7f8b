// The about box's texts and layout.
#include "game/windows/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "shared/gui/SingleWindow.h"

namespace game {
namespace {

QString aboutDescription()
{
    const QStringList lines = {
        QStringLiteral("Vesperon is a spooky puzzle game where restless ghosts wander a haunted graveyard at night."),
        QString(),
        QStringLiteral("How to play:"),
        QStringLiteral("The mission is to hunt the ghosts down too their graves so they can rest in peace."),
        QString(),
        QStringLiteral("You can only force the ghosts forward, but if you happened to hunt a ghost into a corner, "
                       "you can revers one step, only one."),
        QString(),
        QStringLiteral("Well try it out yourself"),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Made by Tallowick, 2026"),
        QStringLiteral("tallowick@tallowick.example"),
    };
    return lines.join(QLatin1Char('\n'));
}

QString aboutCredits()
{
    const QStringList lines = {
        QStringLiteral("Credits"),
        QString(),
        QStringLiteral("Game design: Tallowick"),
        QStringLiteral("Code: Tallowick"),
        QStringLiteral("Pictures: Tallowick"),
        QStringLiteral("Sounds: Tallowick"),
        QStringLiteral("Levels: Tallowick"),
        QString(),
        QStringLiteral("Made with Qt"),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace

about::about(QWidget* mainWindow, const fw::MenuBar* menuBar)
    : SideWindow(mainWindow, QColor(0xAB, 0x9B, 0xA7), menuBar)
{
    setWindowTitle(QString());
    resize(750, 375);

    staticText(this, "StaticText1", {7, 8, 263, 52}, QStringLiteral("Vesperon ") + ownVersion(), systemFont(30, true));
    QLabel* description = staticText(this, "StaticText2", {7, 55, 504, 298}, aboutDescription(), systemFont(12));
    description->setWordWrap(true);
    QLabel* credits = staticText(this, "StaticText3", {515, 5, 231, 293}, aboutCredits(), systemFont(12));
    credits->setWordWrap(true);
    auto* close = pushButton(this, "PushButton1", {646, 335, 69, 20}, QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &about::PushButton1_Action);

    // Open
    hideMainWindow();
}

void about::PushButton1_Action()
{
    close();
}

about& showAbout(QWidget* mainWindow, const fw::MenuBar* menuBar)
{
    about& box = fw::SingleWindow<about>::get([&] { return new about(mainWindow, menuBar); });
    box.show();
    box.activateWindow();
    return box;
}

} // namespace game
