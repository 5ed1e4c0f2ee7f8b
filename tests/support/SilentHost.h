// A game host that takes every call of the rules and does nothing, for the runs that look
// only at the game state: the levels test, the benchmarks and the fuzz targets.
#pragma once

#include <string>

#include "game/core/Game.h"

namespace testsupport {

class SilentHost : public game::GameHost {
public:
    void cellChanged(int) override {}
    void setMessage(const std::string&) override {}
    void setLevelLine(const std::string&) override {}
    void setCodeLine(const std::string&) override {}
    void startPauseTimer() override {}
    void playSound(game::Sound) override {}
    bool isSoundPlaying(game::Sound) override { return false; }
    void levelSetMissing() override {}
    void levelUnreadable(const fw::FolderItem&) override {}
};

} // namespace testsupport
