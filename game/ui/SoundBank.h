// The game's three sounds behind a small interface, so that tests can listen in.
#pragma once

#include <array>
#include <memory>

#include <QString>

#include "game/core/Game.h"

class QSoundEffect;

namespace game {

class SoundBank {
public:
    virtual ~SoundBank() = default;
    virtual void play(Sound sound) = 0;
    virtual bool isPlaying(Sound sound) = 0;
};

// Resource number of a sound ("<id>.wav" in the sound folder) and its name.
int soundId(Sound sound);
const char* soundName(Sound sound);

// The sounds from a resource folder, by default the program's own, each loaded at its
// first use and kept. A sound that is not there is reported on standard error and stays
// silent.
class EffectSoundBank : public SoundBank {
public:
    explicit EffectSoundBank(QString resourceFolder = QStringLiteral(":/sounds"));
    ~EffectSoundBank() override;
    void play(Sound sound) override;
    bool isPlaying(Sound sound) override;

private:
    QSoundEffect* effect(Sound sound);

    QString m_folder;
    std::array<std::unique_ptr<QSoundEffect>, 3> m_effects;
    std::array<bool, 3> m_reported{};
};

} // namespace game
