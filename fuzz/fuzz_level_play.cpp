// Fuzz target: a level file loaded by the game and played by keys, the board checked after every key.
//
// Input: the level file, a '|', then one key per byte (its value modulo 6 picks up, down,
// left, right, undo or restart; the digits '0'..'5' name them in that order).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/Harness.h"
#include "game/core/Game.h"
#include "tests/support/SilentHost.h"

namespace {

using level::CellKind;

constexpr char kSeparator = '|';
constexpr std::array<std::int32_t, 6> kKeys = {30, 31, 28, 29, 32, 114};

// Silent, but it holds the rules to the board and the set, and lets both sound paths run.
class CheckingHost : public testsupport::SilentHost {
public:
    void cellChanged(int cell) override { fuzz::require(level::onBoard(cell)); }
    // Every other push finds the click still playing.
    bool isSoundPlaying(game::Sound) override
    {
        m_playing = !m_playing;
        return m_playing;
    }
    void levelSetMissing() override { fuzz::require(false); }

private:
    bool m_playing = false;
};

bool isGrave(const game::Game& g, std::int32_t cell)
{
    for (int i = 1; i <= g.antalboxes; ++i) {
        if (g.prickplats[i] == cell)
            return true;
    }
    return false;
}

bool isGhost(const game::Game& g, std::int32_t cell)
{
    for (int i = 1; i <= g.antalboxes; ++i) {
        if (g.boxpos[i] == cell)
            return true;
    }
    return false;
}

// The board shows what the game state says: the player as a player, each ghost as a
// ghost (on a grave when it rests on one), each other grave as an empty grave. A file may
// put a ghost under the player, who is shown on top.
void checkBoard(const game::Game& g)
{
    fuzz::require(g.antalboxes >= 0 && g.antalboxes <= level::kMaxBoxes);
    if (level::onBoard(g.gubbpos))
        fuzz::require(level::isPlayer(g.kind(g.gubbpos)));
    for (int i = 1; i <= g.antalboxes; ++i) {
        const std::int32_t ghost = g.boxpos[i];
        if (level::onBoard(ghost) && ghost != g.gubbpos)
            fuzz::require(g.kind(ghost) == (isGrave(g, ghost) ? CellKind::box2 : CellKind::box));
        const std::int32_t grave = g.prickplats[i];
        if (level::onBoard(grave) && grave != g.gubbpos && !isGhost(g, grave))
            fuzz::require(g.kind(grave) == CellKind::backprick);
    }
}

const fuzz::TempFolders& folders()
{
    static const fuzz::TempFolders tree;
    return tree;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find(kSeparator);
    const std::string_view file = input.substr(0, split);
    const std::string_view keys = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    folders().write("Levels/Fuzz/level 01", file);
    game::Preferences app;
    app.butts = {0, 30, 31, 28, 29, 32, 114};
    app.soundON = true;
    app.lvlmapp = "Fuzz";
    CheckingHost host;
    game::Game g(app, host);
    g.wichlevel = 1;
    g.newgame();
    fuzz::require(!g.victory && g.wichlevel == 2);
    checkBoard(g);
    for (const char key : keys) {
        if (g.victory)
            break;
        g.KeyDown(kKeys[static_cast<unsigned char>(key) % kKeys.size()]);
        checkBoard(g);
        if (g.lockedkeys) {
            g.Timer1_Action();
            checkBoard(g);
        }
    }
    return 0;
}
