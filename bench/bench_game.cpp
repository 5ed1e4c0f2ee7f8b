// How fast the rules play keys and how fast a level file is read and loaded.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/core/Game.h"
#include "shared/fw/FolderItem.h"
#include "shared/level/LevelFile.h"
#include "tests/support/SilentHost.h"

namespace {

// ############
// #          #
// # @$  .    #      '@' player  '$' ghost  '.' grave  'S' skeleton
// #          #
// #   $      #
// #          #
// #   .  S   #
// #          #
// #    ## $. #
// #          #
// #  S       #
// ############
constexpr std::string_view kLevel =
    "0,1,2,3,4,5,6,7,8,9,10,11,12,23,24,35,36,47,48,59,60,71,72,83,84,95,96,101,102,107,108,119,120,131,"
    "132,133,134,135,136,137,138,139,140,141,142,143\r"
    "26\r"
    "27,52,104\r"
    "30,76,105\r"
    "79,123\r"
    "\r";

constexpr std::int32_t kUp = 30, kDown = 31, kLeft = 28, kRight = 29, kUndo = 32;

// A walk round the first ghost with a blocked step, a push and its undo, back to the start.
const std::vector<std::int32_t> kWander = {kUp, kUp, kRight, kRight, kDown, kLeft, kUndo, kUp, kLeft, kLeft, kDown};
const std::vector<std::int32_t> kSolution = {kRight, kRight, kRight, kDown, kLeft, kDown, kDown,
                                            kRight, kRight, kDown, kDown, kRight, kDown, kRight};
constexpr int kWanders = 90;

// A program folder holding the one-level set "Bench" for as long as a benchmark runs.
class BenchSet {
public:
    BenchSet()
    {
        QDir().mkpath(m_dir.path() + "/Levels/Bench");
        QFile file(m_dir.path() + "/Levels/Bench/level 01");
        if (file.open(QIODevice::WriteOnly))
            file.write(kLevel.data(), qint64(kLevel.size()));
        fw::setProgramFolder(m_dir.path());
        app.butts = {0, 30, 31, 28, 29, 32, 114};
        app.soundON = true;
        app.lvlmapp = "Bench";
    }
    ~BenchSet() { fw::setProgramFolder({}); }
    BenchSet(const BenchSet&) = delete;
    BenchSet& operator=(const BenchSet&) = delete;

    game::Preferences app;
    testsupport::SilentHost host;

private:
    QTemporaryDir m_dir;
};

std::vector<std::int32_t> keySequence()
{
    std::vector<std::int32_t> keys;
    for (int k = 0; k < kWanders; ++k)
        keys.insert(keys.end(), kWander.begin(), kWander.end());
    keys.insert(keys.end(), kSolution.begin(), kSolution.end());
    return keys;
}

// Keys through the rules; each solved level is started again, as the restart key would.
void MovesPerSecond(benchmark::State& state)
{
    BenchSet set;
    game::Game g(set.app, set.host);
    g.wichlevel = 1;
    g.newgame();
    const std::vector<std::int32_t> keys = keySequence();
    std::int64_t moves = 0;
    std::int64_t wins = 0;
    for (auto _ : state) {
        for (const std::int32_t key : keys) {
            g.KeyDown(key);
            ++moves;
        }
        if (!g.lockedkeys) {
            state.SkipWithError("the key sequence did not solve the level");
            break;
        }
        ++wins;
        g.wichlevel = 1;
        g.newgame();
    }
    state.SetItemsProcessed(moves);
    state.counters["wins"] = benchmark::Counter(double(wins), benchmark::Counter::kIsRate);
}
BENCHMARK(MovesPerSecond);

// newgame: the file read from disk, parsed and drawn onto the board.
void LoadLevelFromDisk(benchmark::State& state)
{
    BenchSet set;
    game::Game g(set.app, set.host);
    for (auto _ : state) {
        g.wichlevel = 1;
        g.newgame();
        benchmark::DoNotOptimize(g.board());
    }
    if (g.victory)
        state.SkipWithError("the level was not found");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LoadLevelFromDisk);

// The file's parsing alone, for comparison with the load from disk.
void ReadLevelText(benchmark::State& state)
{
    for (auto _ : state) {
        level::LevelData data = level::readLevel(kLevel);
        benchmark::DoNotOptimize(data);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadLevelText);

} // namespace
