// The player's settings and the preferences file "Vesperon Preferences".
//
// The file is ten CR-separated fields plus a final CR: the six key codes (up, down, left,
// right, undo, restart), the music flag, the sound flag ("1" true, "2" false), the level
// set's name and its level count. The count is never read back: it is taken anew from
// the set's folder.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shared/fw/FolderItem.h"

namespace game {

inline constexpr int kMaxLevelCodes = 100;
inline constexpr const char* kPreferencesFileName = "Vesperon Preferences";

// butts indexes
enum Binding { Up = 1, Down, Left, Right, Undo, Restart };

// How loadprefs found the preferences file.
enum class PrefsFile {
    Used,       // read, or written with the defaults on a first run
    NotWritten, // a first run whose defaults could not be written
    Unusable,   // what stands in its place cannot be read: the defaults are taken, nothing is written
};

class Preferences {
public:
    std::array<std::int32_t, 7> butts{};
    bool soundON = false;
    bool musicON = false;
    std::string lvlmapp;
    std::string lvlmappantal;
    std::array<std::string, kMaxLevelCodes + 1> codez;

    // loadprefs writes only on a first run. saveprefs returns false when the file could
    // not be written. Settings that could not be written last until the game quits.
    PrefsFile loadprefs();
    bool saveprefs();
    void getthecodefromfile();

    // The preferences file as it would be written now.
    std::string prefsText() const;
};

fw::FolderItem preferencesFile();

// What the player is told when the preferences file could not be written, and when it
// could not be read either.
QString prefsNotSavedMessage();
QString prefsUnusableMessage();

// The folder of a level set inside "Levels". The set's name is taken as one folder name,
// so that a name holding ':' names its own folder and no path below another, and an empty
// name (from a damaged preferences file) names no folder at all, not "Levels" itself.
fw::FolderItem levelSetFolder(const std::string& setName);

// The items in a set's folder minus one (0 for an empty folder); nothing when the folder
// is not there.
std::optional<int> levelCount(const std::string& setName);

// The version text of a version page: what stands between the first two "vvvesperon"
// markers, all after a lone marker, empty without one.
std::string latestVersion(std::string_view page);

} // namespace game
