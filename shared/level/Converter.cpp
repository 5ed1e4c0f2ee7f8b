// The Sokoban notation scan: one character per cell, carriage returns start rows.
#include "shared/level/Converter.h"

#include <algorithm>
#include <array>
#include <limits>

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

// The box around the notation characters of text; bottom and right lie one past the last.
struct NotationBox {
    std::size_t top = std::numeric_limits<std::size_t>::max();
    std::size_t left = std::numeric_limits<std::size_t>::max();
    std::size_t bottom = 0;
    std::size_t right = 0;

    bool isEmpty() const { return bottom == 0; }
    // How far the notation reaches from the top left corner, margins included.
    SokobanSize reach() const { return {right, bottom}; }
    SokobanSize level() const { return isEmpty() ? SokobanSize{} : SokobanSize{right - left, bottom - top}; }
};

NotationBox notationBox(std::string_view text)
{
    NotationBox box;
    forEachNotation(text, [&](std::size_t row, std::size_t column, char) {
        box.top = std::min(box.top, row);
        box.left = std::min(box.left, column);
        box.bottom = std::max(box.bottom, row + 1);
        box.right = std::max(box.right, column + 1);
    });
    return box;
}

} // namespace

bool SokobanSize::isEmpty() const
{
    return rows == 0;
}

bool SokobanSize::fitsBoard() const
{
    return columns <= static_cast<std::size_t>(kColumns) && rows <= static_cast<std::size_t>(kRows);
}

SokobanSize sokobanLevelSize(std::string_view text)
{
    return notationBox(text).level();
}

std::optional<std::string> convertSokobanLevel(std::string_view text)
{
    const NotationBox box = notationBox(text);
    if (box.isEmpty() || !box.level().fitsBoard())
        return std::nullopt;
    // Margins are dropped only when needed, so that a level placed lower or further right on
    // purpose stays there.
    const bool keepMargins = box.reach().fitsBoard();
    const std::size_t top = keepMargins ? 0 : box.top;
    const std::size_t left = keepMargins ? 0 : box.left;
    // 1 walls, 2 player, 3 ghosts, 4 graves, 5 ghosts on graves, 6 their graves
    std::array<std::string, 7> savestring;
    forEachNotation(text, [&](std::size_t row, std::size_t column, char c) {
        const std::size_t cellIndex = (row - top) * kColumns + (column - left);
        const std::string cell = fw::Str(static_cast<std::int64_t>(cellIndex)) + ',';
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
