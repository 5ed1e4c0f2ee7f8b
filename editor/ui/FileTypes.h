// The level file type, by the name the save dialogs are given. Linux keeps no type or
// creator codes, so the name is all there is to register.
#pragma once

namespace editor::FileTypes {

inline constexpr char R11o[] = "R11o";

} // namespace editor::FileTypes
