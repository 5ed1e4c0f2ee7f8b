// Every picture and sound the game fetches by number is in its resources and fits where it goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QResource>

#include "game/core/Game.h"
#include "shared/gui/Pictures.h"

namespace {

// One application for the whole run, made before the first picture is kept so that the
// picture cache goes before it at exit.
void needApplication()
{
    static int argc = 1;
    static char name[] = "test_assets";
    static char* argv[] = {name};
    static QGuiApplication app(argc, argv);
}

QImage image(int id, QSize size, qreal dpr, bool whiteTransparent)
{
    needApplication();
    const QPixmap& pixmap = whiteTransparent ? fw::pictureWhiteTransparent(id, size, dpr) : fw::picture(id, size, dpr);
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Pixels of a logical rectangle (clipped to the image) that fail a test, at most a few reported.
template <typename Test>
int countFailing(const QImage& image, QRect logical, qreal dpr, Test test)
{
    const QRect rect = QRect(logical.topLeft() * dpr, logical.size() * dpr) & image.rect();
    int failing = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!test(image.pixel(x, y)))
                ++failing;
        }
    }
    return failing;
}

bool isTransparent(QRgb p)
{
    return qAlpha(p) == 0;
}

bool isOpaque(QRgb p)
{
    return qAlpha(p) == 255;
}

// Dark and opaque: white and red text written over it stays readable.
bool isDarkBehindText(QRgb p)
{
    return qAlpha(p) == 255 && qGray(p) < 64;
}

// The main window's layout: where the strips lie and where the program writes onto them.
constexpr QPoint kSideStripAt{580, -2};
constexpr QSize kSideStrip{171, 640};
constexpr QPoint kBottomStripAt{0, 591};
constexpr QSize kBottomStrip{723, 68};
constexpr QRect kBoard{-1, 1, 589, 600};
constexpr QSize kWindow{724, 649};

struct TextLine {
    const char* what;
    QRect box; // in window coordinates
};

constexpr TextLine kSideTexts[] = {
    {"level number", {607, 24, 101, 20}}, {"level code", {591, 39, 137, 20}},
    {"New Game", {593, 88, 125, 25}},     {"Load Game", {593, 128, 125, 25}},
    {"End Game", {593, 168, 125, 25}},    {"About", {593, 208, 125, 25}},
    {"Settings", {593, 248, 125, 25}},    {"Quit", {593, 288, 125, 25}},
};
constexpr TextLine kMessageLine{"message", {169, 598, 408, 48}};

// The middle of a text box, where its centred one-line text lands, in the strip's coordinates.
QRect textBand(QRect box, QPoint stripAt)
{
    const QRect band = box.adjusted(box.width() / 10, box.height() / 4, -box.width() / 10, -box.height() / 4);
    return band.translated(-stripAt);
}

struct Wav {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QByteArray data;
};

std::uint32_t little(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + k]);
    return value;
}

// Reads the format and data chunks of a RIFF WAVE file, walking its chunks by their sizes.
std::optional<Wav> readWav(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (little(bytes, 4, 4) != static_cast<std::uint32_t>(bytes.size() - 8))
        return std::nullopt;
    Wav wav;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = little(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<int>(little(bytes, body, 2));
            wav.channels = static_cast<int>(little(bytes, body + 2, 2));
            wav.rate = static_cast<int>(little(bytes, body + 4, 4));
            wav.byteRate = static_cast<int>(little(bytes, body + 8, 4));
            wav.blockAlign = static_cast<int>(little(bytes, body + 12, 2));
            wav.bits = static_cast<int>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            wav.data = bytes.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return wav;
}

int sampleAt(const Wav& wav, qsizetype index)
{
    return static_cast<std::int16_t>(little(wav.data, 2 * index, 2));
}

} // namespace

TEST(GameAssets, EveryPictureNumberIsThere)
{
    needApplication();
    for (int id : {169, 170, 171, 172, 173, 175, 176, 177, 178, 179, 180, 181, 182, 183}) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/pictures/%1.svg").arg(id))) << id;
        EXPECT_FALSE(fw::picture(id, {50, 50}, 2.0).isNull()) << id;
    }
    EXPECT_EQ(fw::picture(182, {50, 50}, 2.0).size(), QSize(100, 100));
    EXPECT_EQ(&fw::picture(182, {50, 50}, 2.0), &fw::picture(182, {50, 50}, 2.0));
}

