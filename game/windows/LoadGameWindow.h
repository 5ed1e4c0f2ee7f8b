// The Load Game window: the player types a level's code and play resumes at that level of
// the chosen set.
#pragma once

#include <functional>

#include "game/core/Preferences.h"
#include "game/windows/SideWindow.h"

class QLineEdit;
class QPushButton;

namespace game {

class Loadgamewindow : public SideWindow {
    Q_OBJECT
public:
    // startAt(n) starts play at level n of the chosen set.
    using StartAt = std::function<void(int level)>;

    Loadgamewindow(Preferences& app, QWidget* mainWindow, StartAt startAt, const fw::MenuBar* menuBar = nullptr);

    QLineEdit* EditField1() const { return m_EditField1; }

    void PushButton1_Action();
    void PushButton2_Action();
    void fetchcode();

protected:
    // Return presses "Ok" wherever it is typed.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The levels whose codes are kept: the set's count, at most the room App.codez has.
    int searchedLevels() const;
    void collectCodes();

    Preferences& m_app;
    StartAt m_startAt;
    QLineEdit* m_EditField1 = nullptr;
    QPushButton* m_PushButton1 = nullptr;
};

// Shows the one Load Game window, building it when none is open.
Loadgamewindow& showLoadGame(Preferences& app, QWidget* mainWindow, Loadgamewindow::StartAt startAt,
                             const fw::MenuBar* menuBar = nullptr);

} // namespace game
