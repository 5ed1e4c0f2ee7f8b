// Writing and reading level files.
#include "shared/level/LevelFile.h"

#include <algorithm>

#include "shared/fw/Text.h"

namespace level {

std::string encodeLevelCode(std::string_view code)
{
    std::string result;
    result.reserve(code.size());
    for (auto it = code.rbegin(); it != code.rend(); ++it)
        result += fw::Chr(static_cast<unsigned char>(*it) + 2);
    return result;
}

std::string decodeLevelCode(std::string_view stored)
{
    std::string result;
    result.reserve(stored.size());
    for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        result += fw::Chr(static_cast<unsigned char>(*it) - 2);
    return result;
}

LevelFields splitLevelFields(std::string_view content)
{
    LevelFields fields;
    std::size_t start = 0;
    for (int k = 1; k <= 6 && start <= content.size(); ++k) {
        const std::size_t at = content.find(fw::CR, start);
        if (at == std::string_view::npos) {
            fields[k] = std::string(content.substr(start));
            break;
        }
        fields[k] = std::string(content.substr(start, at - start));
        start = at + 1;
    }
    return fields;
}

LevelData readLevel(std::string_view content)
{
    LevelData data;
    data.readlvldata = splitLevelFields(content);
    data.lvlstring = data.readlvldata[1];
    data.gubbpos = fw::ValInt32(data.readlvldata[2]);
    forEachCell(data.readlvldata[3], [&](std::int32_t cell) {
        if (data.antalboxes < kMaxBoxes)
            data.boxpos[++data.antalboxes] = cell;
    });
    forEachCell(data.readlvldata[4], [&](std::int32_t cell) {
        if (data.graveCount < kMaxBoxes)
            data.prickplats[++data.graveCount] = cell;
    });
    std::fill(data.prickplats.begin() + data.graveCount + 1, data.prickplats.end(), kNoCell);
    data.skelstring = data.readlvldata[5];
    return data;
}

Grid drawOpenedLevel(const LevelData& data)
{
    Grid grid;
    grid.fill(CellKind::back);
    const auto set = [&](std::int64_t cell, CellKind kind) {
        if (onBoard(cell))
            grid[static_cast<std::size_t>(cell)] = kind;
    };
    forEachCell(data.lvlstring, [&](std::int32_t cell) { set(cell, CellKind::wal); });
    forEachCell(data.skelstring, [&](std::int32_t cell) { set(cell, CellKind::skelet); });
    set(data.gubbpos, CellKind::gubb);
    drawGravesThenGhosts(data.antalboxes, data.prickplats, data.boxpos, set);
    for (int k = 1; k <= data.antalboxes; ++k) {
        const std::int32_t grave = data.prickplats[k];
        if (onBoard(grave) && grid[static_cast<std::size_t>(grave)] == CellKind::box)
            grid[static_cast<std::size_t>(grave)] = CellKind::box2;
    }
    return grid;
}

std::string writeLevelFile(const Grid& grid, std::string_view typedCode)
{
    std::array<std::string, 6> strings;
    const auto add = [&](int list, int cell) { strings[list] += fw::Str(cell) + ','; };
    for (int cell = 0; cell < kCells; ++cell) {
        switch (grid[cell]) {
        case CellKind::wal: add(1, cell); break;
        case CellKind::skelet: add(5, cell); break;
        case CellKind::gubb: add(2, cell); break;
        case CellKind::box: add(3, cell); break;
        case CellKind::backprick: add(4, cell); break;
        default: break;
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (grid[cell] == CellKind::box2) {
            add(3, cell);
            add(4, cell);
        }
    }
    std::string content;
    for (int list = 1; list <= 5; ++list) {
        if (!strings[list].empty())
            strings[list].pop_back();
        content += strings[list] + fw::CR;
    }
    // The one character whose stored form is a carriage return would split the file.
    std::string code(typedCode);
    std::erase(code, static_cast<char>(fw::CR - 2));
    content += encodeLevelCode(code) + fw::CR;
    return content;
}

} // namespace level