TEST(GameAssets, APictureThatCannotBeMadeIsNotKeptSoTheNextCallTriesAgain)
{
    needApplication();
    constexpr int kLate = 900;
    EXPECT_TRUE(fw::picture(kLate, {50, 50}, 1.0).isNull());
    EXPECT_TRUE(fw::picture(kLate, {50, 50}, 1.0).isNull());
    ASSERT_TRUE(QResource::registerResource(QStringLiteral(VESPERON_LATE_PICTURE), QStringLiteral("/pictures")));
    const QPixmap& found = fw::picture(kLate, {50, 50}, 1.0);
    EXPECT_FALSE(found.isNull());
    EXPECT_EQ(&fw::picture(kLate, {50, 50}, 1.0), &found) << "and once made, it is kept";
    EXPECT_TRUE(QResource::unregisterResource(QStringLiteral(VESPERON_LATE_PICTURE), QStringLiteral("/pictures")));
}

TEST(GameAssets, CellPicturesAndTheCoverHaveNoSeeThroughPixel)
{
    struct Case {
        int id;
        QSize size;
    };
    const Case cases[] = {
        {171, {50, 50}}, {173, {50, 50}}, {175, {50, 50}}, {176, {50, 50}}, {177, {50, 50}},
        {178, {50, 50}}, {179, {50, 50}}, {180, {50, 50}}, {181, {50, 50}}, {182, {50, 50}},
        {183, {50, 50}}, {172, {590, 600}},
    };
    for (const Case& c : cases) {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage picture = image(c.id, c.size, dpr, false);
            ASSERT_FALSE(picture.isNull()) << c.id;
            EXPECT_EQ(countFailing(picture, QRect({0, 0}, c.size), dpr, isOpaque), 0) << c.id << " at " << dpr;
        }
    }
}

TEST(GameAssets, StripsLetTheBoardShowThroughWhereTheyOverlapIt)
{
    for (qreal dpr : {1.0, 2.0}) {
        const QImage side = image(170, kSideStrip, dpr, true);
        const QImage bottom = image(169, kBottomStrip, dpr, true);
        ASSERT_FALSE(side.isNull());
        ASSERT_FALSE(bottom.isNull());
        const QRect overSide = kBoard.intersected(QRect(kSideStripAt, kSideStrip)).translated(-kSideStripAt);
        const QRect overBottom = kBoard.intersected(QRect(kBottomStripAt, kBottomStrip)).translated(-kBottomStripAt);
        EXPECT_EQ(overSide, QRect(0, 3, 8, 600));
        EXPECT_EQ(overBottom, QRect(0, 0, 588, 10));
        EXPECT_EQ(countFailing(side, overSide, dpr, isTransparent), 0) << dpr;
        EXPECT_EQ(countFailing(bottom, overBottom, dpr, isTransparent), 0) << dpr;
        // Drawn without the white mode, the same strips cover the board.
        EXPECT_EQ(countFailing(image(170, kSideStrip, dpr, false), overSide, dpr, isOpaque), 0) << dpr;
    }
}

TEST(GameAssets, StripsAreDarkAndSolidBehindEveryTextWrittenOnThem)
{
    for (qreal dpr : {1.0, 2.0}) {
        const QImage side = image(170, kSideStrip, dpr, true);
        const QImage bottom = image(169, kBottomStrip, dpr, true);
        for (const TextLine& text : kSideTexts)
            EXPECT_EQ(countFailing(side, textBand(text.box, kSideStripAt), dpr, isDarkBehindText), 0) << text.what;
        EXPECT_EQ(countFailing(bottom, textBand(kMessageLine.box, kBottomStripAt), dpr, isDarkBehindText), 0);
        // Past the board, the frames are solid to the window's edges.
        const QRect belowBoard = QRect(0, 601, kWindow.width(), kWindow.height() - 601).translated(-kBottomStripAt);
        const QRect besideBoard = QRect(588, 0, kWindow.width() - 588, kWindow.height()).translated(-kSideStripAt);
        EXPECT_EQ(countFailing(bottom, belowBoard, dpr, isOpaque), 0) << dpr;
        EXPECT_EQ(countFailing(side, besideBoard, dpr, isOpaque), 0) << dpr;
    }
}

