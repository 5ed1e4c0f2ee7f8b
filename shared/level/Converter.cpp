// The Sokoban notation scan: one character per cell, carriage returns start rows.
#include "shared/level/Converter.h"

#include <algorithm>
#include <array>

#include "shared/fw/Text.h"
#include "shared/level/CellKind.h"

namespace level {
namespace {

bool isNotation(char c)
{
    return std::string_view("#@$.+*").find(c) != std::string_view::npos;
}

// Calls visit(row, column, c) for every notation character c of text.
template <typename Visit>
void forEachNotation(std::string_view text, Visit&& visit)
{
    std::size_t row = 0;
    std::size_t column = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // rest of a multi-byte character, which takes one cell in all
        if (c == fw::CR) {
            ++row;
            column = 0;
            continue;
        }
        if (isNotation(c))
            visit(row, column, c);
        ++column;
    }
}

std::string joinLists(std::string a, const std::string& b)
{
    if (!a.empty() && !b.empty())
        a += ',';
    return a + b;
}

} // namespace

bool SokobanSize::fitsBoard() const
{
    return columns <= static_cast<std::size_t>(kColumns) && rows <= static_cast<std::size_t>(kRows);
}

SokobanSize sokobanLevelSize(std::string_view text)
{
    SokobanSize size;
    forEachNotation(text, [&](std::size_t row, std::size_t column, char) {
        size.columns = std::max(size.columns, column + 1);
        size.rows = std::max(size.rows, row + 1);
    });
    return size;
}

std::optional<std::string> convertSokobanLevel(std::string_view text)
{
    if (!sokobanLevelSize(text).fitsBoard())
        return std::nullopt;
    // 1 walls, 2 player, 3 ghosts, 4 graves, 5 ghosts on graves, 6 their graves
    std::array<std::string, 7> savestring;
    forEachNotation(text, [&](std::size_t row, std::size_t column, char c) {
        const std::string cell = fw::Str(static_cast<std::int64_t>(row * kColumns + column)) + ',';
        switch (c) {
        case '#': savestring[1] += cell; break;
        case '@': savestring[2] += cell; break;
        case '$': savestring[3] += cell; break;
        case '.': savestring[4] += cell; break;
        case '+': savestring[4] += cell; savestring[2] += cell; break;
        case '*': savestring[5] += cell; savestring[6] += cell; break;
        default: break;
        }
    });
    for (int list = 1; list <= 6; ++list) {
        if (!savestring[list].empty())
            savestring[list].pop_back();
    }
    const std::string field3 = joinLists(savestring[3], savestring[5]);
    const std::string field4 = joinLists(savestring[4], savestring[6]);
    return savestring[1] + fw::CR + savestring[2] + fw::CR + field3 + fw::CR + field4 + fw::CR;
}

} // namespace level
