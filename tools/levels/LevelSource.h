// The text-grid source of a level set: parsing it and turning each level into its level file.
//
// A source holds comment lines (starting with ';'), blank lines and levels. A level is a
// header line "level N code CODE", N counting up from 1, followed by twelve rows of twelve
// cells: '#' wall, 'S' skeleton, '@' player, '$' ghost, '.' grave, '*' ghost on a grave,
// ' ' floor. CODE is the rest of the header line, taken as typed.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shared/level/CellKind.h"

namespace levels {

struct SourceLevel {
    int number = 0;
    std::string code;
    level::Grid grid{};
};

// A source that breaks the rules above; what() names the line.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<SourceLevel> parseLevelSource(std::string_view text);

// The level file the editor would save for this grid and code.
std::string levelFileBytes(const SourceLevel& level);

} // namespace levels
