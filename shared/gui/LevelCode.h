// Level codes on the screen. A file stores a code as bytes, and byte b is the character
// U+00b (Latin-1): so the editor's field, the game's code line and what the player types
// into Load Game all mean the same characters by the same bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

class QLineEdit;

namespace fw {

QString codeText(std::string_view bytes);

// Nothing when a character lies beyond U+00FF: no byte stands for it.
std::optional<std::string> codeBytes(const QString& text);

// A code may be of any length; Qt's fields cut at 32767 characters by default.
void acceptAnyLength(QLineEdit& field);

} // namespace fw
