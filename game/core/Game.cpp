// Moves, pushes, the one-step undo, grave marking, the win and level loading.
#include "game/core/Game.h"

#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"

namespace game {

using level::kColumns;
using level::onBoard;

std::string levelFileName(std::int32_t n)
{
    return (n < 10 ? "level 0" : "level ") + fw::Str(n);
}

std::int32_t stepFrom(std::int64_t cell, std::int32_t dir)
{
    if (!onBoard(cell))
        return level::kNoCell;
    const std::int64_t target = cell + dir;
    if (!onBoard(target))
        return level::kNoCell;
    if ((dir == 1 || dir == -1) && target / kColumns != cell / kColumns)
        return level::kNoCell;
    return static_cast<std::int32_t>(target);
}

Game::Game(const Preferences& app, GameHost& host)
    : m_app(app)
    , m_host(host)
{
    m_ban.fill(CellKind::back);
    for (int cell = 0; cell < level::kCells; ++cell) {
        const int row = cell / kColumns;
        const int column = cell % kColumns;
        if (row == 0 || row == level::kRows - 1 || column == 0 || column == kColumns - 1)
            m_ban[cell] = CellKind::wal;
    }
}

CellKind Game::kind(std::int64_t cell) const
{
    return onBoard(cell) ? m_ban[static_cast<std::size_t>(cell)] : CellKind::wal;
}

void Game::setKind(std::int64_t cell, CellKind kind)
{
    if (!onBoard(cell))
        return;
    CellKind& slot = m_ban[static_cast<std::size_t>(cell)];
    if (slot == kind)
        return;
    slot = kind;
    m_host.cellChanged(static_cast<int>(cell));
}

bool Game::isFree(std::int64_t cell) const
{
    if (!onBoard(cell))
        return false;
    const CellKind k = kind(cell);
    return k == CellKind::back || k == CellKind::backprick;
}

// Code 0 is no key: a key without a character never acts, not even for an unbound action.
bool Game::matches(std::int32_t code, int binding) const
{
    return code != 0 && code == m_app.butts[binding];
}

bool Game::KeyDown(std::int32_t code)
{
    if (victory || lockedkeys)
        return false;
    static constexpr std::array<std::int32_t, 5> dirs{0, -kColumns, kColumns, -1, 1};
    bool acted = false;
    for (int binding = Up; binding <= Right && !acted; ++binding) {
        if (matches(code, binding)) {
            riktning = dirs[binding];
            checkahinder();
            acted = true;
        }
    }
    if (!acted && matches(code, Undo))
        methodundo();
    if (matches(code, Restart) && wichlevel > 1) {
        wichlevel = wichlevel - 1;
        newgame();
    }
    return false;
}

void Game::checkahinder()
{
    for (int i = 1; i <= antalboxes; ++i)
        gubrikboxpos[i] = stepFrom(boxpos[i], riktning);
    gubplusrik = stepFrom(gubbpos, riktning);
    undao = false;
    if (gubplusrik != level::kNoCell) {
        for (int i = 1; i <= antalboxes; ++i) {
            if (boxpos[i] != gubplusrik)
                continue;
            if (isFree(gubrikboxpos[i])) {
                setKind(gubplusrik, CellKind::back);
                boxpos[i] = gubrikboxpos[i];
                undao = true;
                if (m_app.soundON && !m_host.isSoundPlaying(Sound::CLICK1))
                    m_host.playSound(Sound::CLICK1);
            } else {
                gubplusrik = gubbpos;
                undao = false;
            }
        }
    }
    if (isFree(gubplusrik)) {
        setKind(gubbpos, CellKind::back);
        gubbpos = gubplusrik;
    }
    for (int i = 1; i <= antalboxes; ++i)
        setKind(boxpos[i], CellKind::box);
    // After the ghosts, as the loader draws it: a file may put a ghost on the player's cell.
    checkagubbpict();
    Prickar();
}

void Game::methodundo()
{
    if (!undao)
        return;
    gubplusrik = stepFrom(gubbpos, riktning);
    const std::int32_t from = stepFrom(gubbpos, -riktning);
    if (gubplusrik == level::kNoCell || from == level::kNoCell) {
        undao = false; // cannot happen after a real push; nothing to take back
        return;
    }
    setKind(gubbpos, CellKind::back);
    const std::int32_t vacated = gubbpos;
    gubbpos = from;
    undao = false;
    for (int i = 1; i <= antalboxes; ++i) {
        if (boxpos[i] == gubplusrik) {
            setKind(gubplusrik, CellKind::back);
            boxpos[i] = vacated;
        }
    }
    for (int i = 1; i <= antalboxes; ++i)
        setKind(boxpos[i], CellKind::box);
    checkagubbpict();
    Prickar();
}

void Game::Prickar()
{
    for (int i = 1; i <= antalboxes; ++i) {
        const std::int32_t grave = prickplats[i];
        if (!onBoard(grave))
            continue;
        const CellKind shown = kind(grave);
        if (shown == CellKind::box || shown == CellKind::box2) // box2: a grave listed twice
            setKind(grave, CellKind::box2);
        else if (grave != gubbpos)
            setKind(grave, CellKind::backprick);
    }
    vinnare = 0;
    for (int i = 1; i <= antalboxes; ++i) {
        if (!onBoard(boxpos[i]) || kind(boxpos[i]) != CellKind::box2)
            continue;
        ++vinnare;
        if (vinnare == antalboxes) {
            lockedkeys = true;
            setKind(gubbpos, CellKind::gubbv);
            if (m_app.soundON)
                m_host.playSound(Sound::boyah);
            m_host.setMessage("Prepare for next level!");
            m_host.startPauseTimer();
        }
    }
}

void Game::checkagubbpict()
{
    switch (riktning) {
    case kColumns: setKind(gubbpos, CellKind::gubb); break;
    case -kColumns: setKind(gubbpos, CellKind::gubb2); break;
    case 1: setKind(gubbpos, CellKind::gubb3); break;
    case -1: setKind(gubbpos, CellKind::gubb4); break;
    default: break;
    }
}

void Game::Timer1_Action()
{
    lockedkeys = false;
    newgame();
}

void Game::newgame()
{
    const std::int32_t n = wichlevel;
    const fw::FolderItem set = levelSetFolder(m_app.lvlmapp);
    if (!set.Directory()) {
        victory = true;
        m_host.levelSetMissing();
        return;
    }
    const fw::FolderItem file = set.Child(levelFileName(n));
    if (!file.Exists()) {
        m_host.setMessage("Congratulation! You won!");
        victory = true;
        return;
    }
    const auto content = file.ReadAll();
    if (!content) {
        victory = true;
        m_host.levelUnreadable(file);
        return;
    }
    const level::LevelData data = level::readLevel(*content);
    readlvldata = data.readlvldata;
    lvlstring = data.lvlstring;
    gubbpos = data.gubbpos;
    antalboxes = data.antalboxes;
    boxpos = data.boxpos;
    prickplats = data.prickplats;
    skelstring = data.skelstring;
    convertlvlcode();
    m_host.setLevelLine("LEVEL " + fw::Str(n));
    wichlevel = n + 1;
    startgame();
}

void Game::startgame()
{
    victory = false;
    lockedkeys = false;
    undao = false;
    m_host.setMessage("");
    rensabana();
    level::forEachCell(lvlstring, [&](std::int32_t cell) { setKind(cell, CellKind::wal); });
    level::forEachCell(skelstring, [&](std::int32_t cell) { setKind(cell, CellKind::skelet); });
    level::drawGravesThenGhosts(antalboxes, prickplats, boxpos,
                                [&](std::int32_t cell, CellKind kind) { setKind(cell, kind); });
    setKind(gubbpos, CellKind::gubb);
    Prickar();
}

void Game::rensabana()
{
    for (int cell = 0; cell < level::kCells; ++cell)
        setKind(cell, CellKind::back);
}

void Game::convertlvlcode()
{
    m_host.setCodeLine("Levelcode: " + level::decodeLevelCode(readlvldata[6]));
}

} // namespace game
