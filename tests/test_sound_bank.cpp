// The real sound bank on the generated sounds: loading at first use, a missing sound named
// on standard error while the game goes on, and a push that does not double a playing click.
//
// Without an audio output (as on the build machines) Qt still loads and decodes each sound,
// and a sound that was started reports itself as playing from then on; a sound that cannot
// be decoded stops at once and is reported. So these tests see loading, decoding and the
// is-playing test, but not a sound coming to its end.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>

#include "game/ui/MenuLabel.h"
#include "game/ui/SoundBank.h"
#include "game/ui/Window1.h"
#include "tests/support/GameFixture.h"
#include "tests/support/WidgetTest.h"

using game::Sound;
using namespace testsupport;

namespace {

constexpr Sound kSounds[] = {Sound::boyah, Sound::ghostly1, Sound::CLICK1};

// Whether Qt's sound loader thread is there: Linux names each thread in
// /proc/self/task/<id>/comm, and Qt gives the loader the name "QSampleCache::LoadingThread",
// cut to 15 characters.
bool soundLoaderRunning()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("QSampleCache"))
            return true;
    }
    return false;
}

// Qt 6.4 loads every sound on one loader thread, which it starts again only when that
// thread is not running: a sound asked for while the thread is quitting after the last
// load is queued to a thread that stops, and stays loading for good (mended in later Qt,
// QTBUG-109167). The game asks for its sounds seconds apart; tests ask within milliseconds.
// So the program loads each sound here, one at a time and each once the loader has ended,
// and holds them to the end. Qt keeps one sample for each sound while an effect holds it:
// every bank the tests make finds its sounds loaded and starts no load of its own, and
// nothing is loading when the program ends.
class SoundsLoadedEnvironment : public QtEnvironment {
public:
    using QtEnvironment::QtEnvironment;
    void SetUp() override
    {
        QtEnvironment::SetUp();
        for (Sound sound : kSounds) {
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(game::soundId(sound))));
            ASSERT_TRUE(waitUntil([&effect] {
                return effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error;
            })) << game::soundName(sound) << " still loading";
            EXPECT_EQ(effect->status(), QSoundEffect::Ready) << game::soundName(sound);
            ASSERT_TRUE(waitUntil([] { return !soundLoaderRunning(); })) << "the sound loader goes on";
            m_held.push_back(std::move(effect));
        }
    }
    void TearDown() override
    {
        m_held.clear();
        QtEnvironment::TearDown();
    }

private:
    std::vector<std::unique_ptr<QSoundEffect>> m_held;
};

const auto* const kQt = ::testing::AddGlobalTestEnvironment(new SoundsLoadedEnvironment("test_sound_bank"));

const QString kNoSuchFolder = QStringLiteral(":/no-such-sounds");

// What the program writes to std::cerr while it lives.
class StandardError {
public:
    StandardError() : m_old(std::cerr.rdbuf(m_text.rdbuf())) {}
    ~StandardError() { std::cerr.rdbuf(m_old); }
    std::string text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
    std::streambuf* m_old;
};

std::string missing(const char* idAndName)
{
    return std::string("vesperon: sound ") + idAndName + " is missing from the program's resources\n";
}

// Plays through the real bank and counts what the game asks it to play.
class CountingBank : public game::SoundBank {
public:
    explicit CountingBank(game::SoundBank& real) : m_real(real) {}
    void play(Sound sound) override
    {
        ++plays[sound];
        m_real.play(sound);
    }
    bool isPlaying(Sound sound) override { return m_real.isPlaying(sound); }

    std::map<Sound, int> plays;

private:
    game::SoundBank& m_real;
};

class SoundBankInTheWindow : public LevelSetFixture {
protected:
    void click(game::Window1& w, const char* name)
    {
        auto* label = w.findChild<game::MenuLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    }
};

} // namespace

TEST(EffectSoundBank, TheGeneratedSoundsLoadDecodeAndPlay)
{
    StandardError errors;
    game::EffectSoundBank bank;
    for (Sound sound : kSounds) {
        EXPECT_FALSE(bank.isPlaying(sound)) << game::soundName(sound);
        bank.play(sound);
        EXPECT_TRUE(bank.isPlaying(sound)) << game::soundName(sound);
    }
    // Decoding runs in the background; a sound that fails it is reported.
    QTest::qWait(500);
    EXPECT_EQ(errors.text(), "");
}

TEST(EffectSoundBank, EachSoundIsLookedForAtItsFirstUseAndAMissingOneIsNamedOnce)
{
    StandardError errors;
    game::EffectSoundBank bank(kNoSuchFolder);
    EXPECT_EQ(errors.text(), "") << "nothing is loaded before it is used";

    EXPECT_FALSE(bank.isPlaying(Sound::CLICK1));
    EXPECT_EQ(errors.text(), missing("170 (CLICK1)"));
    bank.play(Sound::CLICK1);
    EXPECT_FALSE(bank.isPlaying(Sound::CLICK1));
    EXPECT_EQ(errors.text(), missing("170 (CLICK1)"));

    bank.play(Sound::boyah);
    bank.play(Sound::ghostly1);
    bank.play(Sound::boyah);
    EXPECT_EQ(errors.text(), missing("170 (CLICK1)") + missing("168 (boyah)") + missing("169 (ghostly1)"));
}

TEST_F(SoundBankInTheWindow, WithItsSoundsMissingTheGameGoesOn)
{
    addLevel(1, {"#######", "#@$ .#", "#######"});
    StandardError errors;
    game::EffectSoundBank bank(kNoSuchFolder);
    game::Window1 w(app, bank);
    w.show();
    click(w, "StaticText1");
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_TRUE(w.game().lockedkeys) << "solved";
    EXPECT_EQ(errors.text(), missing("169 (ghostly1)") + missing("170 (CLICK1)") + missing("168 (boyah)"));
}

TEST_F(SoundBankInTheWindow, APushWhileTheClickPlaysMakesNoSecondClick)
{
    addLevel(1, {"#########", "#@$    .#", "#########"});
    StandardError errors;
    game::EffectSoundBank real;
    CountingBank sounds(real);
    game::Window1 w(app, sounds);
    w.show();
    click(w, "StaticText1");
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(sounds.plays[Sound::CLICK1], 1) << "the first push clicks";
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(w.game().boxpos[1], 17);
    EXPECT_EQ(sounds.plays[Sound::CLICK1], 1);
    EXPECT_EQ(sounds.plays[Sound::ghostly1], 1);
    EXPECT_EQ(errors.text(), "");
}