TEST(GameAssets, EverySoundIsAPlayableMonoWav)
{
    struct Case {
        int id;
        const char* name;
        double shortest;
        double longest;
    };
    // The win sound ends within the pause before the next level; the greeting is longer
    // than that; the push click is short enough that quick pushes each get theirs. So each
    // number's sound is also told apart by its length.
    const Case cases[] = {
        {168, "boyah", 0.3, game::kPauseMs / 1000.0},
        {169, "ghostly1", game::kPauseMs / 1000.0 + 0.1, 4.0},
        {170, "CLICK1", 0.03, 0.2},
    };
    needApplication();
    for (const Case& c : cases) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(c.id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        const std::optional<Wav> wav = readWav(file.readAll());
        ASSERT_TRUE(wav.has_value()) << c.name;
        EXPECT_EQ(wav->format, 1) << c.name;
        EXPECT_EQ(wav->channels, 1) << c.name;
        EXPECT_EQ(wav->bits, 16) << c.name;
        EXPECT_EQ(wav->blockAlign, 2) << c.name;
        EXPECT_EQ(wav->byteRate, wav->rate * 2) << c.name;
        EXPECT_GE(wav->rate, 22050) << c.name;
        ASSERT_EQ(wav->data.size() % 2, 0) << c.name;
        const double seconds = static_cast<double>(wav->data.size()) / wav->byteRate;
        EXPECT_GE(seconds, c.shortest) << c.name;
        EXPECT_LE(seconds, c.longest) << c.name;
        const qsizetype samples = wav->data.size() / 2;
        int loudest = 0;
        for (qsizetype i = 0; i < samples; ++i)
            loudest = std::max(loudest, std::abs(sampleAt(*wav, i)));
        EXPECT_GT(loudest, 8000) << c.name << " is nearly silent";
        // Starting and stopping at rest keeps playback free of clicks.
        EXPECT_LT(std::abs(sampleAt(*wav, 0)), 300) << c.name;
        EXPECT_LT(std::abs(sampleAt(*wav, samples - 1)), 300) << c.name;
    }
}

TEST(GameAssets, EverySoundFadesToSilence)
{
    needApplication();
    for (int id : {168, 169, 170}) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << id;
        const std::optional<Wav> wav = readWav(file.readAll());
        ASSERT_TRUE(wav.has_value()) << id;
        const qsizetype samples = wav->data.size() / 2;
        // Peaks of 10 ms windows, in dB below full scale.
        const qsizetype window = wav->rate / 100;
        std::vector<double> peaks;
        for (qsizetype start = 0; start + window <= samples; start += window) {
            int peak = 0;
            for (qsizetype i = start; i < start + window; ++i)
                peak = std::max(peak, std::abs(sampleAt(*wav, i)));
            peaks.push_back(20.0 * std::log10(std::max(peak, 1) / 32768.0));
        }
        ASSERT_GE(peaks.size(), 10u) << id;

        // The last 50 ms are below -40 dBFS at their loudest sample.
        const qsizetype tail = wav->rate / 20;
        int loudestInTail = 0;
        for (qsizetype i = samples - tail; i < samples; ++i)
            loudestInTail = std::max(loudestInTail, std::abs(sampleAt(*wav, i)));
        EXPECT_LT(20.0 * std::log10(std::max(loudestInTail, 1) / 32768.0), -40.0) << id;

        // It gets there by dying away, not by a cut followed by silence: no 10 ms is much
        // quieter than the 10 ms before it while the sound can still be heard.
        for (std::size_t k = 1; k < peaks.size(); ++k) {
            if (peaks[k - 1] > -60.0) {
                EXPECT_LT(peaks[k - 1] - peaks[k], 15.0) << id << " drops at " << k * 10 << " ms";
            }
        }
    }
}
