#include "tools/assetgen/Sounds.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Uniform numbers from a generator whose sequence the standard fixes exactly
// (unlike the standard distributions, whose results differ between libraries).
class TNoise {
public:
    explicit TNoise(std::uint32_t ASeed) : FEngine(ASeed) {}
    double Uniform(double ALow, double AHigh) {
        return ALow + (AHigh - ALow) * static_cast<double>(FEngine() >> 8) / (1 << 24);
    }
    double Sample() { return Uniform(-1, 1); }

private:
    std::mt19937 FEngine;
};

// A two-pole band-pass filter (constant peak gain), for the ring of a click.
class TBandPass {
public:
    TBandPass(double AFrequency, double AQuality, double ARate) {
        const double w = kTwoPi * AFrequency / ARate;
        const double alpha = std::sin(w) / (2 * AQuality);
        const double a0 = 1 + alpha;
        FB0 = alpha / a0;
        FA1 = -2 * std::cos(w) / a0;
        FA2 = (1 - alpha) / a0;
    }
    double Step(double AIn) {
        const double out = FB0 * AIn - FB0 * FX2 - FA1 * FY1 - FA2 * FY2;
        FX2 = FX1;
        FX1 = AIn;
        FY2 = FY1;
        FY1 = out;
        return out;
    }

private:
    double FB0 = 0, FA1 = 0, FA2 = 0;
    double FX1 = 0, FX2 = 0, FY1 = 0, FY2 = 0;
};

struct TInfoText {
    const char* Id; // four letters, such as INAM (name) or ICOP (copyright)
    const char* Text;
};

void PutU16(QByteArray& AOut, quint16 AValue) {
    const quint16 le = qToLittleEndian(AValue);
    AOut.append(reinterpret_cast<const char*>(&le), 2);
}

void PutU32(QByteArray& AOut, quint32 AValue) {
    const quint32 le = qToLittleEndian(AValue);
    AOut.append(reinterpret_cast<const char*>(&le), 4);
}

// A LIST chunk of INFO texts, each zero-terminated and padded to an even length.
QByteArray InfoChunk(const std::vector<TInfoText>& ATexts) {
    QByteArray body("INFO");
    for (const TInfoText& text : ATexts) {
        const QByteArray value = QByteArray(text.Text) + '\0';
        body.append(text.Id, 4);
        PutU32(body, static_cast<quint32>(value.size()));
        body.append(value);
        if (value.size() % 2 != 0) {
            body.append('\0');
        }
    }
    QByteArray chunk("LIST");
    PutU32(chunk, static_cast<quint32>(body.size()));
    return chunk + body;
}

// Scales the channels' samples so that the loudest reaches APeak, fades the last
// few milliseconds out and packs them, interleaved, into a WAV file.
QByteArray WaveFile(std::vector<std::vector<double>> AChannels, int ARate, double APeak,
                    const std::vector<TInfoText>& AInfo = {}) {
    double loudest = 1e-9;
    for (const auto& channel : AChannels) {
        for (double sample : channel) {
            loudest = std::max(loudest, std::abs(sample));
        }
    }
    const std::size_t frames = AChannels.front().size();
    const std::size_t fade = static_cast<std::size_t>(ARate / 100);
    for (auto& channel : AChannels) {
        for (std::size_t i = 0; i < frames; ++i) {
            channel[i] *= APeak / loudest;
            if (i + fade > frames) {
                channel[i] *= static_cast<double>(frames - i) / static_cast<double>(fade);
            }
        }
    }

    const auto channels = static_cast<quint16>(AChannels.size());
    const auto dataBytes = static_cast<quint32>(frames * channels * 2);
    const QByteArray info = AInfo.empty() ? QByteArray() : InfoChunk(AInfo);
    QByteArray out;
    out.append("RIFF");
    PutU32(out, 36 + static_cast<quint32>(info.size()) + dataBytes);
    out.append("WAVEfmt ");
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, channels);
    PutU32(out, static_cast<quint32>(ARate));
    PutU32(out, static_cast<quint32>(ARate) * channels * 2);
    PutU16(out, channels * 2);
    PutU16(out, 16);
    out.append(info);
    out.append("data");
    PutU32(out, dataBytes);
    for (std::size_t i = 0; i < frames; ++i) {
        for (const auto& channel : AChannels) {
            const double scaled = std::clamp(channel[i] * 32767.0, -32768.0, 32767.0);
            PutU16(out, static_cast<quint16>(static_cast<qint16>(std::lround(scaled))));
        }
    }
    return out;
}

