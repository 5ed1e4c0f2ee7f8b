// The about box: the game's name and version, how to play, and the credits.
#pragma once

#include "game/windows/SideWindow.h"

namespace game {

class about : public SideWindow {
    Q_OBJECT
public:
    explicit about(QWidget* mainWindow, const fw::MenuBar* menuBar = nullptr);

    void PushButton1_Action();
};

// Shows the one about box, building it when none is open.
about& showAbout(QWidget* mainWindow, const fw::MenuBar* menuBar = nullptr);

} // namespace game
