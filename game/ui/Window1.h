// The game's main window: the board, the title cover, the frame strips, the level, code
// and message lines, and the six labels that serve as the game's menu.
#pragma once

#include <functional>
#include <string>

#include <QMainWindow>

#include "game/core/Game.h"
#include "game/core/Preferences.h"

class QLabel;
class QPushButton;
class QTimer;

namespace fw {
class BoardView;
class MenuBar;
} // namespace fw

namespace game {

class MenuLabel;
class PictureCanvas;
class SoundBank;

inline constexpr int kWindowWidth = 724;
inline constexpr int kWindowHeight = 649;

class Window1 : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    // The settings are read at every key, sound and level load; the window shows menuBar
    // when one is given.
    Window1(const Preferences& app, SoundBank& sounds, const fw::MenuBar* menuBar = nullptr,
            QWidget* parent = nullptr);

    // The main window while it is open, or nullptr.
    static Window1* instance();

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }

    // Uncovers the board and loads level wichlevel; callers set wichlevel first.
    void klickanewgame();

    // What "Load Game", "About" and "Settings" open while no game runs; an empty hook
    // does nothing.
    std::function<void()> onLoadGame;
    std::function<void()> onAbout;
    std::function<void()> onSettings;

    void cellChanged(int cell) override;
    void setMessage(const std::string& text) override;
    void setLevelLine(const std::string& text) override;
    void setCodeLine(const std::string& text) override;
    void startPauseTimer() override;
    void playSound(Sound sound) override;
    bool isSoundPlaying(Sound sound) override;
    void levelSetMissing() override;
    void levelUnreadable(const fw::FolderItem& file) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open();
    void Timer1_Action();
    void StaticText1_MouseDown(); // New Game
    void StaticText2_MouseDown(); // About
    void StaticText3_MouseDown(); // Settings
    void StaticText4_MouseDown(); // Quit
    void StaticText5_MouseDown(); // End Game
    void StaticText6_MouseDown(); // Load Game
    // The cover over the board and the strips at their working sizes.
    void coverBoard();
    void endGame();
    void runIfNoGame(const std::function<void()>& hook);

    Game m_game;
    SoundBank& m_sounds;
    QWidget* m_content = nullptr;
    fw::BoardView* m_ban = nullptr;
    QTimer* m_Timer1 = nullptr;
    PictureCanvas* m_Canvas1 = nullptr;
    PictureCanvas* m_Canvas3 = nullptr;
    PictureCanvas* m_Canvas2 = nullptr;
    QLabel* m_StaticText8 = nullptr;
    QLabel* m_wiclvltext = nullptr;
    MenuLabel* m_StaticText1 = nullptr;
    MenuLabel* m_StaticText2 = nullptr;
    MenuLabel* m_StaticText3 = nullptr;
    MenuLabel* m_StaticText4 = nullptr;
    MenuLabel* m_StaticText5 = nullptr;
    QPushButton* m_PushButton1 = nullptr;
    MenuLabel* m_StaticText6 = nullptr;
    QLabel* m_StaticText7 = nullptr;
};

} // namespace game
