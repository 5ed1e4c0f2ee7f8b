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

// ghostly1 greets the title, CLICK1 marks a push, boyah a solved level.
enum class Sound { boyah, ghostly1, CLICK1 };

inline constexpr int kPauseMs = 2000;

class GameHost {
public:
    virtual ~GameHost() = default;
    virtual void cellChanged(int cell) = 0; // what the cell shows has changed
    virtual void setMessage(const std::string& text) = 0;   // the message line
    virtual void setLevelLine(const std::string& text) = 0; // "LEVEL n"
    virtual void setCodeLine(const std::string& text) = 0;  // "Levelcode: ..."
    virtual void startPauseTimer() = 0;                     // one shot, kPauseMs
    virtual void playSound(Sound sound) = 0;
    virtual bool isSoundPlaying(Sound sound) = 0;
    // The chosen set's folder is not there: the game stays out of play.
    virtual void levelSetMissing() = 0;
    // A level's file is there but cannot be read: the game stays out of play.
    virtual void levelUnreadable(const fw::FolderItem& file) = 0;
};

// "level 01" .. "level 09", then "level 10", "level 11", ...
std::string levelFileName(std::int32_t n);

// The board is 144 cells numbered row by row from the top left (row * 12 + column); a step
// adds a direction to the player's cell: -12 up, +12 down, -1 left, +1 right. Ghosts and
// graves are numbered 1 to antalboxes in the order their level file lists them; entry 0
// of those lists is never used.
class Game {
public:
    Game(const Preferences& app, GameHost& host);

    // The board; any index, also one from a file, may be asked for.
    CellKind kind(std::int64_t cell) const;
    const level::Grid& board() const { return m_ban; }

    // A key press, given as its key code (the code of its character, the arrows 28 to 31),
    // against the bindings in app.butts: the first of up, down, left, right and undo that
    // it matches acts, then restart is tried on its own. Nothing acts while no game runs or
    // the keys are locked. Always false: the key is not marked as handled.
    bool KeyDown(std::int32_t code);
    // The move rule ("check for obstacle"): one step in direction riktning, pushing the
    // ghost ahead when the cell beyond it is free, then the player's picture and the graves.
    void checkahinder();
    // Takes back the push just made, if undao allows it.
    void methodundo();
    // Marks the graves ("dots") with the ghosts on them and runs the win test, which locks
    // the keys and starts the pause before the next level.
    void Prickar();
    // The player's cell shows the picture that faces riktning.
    void checkagubbpict();
    // The end of the pause after a win: unlocks the keys and loads the next level.
    void Timer1_Action();
    // Loads level wichlevel of the chosen set and starts it; without its file the set is
    // won and the game ends. Only a missing file ends the set: one that is there but cannot
    // be read is no win.
    void newgame();
    // Draws the loaded level on a cleared board and starts play on it.
    void startgame();
    // Clears the board to floor ("clean the board").
    void rensabana();
    // Shows the loaded level's code, decoded, on the code line ("convert level code").
    void convertlvlcode();

    // The game state; the window writes victory and wichlevel, the rules the rest.
    std::int32_t gubbpos = 0;                                     // the player's cell
    std::array<std::int32_t, level::kMaxBoxes + 1> prickplats{}; // the graves' cells, 1 to antalboxes
    std::int32_t riktning = 0;                                    // the direction of the last move, in cells
    // The cell the move aims at (gubbpos + riktning), the player's own cell after a
    // blocked push; in methodundo, the cell of the ghost pushed last.
    std::int32_t gubplusrik = 0;
    std::array<std::int32_t, level::kMaxBoxes + 1> boxpos{}; // the ghosts' cells, 1 to antalboxes
    // For each ghost, the cell it would be pushed into: boxpos + riktning.
    std::array<std::int32_t, level::kMaxBoxes + 1> gubrikboxpos{};
    bool victory = false;       // no game runs: the title, or a set played to its end
    std::string lvlstring;      // the level's walls, field 1 of its file
    std::int32_t wichlevel = 0; // the level newgame loads next; in play, one past the level shown
    bool undao = false;         // one push can be taken back
    int antalboxes = 0;         // the number of ghosts, which is also the number of graves used
    int vinnare = 0;            // the number of ghosts resting on graves
    level::LevelFields readlvldata; // the six fields of the loaded level file, 1 to 6
    std::string skelstring;         // the level's skeletons, field 5 of its file
    bool lockedkeys = false;        // the pause after a win: no key acts

    // Sets a cell; off-board numbers are ignored.
    void setKind(std::int64_t cell, CellKind kind);

private:
    // Floor or an empty grave: a cell the player may enter and a ghost may be pushed onto.
    bool isFree(std::int64_t cell) const;
    bool matches(std::int32_t code, int binding) const;

    const Preferences& m_app;
    GameHost& m_host;
    level::Grid m_ban{}; // what each cell shows
};

// The cell one step from cell in direction dir (-12, +12, -1, +1), or level::kNoCell when
// the step would leave the board or wrap from one row's end to the next row.
std::int32_t stepFrom(std::int64_t cell, std::int32_t dir);

} // namespace game
