// The shipped Standard level set: its files, the shape of every level, and a proof by search
// that the game's own rules solve each level in the fewest pushes recorded here.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "game/core/Game.h"
#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"
#include "shared/level/LevelFile.h"
#include "tests/support/GameFixture.h"
#include "tests/support/SilentHost.h"
#include "tools/levels/LevelSource.h"

using level::CellKind;

namespace {

const std::string kSourceDir = VESPERON_SOURCE_DIR;
constexpr const char* kSetName = "Standard";
constexpr const char* kAboutFile = "About this set.txt";
constexpr const char* kLevelSource = "tools/levels/standard-levels.txt";

struct ShippedLevel {
    int number;
    const char* code;
    int pushes; // the fewest pushes that solve the level
};

void PrintTo(const ShippedLevel& shipped, std::ostream* os)
{
    *os << "level " << shipped.number << " \"" << shipped.code << '"';
}

constexpr std::array<ShippedLevel, 15> kLevels{{
    {1, "moonlit", 1},
    {2, "crypt7", 3},
    {3, "mist", 4},
    {4, "raven", 7},
    {5, "wraith", 8},
    {6, "hollow", 9},
    {7, "gloaming", 11},
    {8, "wisp", 16},
    {9, "bonefire", 19},
    {10, "vesper", 23},
    {11, "ghoul", 24},
    {12, "shroud", 30},
    {13, "lantern", 32},
    {14, "cobweb", 34},
    {15, "eclipse", 43},
}};

// Eight bits per cell: the player and up to seven ghosts make one 64-bit search key.
constexpr int kMaxGhosts = 7;
constexpr std::array<std::int32_t, 4> kDirections{-level::kColumns, level::kColumns, -1, 1};

std::int32_t keyFor(std::int32_t direction)
{
    using namespace testsupport;
    switch (direction) {
    case -level::kColumns: return kUp;
    case level::kColumns: return kDown;
    case -1: return kLeft;
    default: return kRight;
    }
}

std::string readSourceFile(const std::string& relative)
{
    std::ifstream in(kSourceDir + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string shippedFile(int number)
{
    return fw::GetFolderItem(":Levels:" + std::string(kSetName) + ":" + game::levelFileName(number))
        .ReadAll()
        .value_or("<missing>");
}

bool isFree(CellKind kind)
{
    return kind == CellKind::back || kind == CellKind::backprick;
}

game::Preferences defaultPreferences()
{
    game::Preferences app;
    app.butts = {0, 30, 31, 28, 29, 32, 114};
    app.lvlmapp = kSetName;
    return app;
}

// The game runs from the source tree's own game folder, so it reads the shipped files.
class ShippedSet : public ::testing::Test {
protected:
    void SetUp() override { fw::setProgramFolder(QString::fromStdString(kSourceDir + "/game")); }
    void TearDown() override { fw::setProgramFolder({}); }
};

// A set of cells; the search floods walkable areas with whole-board shifts.
using Cells = std::bitset<level::kCells>;

Cells columnCells(int column)
{
    Cells cells;
    for (int row = 0; row < level::kRows; ++row)
        cells.set(std::size_t(row * level::kColumns + column));
    return cells;
}

// The cells of open that the player reaches from cell start by walking.
Cells flood(const Cells& open, std::int32_t start)
{
    static const Cells notLeftmost = ~columnCells(0);
    static const Cells notRightmost = ~columnCells(level::kColumns - 1);
    Cells area;
    area.set(std::size_t(start));
    for (;;) {
        const Cells grown = (area | (area & notRightmost) << 1 | (area & notLeftmost) >> 1 | area << level::kColumns
                                | area >> level::kColumns)
            & open;
        if (grown == area)
            return area;
        area = grown;
    }
}

// The ghosts' cells, ascending, and the player's cell.
struct Position {
    std::int32_t player = 0;
    int count = 0;
    std::array<std::int32_t, kMaxGhosts> ghosts{};

    // Takes the cells of the game's ghosts, which it numbers from 1, in ascending order.
    void setGhosts(const game::Game& game)
    {
        if (game.antalboxes < 0 || game.antalboxes > kMaxGhosts)
            throw std::length_error("too many ghosts for the search");
        const int n = game.antalboxes;
        count = n;
        std::copy_n(game.boxpos.begin() + 1, n, ghosts.begin());
        std::sort(ghosts.begin(), ghosts.begin() + n);
    }

    const std::int32_t* begin() const { return ghosts.data(); }
    const std::int32_t* end() const { return ghosts.data() + count; }
    bool sameGhosts(const Position& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }
    Cells ghostCells() const
    {
        Cells cells;
        for (std::int32_t ghost : *this)
            cells.set(std::size_t(ghost));
        return cells;
    }

    std::uint64_t key() const
    {
        std::uint64_t key = std::uint64_t(player);
        for (std::int32_t ghost : *this)
            key = key << 8 | std::uint64_t(ghost);
        return key;
    }
    static Position fromKey(std::uint64_t key, int count)
    {
        Position p;
        p.count = count;
        for (int i = count; i-- > 0; key >>= 8)
            p.ghosts[std::size_t(i)] = std::int32_t(key & 0xff);
        p.player = std::int32_t(key);
        return p;
    }
};

// Answers what one key press does to a position by asking the game itself: the level is
// loaded from its shipped file once, and each question puts the ghosts and the player on
// that game's board, presses the key and reads the game's state back.
class Rules {
public:
    explicit Rules(int number)
    {
        m_game.wichlevel = number;
        m_game.newgame();
        m_start.setGhosts(m_game);
        m_start.player = m_game.gubbpos;
        m_floor = m_game.board();
        for (CellKind& kind : m_floor) {
            if (kind == CellKind::box || level::isPlayer(kind))
                kind = CellKind::back;
            else if (kind == CellKind::box2)
                kind = CellKind::backprick;
        }
        for (int i = 1; i <= m_game.antalboxes; ++i)
            m_floor[std::size_t(m_game.prickplats[i])] = CellKind::backprick;
        for (int cell = 0; cell < level::kCells; ++cell) {
            m_game.setKind(cell, m_floor[std::size_t(cell)]);
            m_open[std::size_t(cell)] = isFree(m_floor[std::size_t(cell)]);
        }
    }

    const Position& start() const { return m_start; }
    // The board without ghosts or player: walls, skeletons, floor and empty graves.
    const level::Grid& floor() const { return m_floor; }
    // The cells of the floor that a player or a ghost may enter.
    const Cells& open() const { return m_open; }

    // The position after the key for direction is pressed; won tells whether it solved the level.
    Position press(const Position& from, std::int32_t direction, bool& won)
    {
        for (int i = 0; i < from.count; ++i) {
            const std::int32_t ghost = from.ghosts[std::size_t(i)];
            m_game.boxpos[i + 1] = ghost;
            m_game.setKind(ghost, m_floor[std::size_t(ghost)] == CellKind::backprick ? CellKind::box2 : CellKind::box);
        }
        m_game.gubbpos = from.player;
        m_game.setKind(from.player, CellKind::gubb);
        m_game.lockedkeys = false;
        m_game.KeyDown(keyFor(direction));
        won = m_game.lockedkeys;

        // A press moves ghosts but never makes or takes one.
        if (m_game.antalboxes != from.count)
            throw std::logic_error("a key press changed the number of ghosts");
        Position to;
        to.player = m_game.gubbpos;
        to.setGhosts(m_game);
        for (const Position* p : std::array<const Position*, 2>{&from, &to}) {
            for (std::int32_t ghost : *p)
                m_game.setKind(ghost, m_floor[std::size_t(ghost)]);
            m_game.setKind(p->player, m_floor[std::size_t(p->player)]);
        }
        return to;
    }

private:
    game::Preferences m_app = defaultPreferences();
    testsupport::SilentHost m_host;
    game::Game m_game{m_app, m_host};
    Position m_start;
    level::Grid m_floor{};
    Cells m_open;
};

// Positions that differ only in where the player stands inside one walkable area are one
// position to the search: the player is put on the area's first cell.
Position normalised(const Cells& open, Position p)
{
    const Cells area = flood(open & ~p.ghostCells(), p.player);
    std::int32_t first = 0;
    while (!area[std::size_t(first)])
        ++first;
    p.player = first;
    return p;
}

// Cells from which a ghost can still be pushed onto some grave; a ghost pushed anywhere
// else is stuck for good. Found by pulling ghosts back from the graves.
Cells liveCells(const level::Grid& floor, const Cells& open)
{
    Cells live;
    std::vector<std::int32_t> todo;
    for (int cell = 0; cell < level::kCells; ++cell) {
        if (floor[std::size_t(cell)] == CellKind::backprick) {
            live.set(std::size_t(cell));
            todo.push_back(cell);
        }
    }
    while (!todo.empty()) {
        const std::int32_t cell = todo.back();
        todo.pop_back();
        for (std::int32_t direction : kDirections) {
            const std::int32_t from = game::stepFrom(cell, direction);
            const std::int32_t pusher = game::stepFrom(from, direction);
            if (pusher == level::kNoCell || live[std::size_t(from)] || !open[std::size_t(from)] || !open[std::size_t(pusher)])
                continue;
            live.set(std::size_t(from));
            todo.push_back(from);
        }
    }
    return live;
}

// One push: the player stands on cell from and presses the key for direction.
struct Push {
    std::int32_t from;
    std::int32_t direction;
};

struct Solution {
    std::vector<Push> pushes;
    std::size_t positions = 0;
};

// Breadth first over pushes, so the first win found has the fewest pushes.
std::optional<Solution> solve(Rules& rules)
{
    const Cells& open = rules.open();
    const Cells live = liveCells(rules.floor(), open);
    const int ghostCount = rules.start().count;
    struct Parent {
        std::uint64_t key;
        Push push;
    };
    std::unordered_map<std::uint64_t, Parent> parents;
    const auto solutionTo = [&](std::uint64_t key, Push last) {
        Solution s;
        s.pushes.push_back(last);
        for (auto it = parents.find(key); it->second.push.from != level::kNoCell; it = parents.find(it->second.key))
            s.pushes.push_back(it->second.push);
        std::reverse(s.pushes.begin(), s.pushes.end());
        s.positions = parents.size();
        return s;
    };

    const std::uint64_t startKey = normalised(open, rules.start()).key();
    parents.emplace(startKey, Parent{0, {level::kNoCell, 0}});
    std::deque<std::uint64_t> queue{startKey};
    while (!queue.empty()) {
        const std::uint64_t key = queue.front();
        queue.pop_front();
        Position here = Position::fromKey(key, ghostCount);
        const Cells walk = flood(open & ~here.ghostCells(), here.player);
        for (int i = 0; i < ghostCount; ++i) {
            for (std::int32_t direction : kDirections) {
                const std::int32_t from = game::stepFrom(here.ghosts[std::size_t(i)], -direction);
                if (from == level::kNoCell || !walk[std::size_t(from)])
                    continue;
                here.player = from;
                bool won = false;
                const Position after = rules.press(here, direction, won);
                if (after.sameGhosts(here))
                    continue;
                if (won)
                    return solutionTo(key, {from, direction});
                if (std::any_of(after.begin(), after.end(), [&](std::int32_t cell) { return !live[std::size_t(cell)]; }))
                    continue;
                const std::uint64_t next = normalised(open, after).key();
                if (parents.emplace(next, Parent{key, {from, direction}}).second)
                    queue.push_back(next);
            }
        }
    }
    return std::nullopt;
}

// The directions that walk the player of p to cell to without pushing.
std::vector<std::int32_t> walk(const Cells& open, const Position& p, std::int32_t to)
{
    const Cells free = open & ~p.ghostCells();
    std::array<std::int32_t, level::kCells> cameBy{};
    Cells seen;
    seen.set(std::size_t(p.player));
    std::deque<std::int32_t> queue{p.player};
    while (!queue.empty() && !seen[std::size_t(to)]) {
        const std::int32_t cell = queue.front();
        queue.pop_front();
        for (std::int32_t direction : kDirections) {
            const std::int32_t next = game::stepFrom(cell, direction);
            if (next == level::kNoCell || seen[std::size_t(next)] || !free[std::size_t(next)])
                continue;
            seen.set(std::size_t(next));
            cameBy[std::size_t(next)] = direction;
            queue.push_back(next);
        }
    }
    std::vector<std::int32_t> path;
    if (!seen[std::size_t(to)])
        return path;
    for (std::int32_t cell = to; cell != p.player; cell -= cameBy[std::size_t(cell)])
        path.push_back(cameBy[std::size_t(cell)]);
    std::reverse(path.begin(), path.end());
    return path;
}

struct Step {
    std::int32_t direction;
    std::int32_t playerAfter;
};

// Every key press of a solution, with where the player stands after it.
std::vector<Step> keyPresses(Rules& rules, const Solution& solution)
{
    std::vector<Step> steps;
    Position at = rules.start();
    for (const Push& push : solution.pushes) {
        for (std::int32_t direction : walk(rules.open(), at, push.from)) {
            at.player += direction;
            steps.push_back({direction, at.player});
        }
        bool won = false;
        at = rules.press(at, push.direction, won);
        steps.push_back({push.direction, at.player});
    }
    return steps;
}

class StandardLevel : public ShippedSet, public ::testing::WithParamInterface<ShippedLevel> {};

TEST_P(StandardLevel, IsSolvedByTheGamesRulesInItsRecordedFewestPushes)
{
    const ShippedLevel shipped = GetParam();
    Rules rules(shipped.number);
    const std::optional<Solution> solution = solve(rules);
    ASSERT_TRUE(solution) << "level " << shipped.number << " cannot be solved";
    EXPECT_EQ(int(solution->pushes.size()), shipped.pushes) << solution->positions << " positions searched";

    // The solution played key by key on a game loaded from the shipped file wins the level.
    const std::vector<Step> steps = keyPresses(rules, *solution);
    game::Preferences app = defaultPreferences();
    testsupport::RecordingHost host;
    game::Game g(app, host);
    g.wichlevel = shipped.number;
    g.newgame();
    EXPECT_EQ(host.levelLine, "LEVEL " + fw::Str(shipped.number));
    EXPECT_EQ(host.codeLine, "Levelcode: " + std::string(shipped.code));
    for (std::size_t k = 0; k < steps.size(); ++k) {
        ASSERT_FALSE(g.lockedkeys) << "solved early, before key " << k;
        g.KeyDown(keyFor(steps[k].direction));
        ASSERT_EQ(g.gubbpos, steps[k].playerAfter) << "key " << k;
    }
    EXPECT_TRUE(g.lockedkeys);
    EXPECT_EQ(host.message, "Prepare for next level!");
    EXPECT_EQ(g.kind(g.gubbpos), CellKind::gubbv);
    const level::Grid solved = g.board();
    g.KeyDown(testsupport::kRestart);
    EXPECT_EQ(g.board(), solved) << "keys act during the pause";

    g.Timer1_Action();
    if (shipped.number < int(kLevels.size())) {
        EXPECT_EQ(host.levelLine, "LEVEL " + fw::Str(shipped.number + 1));
        EXPECT_FALSE(g.victory);
    } else {
        EXPECT_EQ(host.message, "Congratulation! You won!");
        EXPECT_TRUE(g.victory);
    }
}

TEST_P(StandardLevel, IsAProperLevelEnclosedByWallsAndSkeletons)
{
    const ShippedLevel shipped = GetParam();
    const std::string file = shippedFile(shipped.number);
    EXPECT_EQ(std::count(file.begin(), file.end(), fw::CR), 6);
    EXPECT_EQ(file.back(), fw::CR);
    EXPECT_EQ(file.find('\n'), std::string::npos);

    const level::LevelFields fields = level::splitLevelFields(file);
    for (int field = 1; field <= 5; ++field) {
        for (std::string_view entry : fw::SplitFields(fields[field], ",")) {
            const std::int32_t cell = fw::ValInt32(entry);
            EXPECT_EQ(entry, fw::Str(cell)) << "field " << field;
            EXPECT_TRUE(level::onBoard(cell)) << "field " << field << " cell " << cell;
        }
    }
    ASSERT_EQ(fw::CountFields(fields[2], ","), 1) << "one player";
    const int ghosts = fw::CountFields(fields[3], ",");
    EXPECT_EQ(fw::CountFields(fields[4], ","), ghosts);
    EXPECT_GE(ghosts, 1);
    EXPECT_LE(ghosts, 6);
    EXPECT_EQ(fields[6], level::encodeLevelCode(shipped.code));

    const level::LevelData data = level::readLevel(file);
    std::array<bool, level::kCells> blocked{};
    const auto block = [&](std::int32_t cell) {
        if (level::onBoard(cell))
            blocked[std::size_t(cell)] = true;
    };
    level::forEachCell(data.lvlstring, block);
    level::forEachCell(data.skelstring, block);
    std::vector<std::int32_t> open{data.gubbpos};
    for (int i = 1; i <= data.antalboxes; ++i) {
        open.push_back(data.boxpos[i]);
        open.push_back(data.prickplats[i]);
    }

    // Walking and pushing never get past a wall or a skeleton, so the player's area with
    // every ghost pushed away is what the player can ever reach: no cell of it may touch
    // the board's edge, and every ghost and grave must lie in it.
    std::array<bool, level::kCells> area{};
    std::vector<std::int32_t> todo{data.gubbpos};
    ASSERT_TRUE(level::onBoard(data.gubbpos));
    area[std::size_t(data.gubbpos)] = true;
    while (!todo.empty()) {
        const std::int32_t cell = todo.back();
        todo.pop_back();
        const int row = cell / level::kColumns, column = cell % level::kColumns;
        ASSERT_TRUE(row > 0 && row < level::kRows - 1 && column > 0 && column < level::kColumns - 1)
            << "cell " << cell << " can be reached and lies on the edge";
        for (std::int32_t direction : kDirections) {
            const std::int32_t next = cell + direction;
            if (!blocked[std::size_t(next)] && !area[std::size_t(next)]) {
                area[std::size_t(next)] = true;
                todo.push_back(next);
            }
        }
    }
    for (std::int32_t cell : open) {
        EXPECT_FALSE(blocked[std::size_t(cell)]) << "cell " << cell << " is also a wall or skeleton";
        EXPECT_TRUE(area[std::size_t(cell)]) << "cell " << cell << " lies outside the player's area";
    }
}

INSTANTIATE_TEST_SUITE_P(Standard, StandardLevel, ::testing::ValuesIn(kLevels),
    [](const ::testing::TestParamInfo<ShippedLevel>& info) {
        return "Level" + game::levelFileName(info.param.number).substr(6);
    });

TEST_F(ShippedSet, HoldsOneFileForEachLevelAndOneDescription)
{
    const int count = int(kLevels.size());
    EXPECT_EQ(game::levelCount(kSetName), count);
    const fw::FolderItem folder = fw::GetFolderItem(":Levels:" + std::string(kSetName) + ":");
    std::set<std::string> names;
    for (int k = 1; k <= folder.Count(); ++k)
        names.insert(folder.Item(k).Name());
    std::set<std::string> expected{kAboutFile};
    for (int n = 1; n <= count; ++n)
        expected.insert(game::levelFileName(n));
    EXPECT_EQ(names, expected);

    const std::string about = folder.Child(kAboutFile).ReadAll().value_or("");
    EXPECT_NE(about.find("Tallowick"), std::string::npos);
    EXPECT_NE(about.find(fw::Str(count) + " levels"), std::string::npos) << about;
}

TEST_F(ShippedSet, FilesAreExactlyWhatTheGeneratorWritesFromTheSource)
{
    const std::vector<levels::SourceLevel> source = levels::parseLevelSource(readSourceFile(kLevelSource));
    ASSERT_EQ(source.size(), kLevels.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        EXPECT_EQ(source[i].number, kLevels[i].number);
        EXPECT_EQ(source[i].code, kLevels[i].code);
    }

    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    generator.start(QStringLiteral(VESPERON_LEVELGEN), {QString::fromStdString(kSourceDir + "/" + kLevelSource), out.path()});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), qsizetype(kLevels.size()));
    for (const levels::SourceLevel& level : source) {
        const QString name = QString::fromStdString(game::levelFileName(level.number));
        QFile written(out.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(shippedFile(level.number), written.readAll().toStdString())
            << name.toStdString() << " is stale: build the standard-levels target";
    }
}

TEST(LevelSource, RejectsMalformedSourcesNamingTheLine)
{
    std::string good;
    for (int row = 0; row < level::kRows; ++row)
        good += "#@$. S*     \n";
    struct Case {
        const char* what;
        std::string text;
        const char* line;
    };
    const std::array<Case, 5> cases{{
        {"a level not numbered from 1", "level 2 code boo\n" + good, "line 1:"},
        {"a header without a code", "level 1\n" + good, "line 1:"},
        {"a row one cell short", "; set\nlevel 1 code boo\n" + good.substr(0, 13) + "#@$. S*    \n" + good.substr(26), "line 4:"},
        {"an unknown cell", "level 1 code boo\n" + good.substr(0, 13) + "#@$. S*   x \n" + good.substr(26), "line 3:"},
        {"too few rows", "level 1 code boo\n" + good.substr(0, 13 * 11), "line 1:"},
    }};
    for (const Case& c : cases) {
        try {
            levels::parseLevelSource(c.text);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const levels::SourceError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(c.line)) << c.what << ": " << error.what();
        }
    }
    const std::vector<levels::SourceLevel> parsed = levels::parseLevelSource("level 1 code boo hoo\r\n" + good);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].code, "boo hoo");
    EXPECT_EQ(parsed[0].grid[5], CellKind::skelet);
}

