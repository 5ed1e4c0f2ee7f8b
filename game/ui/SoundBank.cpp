// Sounds through QSoundEffect.
#include "game/ui/SoundBank.h"

#include <iostream>

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace game {

int soundId(Sound sound)
{
    switch (sound) {
    case Sound::boyah: return 168;
    case Sound::ghostly1: return 169;
    case Sound::CLICK1: return 170;
    }
    return 0;
}

const char* soundName(Sound sound)
{
    switch (sound) {
    case Sound::boyah: return "boyah";
    case Sound::ghostly1: return "ghostly1";
    case Sound::CLICK1: return "CLICK1";
    }
    return "";
}

EffectSoundBank::EffectSoundBank(QString resourceFolder)
    : m_folder(std::move(resourceFolder))
{
}

EffectSoundBank::~EffectSoundBank() = default;

QSoundEffect* EffectSoundBank::effect(Sound sound)
{
    const auto slot = static_cast<std::size_t>(sound);
    if (m_effects[slot])
        return m_effects[slot].get();
    const int id = soundId(sound);
    const QString path = m_folder + QStringLiteral("/%1.wav").arg(id);
    if (!QFile::exists(path)) {
        // Nothing is kept, so a later call looks again; the report is made once.
        if (!m_reported[slot])
            std::cerr << "vesperon: sound " << id << " (" << soundName(sound)
                      << ") is missing from the program's resources\n";
        m_reported[slot] = true;
        return nullptr;
    }
    auto effect = std::make_unique<QSoundEffect>();
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, effect.get(), [e = effect.get(), id, sound] {
        if (e->status() == QSoundEffect::Error)
            std::cerr << "vesperon: sound " << id << " (" << soundName(sound) << ") could not be played\n";
    });
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
    m_effects[slot] = std::move(effect);
    return m_effects[slot].get();
}

void EffectSoundBank::play(Sound sound)
{
    if (QSoundEffect* e = effect(sound))
        e->play();
}

bool EffectSoundBank::isPlaying(Sound sound)
{
    const QSoundEffect* e = effect(sound);
    return e && e->isPlaying();
}

} // namespace game
