// Tiny levels written as text grids, for tests.
//
//   '#' wall   '@' player   '$' ghost   '.' grave   '*' ghost on a grave
//   '+' player on a grave   'S' skeleton   anything else floor
//
// Row r, column c is cell r * 12 + c.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "shared/level/LevelFile.h"

#include "shared/level/CellKind.h"

namespace testsupport {

// The six-field level file of a text grid, with the code as typed.
std::string levelFile(std::initializer_list<std::string_view> rows, std::string_view typedCode = "");

// The grid of a text grid ('+' is not allowed: no kind shows a player on a grave).
level::Grid grid(std::initializer_list<std::string_view> rows);

// The text grid of a board. The player shows by its picture, so that a turn alone
// changes the text: '@' facing down (as a level starts), '^' up, '>' right, '<' left, and
// 'V' on a solved level.
std::string rowsOf(const level::Grid& grid);

} // namespace testsupport
