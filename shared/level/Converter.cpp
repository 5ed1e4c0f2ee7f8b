// The Sokoban notation scan: one character per cell, carriage returns start rows.
#include "shared/level/Converter.h"

#include <array>

#include "shared/fw/Text.h"
#include "shared/level/CellKind.h"

namespace level {
namespace {

constexpr int kCharactersLooked = 143;

std::string joinLists(std::string a, const std::string& b)
{
    if (!a.empty() && !b.empty())
        a += ',';
    return a + b;
}

} // namespace

std::string convertSokobanLevel(std::string_view text)
{
    // 1 walls, 2 player, 3 ghosts, 4 graves, 5 ghosts on graves, 6 their graves
    std::array<std::string, 7> savestring;
    int cell = 0;
    int rows = 0;
    int looked = 0;
    for (std::size_t i = 0; i < text.size() && looked < kCharactersLooked; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue; // rest of a multi-byte character, which takes one cell in all
        ++looked;
        if (c == fw::CR) {
            ++rows;
            if (rows >= 1 && rows <= 11)
                cell = kColumns * rows - 1;
        }
        const auto add = [&](int list) {
            if (onBoard(cell))
                savestring[list] += fw::Str(cell) + ',';
        };
        switch (c) {
        case '#': add(1); break;
        case '@': add(2); break;
        case '$': add(3); break;
        case '.': add(4); break;
        case '+': add(4); add(2); break;
        case '*': add(5); add(6); break;
        default: break;
        }
        ++cell;
    }
    for (int list = 1; list <= 6; ++list) {
        if (!savestring[list].empty())
            savestring[list].pop_back();
    }
    const std::string field3 = joinLists(savestring[3], savestring[5]);
    const std::string field4 = joinLists(savestring[4], savestring[6]);
    return savestring[1] + fw::CR + savestring[2] + fw::CR + field3 + fw::CR + field4 + fw::CR;
}

} // namespace level