// One hard die hitting the table or another die: a short noisy click ringing
// at the die's pitch, and a dull knock of the table beneath it.
void AddKnock(std::vector<double>& AOut, int ARate, TNoise& ANoise, double ATime, double AAmplitude,
              double ARing, double AThud) {
    TBandPass ring(ARing, 5, ARate);
    TBandPass body(ARing * 0.47, 3, ARate);
    const double clickDecay = ANoise.Uniform(0.0025, 0.0055);
    const double thudDecay = ANoise.Uniform(0.010, 0.018);
    const auto start = static_cast<std::size_t>(ATime * ARate);
    const auto length = static_cast<std::size_t>(0.06 * ARate);
    for (std::size_t i = 0; i < length && start + i < AOut.size(); ++i) {
        const double t = static_cast<double>(i) / ARate;
        const double attack = std::min(1.0, t / 0.0006);
        const double burst = ANoise.Sample() * std::exp(-t / clickDecay) * attack;
        const double click = 3.2 * ring.Step(burst) + 1.6 * body.Step(burst) + 0.25 * burst;
        const double thud = 0.45 * std::sin(kTwoPi * AThud * t) * std::exp(-t / thudDecay) * attack;
        AOut[start + i] += AAmplitude * (click + thud);
    }
}

} // namespace

QByteArray DiceRollWave() {
    constexpr int kRate = 11025;
    constexpr std::size_t kFrames = 8960 / 2;
    std::vector<double> out(kFrames, 0.0);
    TNoise noise(0x7013u);

    // Five dice thrown together: each lands a little after the others and bounces
    // with ever shorter gaps and softer knocks until it lies still.
    for (int die = 0; die < 5; ++die) {
        double time = die == 0 ? 0.003 : noise.Uniform(0.01, 0.07);
        double gap = noise.Uniform(0.05, 0.085);
        double amplitude = noise.Uniform(0.7, 1.0);
        const double ring = noise.Uniform(2200, 3600);
        const double thud = noise.Uniform(160, 320);
        while (time < 0.36 && amplitude > 0.04) {
            AddKnock(out, kRate, noise, time, amplitude, ring * noise.Uniform(0.94, 1.06), thud);
            time += gap * noise.Uniform(0.8, 1.2);
            gap *= 0.82;
            amplitude *= noise.Uniform(0.62, 0.8);
        }
    }
    // Dice knocking into each other while they roll: brighter, quicker clicks.
    for (int i = 0; i < 6; ++i) {
        AddKnock(out, kRate, noise, noise.Uniform(0.03, 0.3), noise.Uniform(0.2, 0.45),
                 noise.Uniform(3400, 4300), 400);
    }
    return WaveFile({std::move(out)}, kRate, 0.85);
}

