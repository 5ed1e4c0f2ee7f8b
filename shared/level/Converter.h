// Turns a level in the plain-text Sokoban notation into a four-field level file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace level {

// How large a pasted level is: the columns from its leftmost notation character to its
// rightmost and the rows from its highest to its lowest. Blank rows above it, blank columns
// left of it and floor characters after a row's last notation character take no room.
struct SokobanSize {
    std::size_t columns = 0;
    std::size_t rows = 0;

    bool isEmpty() const; // no notation character at all
    bool fitsBoard() const;
};

// text is UTF-8 with rows ended by carriage returns; every other character takes one cell.
SokobanSize sokobanLevelSize(std::string_view text);

// The level file of text, or nothing when text holds no level or one that does not fit the
// board. A level that fits with its margins keeps its place on the board; one that fits only
// without them loses the blank rows above it and the blank columns left of it.
std::optional<std::string> convertSokobanLevel(std::string_view text);

} // namespace level
