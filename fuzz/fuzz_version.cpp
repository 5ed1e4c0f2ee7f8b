// Fuzz target: the version text taken from a version page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/Harness.h"
#include "game/core/Preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const std::string version = game::latestVersion(page);
    fuzz::require(page.find(version) != std::string_view::npos);
    fuzz::require(version.find("vvvesperon") == std::string::npos);
    return 0;
}