namespace {

struct TNote {
    double Start;    // seconds
    double Length;   // seconds until the release starts
    double Pitch;    // Hz
    double Loudness; // relative
    double Pan;      // 0 left .. 1 right
};

// A brass-like voice: a saw-like stack of harmonics that grows brighter as the
// note swells, a small rise into pitch at the attack and a late, gentle vibrato.
const std::array<double, 15> kHarmonicWeights = [] {
    std::array<double, 15> weights{};
    for (std::size_t k = 1; k < weights.size(); ++k) {
        weights[k] = 1 / std::pow(static_cast<double>(k), 1.1);
    }
    return weights;
}();

void AddBrass(std::vector<double>& ALeft, std::vector<double>& ARight, int ARate,
              const TNote& ANote) {
    const double release = 0.16;
    const auto start = static_cast<std::size_t>(ANote.Start * ARate);
    const auto length = static_cast<std::size_t>((ANote.Length + 4 * release) * ARate);
    const int harmonics = std::min(14, static_cast<int>(0.45 * ARate / ANote.Pitch));
    double phase = 0;
    for (std::size_t i = 0; i < length && start + i < ALeft.size(); ++i) {
        const double t = static_cast<double>(i) / ARate;
        double envelope = std::min(1.0, t / 0.035);
        envelope *= 0.8 + 0.2 * std::exp(-t / 0.08); // a little push at the attack
        if (t > ANote.Length) {
            envelope *= std::exp(-(t - ANote.Length) / release);
        }
        const double vibrato = 1 + 0.005 * std::sin(kTwoPi * 5.3 * t) * std::min(1.0, t / 0.6);
        const double scoop = 1 - 0.025 * std::exp(-t / 0.03);
        phase += kTwoPi * ANote.Pitch * vibrato * scoop / ARate;
        // Harmonic k is weighted by envelope^(0.35 (k - 1)) / k^1.1.
        const double step = std::pow(envelope, 0.35);
        double brightness = 1;
        double sample = 0;
        for (int k = 1; k <= harmonics; ++k) {
            sample += brightness * std::sin(k * phase) * kHarmonicWeights[k];
            brightness *= step;
        }
        const double value = ANote.Loudness * envelope * sample;
        ALeft[start + i] += value * std::sqrt(1 - ANote.Pan);
        ARight[start + i] += value * std::sqrt(ANote.Pan);
    }
}

// A soft cymbal wash: noise, brighter at the start, decaying over the chord.
void AddCymbal(std::vector<double>& ALeft, std::vector<double>& ARight, int ARate, double AStart,
               double ALoudness) {
    TNoise noise(0x7ada);
    TBandPass highLeft(7000, 0.8, ARate), highRight(7600, 0.8, ARate);
    const auto start = static_cast<std::size_t>(AStart * ARate);
    for (std::size_t i = start; i < ALeft.size(); ++i) {
        const double t = static_cast<double>(i - start) / ARate;
        const double envelope = ALoudness * std::exp(-t / 0.35) * std::min(1.0, t / 0.004);
        ALeft[i] += envelope * highLeft.Step(noise.Sample());
        ARight[i] += envelope * highRight.Step(noise.Sample());
    }
}

// A short room: two feedback echoes of different lengths on the two sides.
void AddRoom(std::vector<double>& ALeft, std::vector<double>& ARight, int ARate) {
    const std::array<double, 3> delays{0.0297, 0.0371, 0.0411};
    std::vector<double> wetLeft(ALeft.size(), 0.0), wetRight(ARight.size(), 0.0);
    for (std::size_t d = 0; d < delays.size(); ++d) {
        const auto lag = static_cast<std::size_t>(delays[d] * ARate);
        std::vector<double> lineLeft(ALeft.size(), 0.0), lineRight(ARight.size(), 0.0);
        for (std::size_t i = lag; i < ALeft.size(); ++i) {
            lineLeft[i] = ARight[i - lag] + 0.45 * lineLeft[i - lag];
            lineRight[i] = ALeft[i - lag] + 0.45 * lineRight[i - lag];
        }
        for (std::size_t i = 0; i < ALeft.size(); ++i) {
            wetLeft[i] += lineLeft[i];
            wetRight[i] += lineRight[i];
        }
    }
    for (std::size_t i = 0; i < ALeft.size(); ++i) {
        ALeft[i] += 0.12 * wetLeft[i];
        ARight[i] += 0.12 * wetRight[i];
    }
}

} // namespace

QByteArray TadaWave() {
    constexpr int kRate = 22050;
    constexpr std::size_t kFrames = 171008 / 4;
    std::vector<double> left(kFrames, 0.0), right(kFrames, 0.0);

    const double c4 = 261.63, g4 = 392.00, c5 = 523.25, e5 = 659.26, g5 = 783.99;
    constexpr double kChord = 0.42;
    constexpr double kHold = 1.18;
    const std::array<TNote, 9> notes{{
        // The rising call: short, detached notes of a C major arpeggio.
        {0.00, 0.08, g4, 0.8, 0.45},
        {0.11, 0.08, c5, 0.8, 0.55},
        {0.22, 0.08, e5, 0.8, 0.45},
        {0.31, 0.06, g5, 0.75, 0.55},
        // The held chord, spread across the stereo field.
        {kChord, kHold, c4, 0.75, 0.5},
        {kChord, kHold, g4, 0.6, 0.3},
        {kChord, kHold, c5, 0.7, 0.7},
        {kChord, kHold, e5, 0.55, 0.35},
        {kChord + 0.01, kHold, g5 * 2 / 1.5, 0.5, 0.65}, // the top C
    }};
    for (const TNote& note : notes) {
        AddBrass(left, right, kRate, note);
    }
    AddCymbal(left, right, kRate, kChord, 0.5);
    AddRoom(left, right, kRate);
    return WaveFile({std::move(left), std::move(right)}, kRate, 0.89,
                    {{"INAM", "Tada"}, {"ICOP", "2026 Varnholt"}});
}
