// A sound bank that only records: a sound counts as playing from its play() until the
// test says it has finished.
#pragma once

#include <map>
#include <vector>

#include "game/ui/SoundBank.h"

namespace testsupport {

class RecordingSoundBank : public game::SoundBank {
public:
    void play(game::Sound sound) override
    {
        played.push_back(sound);
        playing[sound] = true;
    }
    bool isPlaying(game::Sound sound) override { return playing[sound]; }

    int count(game::Sound sound) const
    {
        int n = 0;
        for (game::Sound s : played)
            n += s == sound;
        return n;
    }
    void finishAll() { playing.clear(); }

    std::vector<game::Sound> played;
    std::map<game::Sound, bool> playing;
};

} // namespace testsupport
