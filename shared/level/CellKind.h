// What one cell of the 12 by 12 board shows, and the board's index arithmetic.
#pragma once

#include <array>
#include <cstdint>

namespace level {

enum class CellKind : std::uint8_t {
    back,      // floor
    wal,       // wall
    gubb,      // player, facing down
    box,       // ghost
    backprick, // empty grave
    box2,      // ghost resting on a grave
    skelet,    // skeleton
    gubb2,     // player facing up
    gubb3,     // player facing right
    gubb4,     // player facing left
    gubbv,     // player on a solved level
};

inline constexpr int kColumns = 12;
inline constexpr int kRows = 12;
inline constexpr int kCells = kColumns * kRows;

using Grid = std::array<CellKind, kCells>;

constexpr bool onBoard(std::int64_t cell)
{
    return cell >= 0 && cell < kCells;
}

constexpr bool isPlayer(CellKind k)
{
    return k == CellKind::gubb || k == CellKind::gubb2 || k == CellKind::gubb3 || k == CellKind::gubb4
        || k == CellKind::gubbv;
}

} // namespace level
