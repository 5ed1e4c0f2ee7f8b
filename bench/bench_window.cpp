// A key press on the real main window through to the finished repaint of the board, and
// the settings window opening with many entries in the level folder.
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include "game/ui/SoundBank.h"
#include "game/ui/Window1.h"
#include "game/windows/SettingsWindow.h"
#include "shared/fw/FolderItem.h"
#include "shared/gui/BoardView.h"

namespace {

// A corridor where the player walks back and forth pushing nothing: every move changes
// exactly the two cells the player leaves and enters.
constexpr std::string_view kCorridor =
    "0,1,2,3,4,5,6,7,8,9,10,11,12,23,24,25,26,27,28,29,30,31,32,33,34,35\r13\r\r\r\r\r";

class Silence : public game::SoundBank {
public:
    void play(game::Sound) override {}
    bool isPlaying(game::Sound) override { return false; }
};

void KeyPressToRepaint(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/Levels/Bench");
    QFile file(dir.path() + "/Levels/Bench/level 01");
    if (!file.open(QIODevice::WriteOnly))
        return state.SkipWithError("no temporary level");
    file.write(kCorridor.data(), qint64(kCorridor.size()));
    file.close();
    fw::setProgramFolder(dir.path());

    game::Preferences app;
    app.butts = {0, 30, 31, 28, 29, 32, 114};
    app.lvlmapp = "Bench";
    Silence sounds;
    game::Window1 window(app, sounds);
    window.show();
    window.game().wichlevel = 1;
    window.klickanewgame();
    QCoreApplication::processEvents();
    auto* board = window.findChild<fw::BoardView*>();
    if (!board)
        return state.SkipWithError("no board");

    long painted = 0;
    int step = 0;
    for (auto _ : state) {
        // Ten steps right, ten back: the player never reaches a wall.
        const Qt::Key key = (step++ / 10) % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
        QCoreApplication::processEvents();
        painted += board->lastPaintedCells();
    }
    state.counters["cells_repainted_per_move"] = double(painted) / double(state.iterations());
    state.SetItemsProcessed(state.iterations());
    fw::setProgramFolder({});
}
BENCHMARK(KeyPressToRepaint);

// The settings window lists every level set when it opens: the time it takes grows with
// the entries of the level folder, the window's own building aside.
void SettingsOpenWithLevelFolderEntries(benchmark::State& state)
{
    const auto entries = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    for (int k = 1; k <= entries; ++k)
        QDir().mkpath(dir.path() + QStringLiteral("/Levels/Set %1").arg(k));
    fw::setProgramFolder(dir.path());
    game::Preferences app;
    for (auto _ : state) {
        auto* window = new game::preff(app, nullptr);
        const auto* list = window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        if (!list || list->count() != entries)
            state.SkipWithError("the list does not hold every set");
        delete window;
    }
    state.counters["entries"] = entries;
    fw::setProgramFolder({});
}
BENCHMARK(SettingsOpenWithLevelFolderEntries)->Arg(30)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
