// The text of a key press as the programs compare it: one character, with the arrow keys
// as the codes 28 to 31 and Return, Backspace, Tab, Escape and Space as 13, 8, 9, 27, 32.
#pragma once

#include <string>

class QKeyEvent;

namespace fw {

// Empty for keys that give no character (Shift alone, F1, ...).
std::string keyText(const QKeyEvent& event);

} // namespace fw
