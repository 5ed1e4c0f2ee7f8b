// Turns a level in the plain-text Sokoban notation into a four-field level file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace level {

// How far a pasted level reaches from the top left corner: the columns up to its rightmost
// notation character and the rows down to its lowest. Blanks and other floor characters
// after a row's last notation character take no room.
struct SokobanSize {
    std::size_t columns = 0;
    std::size_t rows = 0;

    bool fitsBoard() const;
};

// text is UTF-8 with rows ended by carriage returns; every other character takes one cell.
SokobanSize sokobanLevelSize(std::string_view text);

// The level file of text, or nothing when the level does not fit the board.
std::optional<std::string> convertSokobanLevel(std::string_view text);

} // namespace level
