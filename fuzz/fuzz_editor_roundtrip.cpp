// Fuzz target: the editor's open and save of a level file, and a drawn grid saved and opened again.
//
// Input: (a) the whole of it is a level file to open and save again; (b) its first 144
// bytes are a grid (each byte modulo 7 picks a tile) and the rest is the typed level code.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/Harness.h"
#include "shared/fw/Text.h"
#include "shared/level/LevelFile.h"

namespace {

using level::CellKind;

constexpr std::array<CellKind, 7> kTiles = {CellKind::back, CellKind::wal, CellKind::gubb, CellKind::box,
                                            CellKind::backprick, CellKind::box2, CellKind::skelet};

// A saved file: six fields and a final CR, the first five proper cell lists.
void checkSavedFile(std::string_view saved)
{
    fuzz::require(std::count(saved.begin(), saved.end(), fw::CR) == 6 && saved.back() == fw::CR);
    const level::LevelFields fields = level::splitLevelFields(saved);
    for (int k = 1; k <= 5; ++k)
        fuzz::require(fuzz::isWrittenCellList(fields[k]));
}

void openAndSave(std::string_view file)
{
    const level::LevelData data = level::readLevel(file);
    const level::Grid grid = level::drawOpenedLevel(data);
    const std::string code = level::decodeLevelCode(data.readlvldata[6]);
    const std::string saved = level::writeLevelFile(grid, code);
    checkSavedFile(saved);
    fuzz::require(level::splitLevelFields(saved)[6] == data.readlvldata[6]);
}

// One player, no more ghosts than the readers keep, and no more empty graves than loose
// ghosts, so that every grave is paired with a ghost when the level is opened again.
level::Grid properGrid(std::string_view bytes)
{
    level::Grid grid;
    grid.fill(CellKind::back);
    for (std::size_t cell = 0; cell < bytes.size() && cell < grid.size(); ++cell)
        grid[cell] = kTiles[static_cast<unsigned char>(bytes[cell]) % kTiles.size()];
    const auto first = std::find(grid.begin(), grid.end(), CellKind::gubb);
    if (first == grid.end())
        grid[0] = CellKind::gubb;
    else
        std::replace(first + 1, grid.end(), CellKind::gubb, CellKind::back);
    const auto isGhost = [](CellKind k) { return k == CellKind::box || k == CellKind::box2; };
    auto all = std::count_if(grid.begin(), grid.end(), isGhost);
    for (auto cell = grid.rbegin(); cell != grid.rend() && all > level::kMaxBoxes; ++cell) {
        if (isGhost(*cell)) {
            *cell = CellKind::back;
            --all;
        }
    }
    const auto ghosts = std::count(grid.begin(), grid.end(), CellKind::box);
    auto graves = std::count(grid.begin(), grid.end(), CellKind::backprick);
    for (auto cell = grid.rbegin(); cell != grid.rend() && graves > ghosts; ++cell) {
        if (*cell == CellKind::backprick) {
            *cell = CellKind::back;
            --graves;
        }
    }
    return grid;
}

void saveAndOpen(std::string_view bytes)
{
    const std::string_view tiles = bytes.substr(0, std::min<std::size_t>(bytes.size(), level::kCells));
    const std::string_view code = bytes.substr(tiles.size());
    const level::Grid grid = properGrid(tiles);
    const std::string saved = level::writeLevelFile(grid, code);
    checkSavedFile(saved);
    const level::LevelData data = level::readLevel(saved);
    fuzz::require(level::drawOpenedLevel(data) == grid);
    std::string kept(code);
    std::erase(kept, static_cast<char>(fw::CR - 2));
    fuzz::require(level::decodeLevelCode(data.readlvldata[6]) == kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    openAndSave(input);
    saveAndOpen(input);
    return 0;
}
