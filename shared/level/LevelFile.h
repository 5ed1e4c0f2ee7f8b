// The level file: six carriage-return separated fields (walls, player, ghosts, graves,
// skeletons, stored level code). Cell lists are comma-separated decimal cell numbers.
//
//   field 1  walls       every wal cell, ascending
//   field 2  player      every gubb cell, ascending (readers use the first)
//   field 3  ghosts      every box cell, then every box2 cell, ascending
//   field 4  graves      every backprick cell, then every box2 cell, ascending
//   field 5  skeletons   every skelet cell, ascending
//   field 6  code        encodeLevelCode of the typed code, taken whole
//
// The file is the fields joined by CR plus one final CR. Readers split on CR only; a
// missing field is empty and an entry not starting with a number is cell 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/level/CellKind.h"

namespace level {

// Ghosts and graves a reader keeps at most (entries 1..100; entry 0 unused).
inline constexpr int kMaxBoxes = 100;
// Stands for a grave the file does not supply: never on the board.
inline constexpr std::int32_t kNoCell = -1;

// Reversed, each byte raised by 2; 254 and 255 wrap round to 0 and 1, so that every byte
// stands for one character and decodeLevelCode gives any code back.
std::string encodeLevelCode(std::string_view code);
std::string decodeLevelCode(std::string_view stored);

// The six fields of a file, at indexes 1..6 (index 0 unused).
using LevelFields = std::array<std::string, 7>;
LevelFields splitLevelFields(std::string_view content);

// A level file as both readers interpret it.
struct LevelData {
    LevelFields readlvldata;
    std::string lvlstring;  // field 1
    std::string skelstring; // field 5
    std::int32_t gubbpos = 0;
    int antalboxes = 0;    // ghosts kept, at most kMaxBoxes
    int graveCount = 0;    // graves kept, at most kMaxBoxes
    std::array<std::int32_t, kMaxBoxes + 1> boxpos{};
    std::array<std::int32_t, kMaxBoxes + 1> prickplats{};
};

LevelData readLevel(std::string_view content);

// The cell numbers of a cell list, one per entry, in list order.
template <typename F>
void forEachCell(std::string_view list, F&& f);

// Graves 1 to antalboxes as backprick, then ghosts 1 to antalboxes as box, through
// set(cell, kind). Every grave comes before any ghost: in a file with more empty graves
// than loose ghosts a ghost's own grave stands later in its list, and drawn after the
// ghost it would hide it.
template <typename Set>
void drawGravesThenGhosts(int antalboxes, const std::array<std::int32_t, kMaxBoxes + 1>& prickplats,
                          const std::array<std::int32_t, kMaxBoxes + 1>& boxpos, Set&& set);

// The grid the editor shows for an opened level: floor, walls, skeletons, the player,
// then the graves and the ghosts, and last the ghosts that rest on their graves.
Grid drawOpenedLevel(const LevelData& data);

// The six-field file for a grid and the code as typed.
std::string writeLevelFile(const Grid& grid, std::string_view typedCode);

} // namespace level

#include "shared/level/LevelFile.inl"
