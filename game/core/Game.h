// The game's rules and level loading: the state of the main window's board without any
// widget. The window owns a Game and draws it; everything the rules do outside the board
// goes through GameHost.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/core/Preferences.h"
#include "shared/level/CellKind.h"
#include "shared/level/LevelFile.h"

namespace game {

using level::CellKind;

enum class Sound { boyah, ghostly1, CLICK1 };

inline constexpr int kPauseMs = 2000;

class GameHost {
public:
    virtual ~GameHost() = default;
    virtual void cellChanged(int cell) = 0;
    virtual void setMessage(const std::string& text) = 0;   // the message line
    virtual void setLevelLine(const std::string& text) = 0; // "LEVEL n"
    virtual void setCodeLine(const std::string& text) = 0;  // "Levelcode: ..."
    virtual void startPauseTimer() = 0;                     // one shot, kPauseMs
    virtual void playSound(Sound sound) = 0;
    virtual bool isSoundPlaying(Sound sound) = 0;
    // The chosen set's folder is not there: the game stays out of play.
    virtual void levelSetMissing() = 0;
};

// "level 01" .. "level 09", then "level 10", "level 11", ...
std::string levelFileName(std::int32_t n);

class Game {
public:
    Game(const Preferences& app, GameHost& host);

    // The board; any index, also one from a file, may be asked for.
    CellKind kind(std::int64_t cell) const;
    const level::Grid& board() const { return m_ban; }

    // A key press, given as its key code: the code of its character, the arrows 28 to 31.
    bool KeyDown(std::int32_t code);
    void checkahinder();
    void methodundo();
    void Prickar();
    void checkagubbpict();
    void Timer1_Action();
    void newgame();
    void startgame();
    void rensabana();
    void convertlvlcode();

    // The game state; the window writes victory and wichlevel, the rules the rest.
    std::int32_t gubbpos = 0;
    std::array<std::int32_t, level::kMaxBoxes + 1> prickplats{};
    std::int32_t riktning = 0;
    std::int32_t gubplusrik = 0;
    std::array<std::int32_t, level::kMaxBoxes + 1> boxpos{};
    std::array<std::int32_t, level::kMaxBoxes + 1> gubrikboxpos{};
    bool victory = false;
    std::string lvlstring;
    std::int32_t wichlevel = 0;
    bool undao = false;
    int antalboxes = 0;
    int vinnare = 0;
    level::LevelFields readlvldata;
    std::string skelstring;
    bool lockedkeys = false;

    // Sets a cell; off-board numbers are ignored.
    void setKind(std::int64_t cell, CellKind kind);

private:
    bool isFree(std::int64_t cell) const;
    bool matches(std::int32_t code, int binding) const;

    const Preferences& m_app;
    GameHost& m_host;
    level::Grid m_ban{};
};

// The cell one step from cell in direction dir (-12, +12, -1, +1), or level::kNoCell when
// the step would leave the board or wrap from one row's end to the next row.
std::int32_t stepFrom(std::int64_t cell, std::int32_t dir);

} // namespace game
