// The code of a key press as the programs bind and compare it: the Unicode code point of
// the first character of its text, a surrogate pair counting as one character, with the
// arrow keys as the codes 28 to 31 and Return, Backspace, Tab, Escape and Space as 13, 8,
// 9, 27, 32. Codes below 256 are thus the Latin-1 characters that older preference files
// hold.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace fw {

// 0 for keys that give no character (Shift alone, F1, ...).
std::int32_t keyCode(const QKeyEvent& event);

} // namespace fw
