// A game model on a temporary level set, with a host that records what the rules do.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <QStringList>

#include "game/core/Game.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"

namespace testsupport {

// The key codes of the default bindings.
inline constexpr std::int32_t kUp = 30, kDown = 31, kLeft = 28, kRight = 29, kUndo = 32, kRestart = 114;

class RecordingHost : public game::GameHost {
public:
    void cellChanged(int cell) override { changed.push_back(cell); }
    void setMessage(const std::string& text) override { message = text; }
    void setLevelLine(const std::string& text) override { levelLine = text; }
    void setCodeLine(const std::string& text) override { codeLine = text; }
    void startPauseTimer() override { ++timerStarts; }
    void playSound(game::Sound sound) override
    {
        played.push_back(sound);
        playing[sound] = true;
    }
    bool isSoundPlaying(game::Sound sound) override { return playing[sound]; }
    void levelSetMissing() override { ++setMissing; }
    void levelUnreadable(const fw::FolderItem& file) override { unreadable.append(file.hostPath()); }

    std::vector<int> changed;
    std::string message, levelLine, codeLine;
    int timerStarts = 0;
    int setMissing = 0;
    QStringList unreadable; // the level files that were there but could not be read
    std::vector<game::Sound> played;
    std::map<game::Sound, bool> playing;
};

// A temporary "Standard" set and settings with the default keys and sounds on.
class LevelSetFixture : public ::testing::Test {
protected:
    LevelSetFixture()
    {
        app.butts = {0, 30, 31, 28, 29, 32, 114};
        app.soundON = true;
        app.lvlmapp = "Standard";
    }

    void addLevel(int n, std::initializer_list<std::string_view> rows, std::string_view code = "")
    {
        tree.write("Levels/Standard/" + QString::fromStdString(game::levelFileName(n)), levelFile(rows, code));
    }

    TempTree tree;
    game::Preferences app;
};

class GameFixture : public LevelSetFixture {
protected:
    // Loads level n the way New Game does.
    void start(int n = 1)
    {
        g.wichlevel = n;
        g.newgame();
    }

    // Presses each key in turn; the pause's timer fires when fireTimer is set.
    void press(std::initializer_list<std::int32_t> keys)
    {
        for (const std::int32_t key : keys)
            g.KeyDown(key);
    }

    std::string board() const { return rowsOf(g.board()); }

    RecordingHost host;
    game::Game g{app, host};
};

} // namespace testsupport
