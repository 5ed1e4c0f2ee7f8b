// Text grids to level files.
#include "tests/support/TextLevel.h"

#include <array>
#include <stdexcept>

#include "shared/fw/Text.h"

namespace testsupport {
namespace {

template <typename F>
void forEachChar(std::initializer_list<std::string_view> rows, F&& f)
{
    int r = 0;
    for (std::string_view row : rows) {
        if (r >= level::kRows || row.size() > std::size_t(level::kColumns))
            throw std::invalid_argument("text level larger than the board");
        for (std::size_t c = 0; c < row.size(); ++c)
            f(r * level::kColumns + int(c), row[c]);
        ++r;
    }
}

} // namespace

std::string levelFile(std::initializer_list<std::string_view> rows, std::string_view typedCode)
{
    // lists: 1 walls, 2 player, 3 ghosts, 4 graves, 5 skeletons; ghosts on graves last
    std::array<std::string, 6> lists;
    std::string onGraves;
    const auto add = [](std::string& list, int cell) {
        if (!list.empty())
            list += ',';
        list += fw::Str(cell);
    };
    forEachChar(rows, [&](int cell, char ch) {
        switch (ch) {
        case '#': add(lists[1], cell); break;
        case '@': add(lists[2], cell); break;
        case '$': add(lists[3], cell); break;
        case '.': add(lists[4], cell); break;
        case '+': add(lists[2], cell); add(lists[4], cell); break;
        case 'S': add(lists[5], cell); break;
        case '*': add(onGraves, cell); break;
        default: break;
        }
    });
    for (int list : {3, 4}) {
        if (!onGraves.empty())
            lists[list] += (lists[list].empty() ? "" : ",") + onGraves;
    }
    std::string content;
    for (int list = 1; list <= 5; ++list)
        content += lists[list] + fw::CR;
    return content + level::encodeLevelCode(typedCode) + fw::CR;
}

level::Grid grid(std::initializer_list<std::string_view> rows)
{
    level::Grid g;
    g.fill(level::CellKind::back);
    forEachChar(rows, [&](int cell, char ch) {
        using level::CellKind;
        switch (ch) {
        case '#': g[cell] = CellKind::wal; break;
        case '@': g[cell] = CellKind::gubb; break;
        case '$': g[cell] = CellKind::box; break;
        case '.': g[cell] = CellKind::backprick; break;
        case '*': g[cell] = CellKind::box2; break;
        case 'S': g[cell] = CellKind::skelet; break;
        case '+': throw std::invalid_argument("no kind shows a player on a grave");
        default: break;
        }
    });
    return g;
}

std::string rowsOf(const level::Grid& grid)
{
    std::string text;
    for (int cell = 0; cell < level::kCells; ++cell) {
        using level::CellKind;
        const CellKind k = grid[cell];
        char ch = '?';
        switch (k) {
        case CellKind::wal: ch = '#'; break;
        case CellKind::box: ch = '$'; break;
        case CellKind::backprick: ch = '.'; break;
        case CellKind::box2: ch = '*'; break;
        case CellKind::skelet: ch = 'S'; break;
        case CellKind::back: ch = ' '; break;
        case CellKind::gubb: ch = '@'; break;
        case CellKind::gubb2: ch = '^'; break;
        case CellKind::gubb3: ch = '>'; break;
        case CellKind::gubb4: ch = '<'; break;
        case CellKind::gubbv: ch = 'V'; break;
        }
        text += ch;
        if (cell % level::kColumns == level::kColumns - 1)
            text += '\n';
    }
    return text;
}

} // namespace testsupport
