// Turns a level in the plain-text Sokoban notation into a four-field level file.
#pragma once

#include <string>
#include <string_view>

namespace level {

// text is UTF-8 with rows ended by carriage returns; only its first 143 characters are
// looked at. Cells that would lie beyond the board are left out.
std::string convertSokobanLevel(std::string_view text);

} // namespace level