TEST(StandardSetTable, LevelsGrowHarderFromOnePushOnward)
{
    EXPECT_EQ(kLevels.front().pushes, 1);
    EXPECT_GE(kLevels.back().pushes, 40);
    for (std::size_t i = 1; i < kLevels.size(); ++i)
        EXPECT_LE(kLevels[i - 1].pushes, kLevels[i].pushes) << "level " << kLevels[i].number;
}

TEST(StandardSetTable, CodesAreDistinctAndPrintable)
{
    std::set<std::string> codes;
    for (const ShippedLevel& shipped : kLevels) {
        const std::string code = shipped.code;
        EXPECT_TRUE(codes.insert(code).second) << code;
        EXPECT_FALSE(code.empty());
        // Characters past '|' would be stored outside printable ASCII.
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char ch) { return ch > ' ' && ch <= '|'; })) << code;
    }
}

TEST_F(ShippedSet, SkeletonsStandInTheWayInSeveralLevels)
{
    int levelsWithSkeletonsInside = 0;
    for (const ShippedLevel& shipped : kLevels) {
        Rules rules(shipped.number);
        const Cells area = flood(rules.open(), rules.start().player);
        bool inside = false;
        for (int cell = 0; cell < level::kCells; ++cell) {
            if (rules.floor()[std::size_t(cell)] != CellKind::skelet)
                continue;
            int open = 0;
            for (std::int32_t direction : kDirections) {
                const std::int32_t next = game::stepFrom(cell, direction);
                open += next != level::kNoCell && area[std::size_t(next)];
            }
            inside = inside || open >= 3;
        }
        levelsWithSkeletonsInside += inside;
    }
    EXPECT_GE(levelsWithSkeletonsInside, 4);
}

} // namespace
