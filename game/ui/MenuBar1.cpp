// The game's menu items, in the order they stand.
#include "game/ui/MenuBar1.h"

namespace game {

MenuBar1::MenuBar1(QObject* parent)
    : fw::MenuBar(parent)
{
    Append({}, QStringLiteral("FileMenu"), QStringLiteral("&File"));
    Append(QStringLiteral("FileMenu"), QStringLiteral("FileQuit"), QStringLiteral("Quit"), QStringLiteral("Cmd+Q"), true);
    Append({}, QStringLiteral("EditMenu"), QStringLiteral("&Edit"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("EditUndo"), QStringLiteral("&Undo"), QStringLiteral("Cmd+Z"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("UntitledMenu0"), QStringLiteral("-"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("EditCut"), QStringLiteral("Cu&t"), QStringLiteral("Cmd+X"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("EditCopy"), QStringLiteral("&Copy"), QStringLiteral("Cmd+C"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("EditPaste"), QStringLiteral("&Paste"), QStringLiteral("Cmd+V"));
    Append(QStringLiteral("EditMenu"), QStringLiteral("EditClear"), QStringLiteral("Clear"));
    bindEditItems();
}

} // namespace game
