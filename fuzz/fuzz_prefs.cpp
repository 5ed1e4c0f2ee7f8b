// Fuzz target: the preferences file read, saved and read again gives the same settings.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/Harness.h"
#include "game/core/Preferences.h"

namespace {

const fuzz::TempFolders& folders()
{
    static const fuzz::TempFolders tree;
    return tree;
}

} // namespace

// A set of two levels, so that a file naming it gets a count.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folders().write("Levels/Standard/level 01", "\r13\r\r\r\r\r");
    folders().write("Levels/Standard/level 02", "\r13\r\r\r\r\r");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    folders().write(QStringLiteral("prefs/") + game::kPreferencesFileName,
                    std::string_view(reinterpret_cast<const char*>(data), size));
    game::Preferences read;
    read.loadprefs();
    read.saveprefs();
    game::Preferences again;
    again.loadprefs();
    fuzz::require(again.butts == read.butts);
    fuzz::require(again.musicON == read.musicON && again.soundON == read.soundON);
    fuzz::require(again.lvlmapp == read.lvlmapp && again.lvlmappantal == read.lvlmappantal);
    return 0;
}
