// Fuzz target: pasted text through the level converter gives a proper four-field level file,
// or nothing exactly when the text holds no level or one that does not fit the board.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/Harness.h"
#include "shared/fw/Text.h"
#include "shared/level/Converter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto converted = level::convertSokobanLevel(text);
    const level::SokobanSize levelSize = level::sokobanLevelSize(text);
    fuzz::require(converted.has_value() == (!levelSize.isEmpty() && levelSize.fitsBoard()));
    if (!converted)
        return 0;
    const std::string& file = *converted;
    fuzz::require(std::count(file.begin(), file.end(), fw::CR) == 4 && file.back() == fw::CR);
    std::size_t start = 0;
    for (int field = 1; field <= 4; ++field) {
        const std::size_t end = file.find(fw::CR, start);
        fuzz::require(fuzz::isWrittenCellList(std::string_view(file).substr(start, end - start)));
        start = end + 1;
    }
    return 0;
}
