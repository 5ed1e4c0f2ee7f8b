// Synthesizes the game's three sounds as 16-bit mono PCM WAV files into the given folder.
//
//   soundgen <folder>   writes 168.wav (boyah), 169.wav (ghostly1) and 170.wav (CLICK1)
//
// Everything is computed from fixed formulas and a fixed noise seed, so every build writes
// the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

std::size_t samplesFor(double seconds)
{
    return static_cast<std::size_t>(seconds * kRate);
}

// A small xorshift generator: the same noise on every machine and every run.
class Noise {
public:
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15ULL;
};

// A struck bell-like note: a few partials, the higher ones dying sooner.
void addBell(Samples& out, double start, double frequency, double length, double gain)
{
    struct Partial {
        double ratio;
        double level;
        double decay;
    };
    constexpr Partial partials[] = {{1.0, 1.0, 3.5}, {2.0, 0.45, 6.0}, {3.01, 0.2, 9.0}, {4.2, 0.08, 14.0}};
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(length);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min({1.0, t / 0.004, (length - t) / 0.08});
        double value = 0.0;
        for (const Partial& p : partials)
            value += p.level * std::exp(-p.decay * t) * std::sin(kTwoPi * frequency * p.ratio * t);
        out[first + i] += gain * attack * value;
    }
}

// A plain echo room: four damped feedback combs in parallel, then two all-passes. The
// result is longer than the dry sound by tailSeconds, so that the room rings out.
Samples reverb(Samples dry, double wet, double feedback, double tailSeconds)
{
    constexpr std::size_t combDelays[] = {1557, 1617, 1491, 1422};
    constexpr std::size_t allpassDelays[] = {556, 225};
    dry.resize(dry.size() + samplesFor(tailSeconds), 0.0);
    Samples sum(dry.size(), 0.0);
    for (std::size_t delay : combDelays) {
        std::vector<double> line(delay, 0.0);
        double damped = 0.0;
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double delayed = line[i % delay];
            damped = 0.6 * delayed + 0.4 * damped;
            line[i % delay] = dry[i] + feedback * damped;
            sum[i] += delayed;
        }
    }
    for (std::size_t delay : allpassDelays) {
        std::vector<double> line(delay, 0.0);
        for (std::size_t i = 0; i < sum.size(); ++i) {
            const double delayed = line[i % delay];
            line[i % delay] = sum[i] + 0.5 * delayed;
            sum[i] = delayed - sum[i];
        }
    }
    Samples out(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i)
        out[i] = dry[i] + wet * sum[i] / 4.0;
    return out;
}

// Scales to the given peak, ramps the start up and fades the end out to silence, so that
// playback starts without a click and dies away rather than stopping. The fade-out follows
// a squared cosine: gentle at first, nothing left at the last sample.
void finish(Samples& samples, double peak, double fadeInSeconds, double fadeOutSeconds)
{
    double loudest = 0.0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0) {
        for (double& s : samples)
            s *= peak / loudest;
    }
    const std::size_t fadeIn = std::min(samplesFor(fadeInSeconds), samples.size() / 2);
    for (std::size_t i = 0; i < fadeIn; ++i)
        samples[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
    const std::size_t fadeOut = std::min(samplesFor(fadeOutSeconds), samples.size());
    for (std::size_t i = 0; i < fadeOut; ++i) {
        const double g = std::sin(std::numbers::pi / 2.0 * static_cast<double>(i) / static_cast<double>(fadeOut));
        samples[samples.size() - 1 - i] *= g * g;
    }
}

// A cheerful sting when a level is solved: a rising arpeggio landing on a bright chord.
Samples boyah()
{
    Samples out(samplesFor(1.1), 0.0);
    constexpr double arpeggio[] = {392.00, 523.25, 659.26, 783.99};
    for (int k = 0; k < 4; ++k)
        addBell(out, 0.075 * k, arpeggio[k], 0.5, 0.55);
    for (double f : {523.25, 659.26, 783.99, 1046.50})
        addBell(out, 0.32, f, 0.78, 0.4);
    addBell(out, 0.36, 2093.0, 0.5, 0.12);
    Samples wet = reverb(out, 0.35, 0.7, 0.4);
    finish(wet, 0.8, 0.01, 0.45);
    return wet;
}

// The window's greeting: a wavering, theremin-like "wooo" over a breath of wind.
Samples ghostly1()
{
    const double length = 2.6;
    Samples out(samplesFor(length), 0.0);
    Noise noise;
    double phaseLow = 0.0;
    double phaseHigh = 0.0;
    double windLow = 0.0;
    double windHigh = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double x = t / length;
        // Rises, hangs, then sighs back down.
        const double glide = 220.0 + 120.0 * std::sin(std::numbers::pi * std::min(1.0, x * 1.6)) - 40.0 * x;
        const double vibrato = 1.0 + 0.018 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t / 0.6);
        const double frequency = glide * vibrato;
        phaseLow += kTwoPi * frequency / kRate;
        phaseHigh += kTwoPi * frequency * 1.1892 / kRate;
        const double voice = std::sin(phaseLow) + 0.25 * std::sin(2.0 * phaseLow) + 0.08 * std::sin(3.0 * phaseLow)
            + 0.35 * std::sin(phaseHigh + 0.6 * std::sin(kTwoPi * 0.7 * t));
        const double swell = std::sin(std::numbers::pi * std::pow(x, 0.7)) * (0.75 + 0.25 * std::sin(kTwoPi * 1.3 * t));
        // Wind: noise kept between two one-pole filters, a hollow band of a few hundred hertz.
        const double white = noise.next();
        windHigh += 0.15 * (white - windHigh);
        windLow += 0.04 * (white - windLow);
        const double gust = 0.4 + 0.6 * std::pow(std::sin(kTwoPi * 0.3 * t + 0.4), 2.0);
        out[i] = 0.5 * swell * voice + 0.9 * (windHigh - windLow) * gust * std::sin(std::numbers::pi * x);
    }
    Samples wet = reverb(out, 0.6, 0.8, 0.6);
    finish(wet, 0.7, 0.05, 0.8);
    return wet;
}

// The soft thump of a pushed ghost: a short falling low tone with a muffled tap on top.
Samples click1()
{
    Samples out(samplesFor(0.16), 0.0);
    Noise noise;
    double phase = 0.0;
    double tap = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = 70.0 + 110.0 * std::exp(-t / 0.02);
        phase += kTwoPi * frequency / kRate;
        tap += 0.25 * (noise.next() - tap);
        const double body = std::sin(phase) * std::exp(-t / 0.028) * std::min(1.0, t / 0.0015);
        out[i] = body + 0.6 * tap * std::exp(-t / 0.004);
    }
    finish(out, 0.6, 0.004, 0.12);
    return out;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

bool writeWav(const std::string& path, const Samples& samples)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);        // format chunk size
    putLittleEndian(bytes, 1, 2);         // PCM
    putLittleEndian(bytes, 1, 2);         // mono
    putLittleEndian(bytes, kRate, 4);     // sample rate
    putLittleEndian(bytes, kRate * 2, 4); // bytes per second
    putLittleEndian(bytes, 2, 2);         // bytes per frame
    putLittleEndian(bytes, 16, 2);        // bits per sample
    bytes += "data";
    putLittleEndian(bytes, dataSize, 4);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        putLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* file;
        Samples samples;
    } sounds[] = {{"168.wav", boyah()}, {"169.wav", ghostly1()}, {"170.wav", click1()}};
    for (const auto& sound : sounds) {
        const std::string path = folder + "/" + sound.file;
        if (!writeWav(path, sound.samples)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
