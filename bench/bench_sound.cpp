// The pause a sound makes: PlayWaveResource returns when the last sample has
// been played, so the window waits that long on every roll (DiceRoll) and after
// five of a kind (Tada). Measured on SDL's disk driver, which plays at the pace
// of a sound card, into a file of its own. Budget: the sound's length, one
// device buffer (512 frames at the sound's rate) and 10 ms; for both sounds
// of a roll of five of a kind through the game's player, their lengths and 25 ms.

#include "bench/Budget.h"

#include "platform/AnsweringSoundPlayer.h"
#include "platform/Resources.h"
#include "platform/SoundPlayer.h"
#include "tests/support/RiffChunks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <string>

namespace {

constexpr double kDeviceBufferFrames = 512;
constexpr double kMarginNs = 10e6;
constexpr double kRollMarginNs = 25e6;

// Where the disk driver writes, set before the first sound starts SDL's audio.
void UseDiskDriver() {
    static QTemporaryDir folder;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(folder.filePath(QStringLiteral("audio.raw"))));
}

// The sound's length, plus AExtraFrames at its rate; 0 when the resource is no
// PCM WAV.
double SoundLengthNs(const char* AName, double AExtraFrames = 0) {
    const QByteArray wave = LoadResourceData(QString::fromLatin1(AName));
    const QByteArray format = RiffChunk(wave, "fmt ");
    const QByteArray data = RiffChunk(wave, "data");
    if (format.size() < 16 || data.isEmpty()) {
        return 0;
    }
    const double channels = qFromLittleEndian<quint16>(format.constData() + 2);
    const double rate = qFromLittleEndian<quint32>(format.constData() + 4);
    const double sampleBytes = qFromLittleEndian<quint16>(format.constData() + 14) / 8;
    const double frames = data.size() / (channels * sampleBytes);
    return (frames + AExtraFrames) / rate * 1e9;
}

// Sets the budget of the benchmark AName; false when it has none.
bool SetBudget(const std::string& AName, double ABudget) {
    for (TBenchBudget& entry : BenchBudgets()) {
        if (entry.Name == AName) {
            entry.LimitNs = ABudget;
        }
    }
    return ABudget > 0;
}

// Sets the budget of the benchmark AName, which the sound's format decides.
bool SetSoundBudget(const std::string& AName, const char* ASound) {
    const double length = SoundLengthNs(ASound, kDeviceBufferFrames);
    return SetBudget(AName, length > 0 ? length + kMarginNs : 0);
}

// A player looks at the new dice for longer than the last sound's device stays
// open for a sound that may follow, so each timed sound starts with no device
// open, as in a game.
void PauseLikeAPlayer(benchmark::State& AState) {
    AState.PauseTiming();
    QThread::msleep(300);
    AState.ResumeTiming();
}

void PlaySound(benchmark::State& AState, const std::string& ABenchmark, const char* ASound) {
    UseDiskDriver();
    if (!SetSoundBudget(ABenchmark, ASound)) {
        AState.SkipWithError("the sound is not a PCM WAV");
        return;
    }
    for (auto _ : AState) {
        PlayWaveResource(ASound);
        PauseLikeAPlayer(AState);
    }
}

void BM_RollSound(benchmark::State& AState) {
    PlaySound(AState, "RollSound", "DiceRoll");
}

void BM_FanfareSound(benchmark::State& AState) {
    PlaySound(AState, "FanfareSound", "Tada");
}

// The fanfare right after the roll's sound, as after a roll of five of a kind:
// it starts on a device of its own format while the roll's device is still
// open, and that one is closed while the fanfare plays.
void BM_FanfareAfterRoll(benchmark::State& AState) {
    UseDiskDriver();
    for (auto _ : AState) {
        AState.PauseTiming();
        PlayWaveResource("DiceRoll");
        AState.ResumeTiming();
        PlayWaveResource("Tada");
        PauseLikeAPlayer(AState);
    }
}

// A roll of five of a kind through the game's player: the roll's sound and
// right after it the fanfare, each waited for in an event loop.
void BM_RollThenFanfare(benchmark::State& AState) {
    UseDiskDriver();
    const double roll = SoundLengthNs("DiceRoll");
    const double fanfare = SoundLengthNs("Tada");
    if (!SetBudget("RollThenFanfare",
                   roll > 0 && fanfare > 0 ? roll + fanfare + kRollMarginNs : 0)) {
        AState.SkipWithError("the sounds are no PCM WAVs");
        return;
    }
    TAnsweringSoundPlayer player;
    for (auto _ : AState) {
        player.PlayWaveResource("DiceRoll");
        player.PlayWaveResource("Tada");
        PauseLikeAPlayer(AState);
    }
}

} // namespace

[[maybe_unused]] static auto* const kRollSound =
    RegisterBudgeted("RollSound", BM_RollSound, kNoBudget) -> Unit(benchmark::kMillisecond);
[[maybe_unused]] static auto* const kFanfareSound =
    RegisterBudgeted("FanfareSound", BM_FanfareSound, kNoBudget) -> Unit(benchmark::kMillisecond);
[[maybe_unused]] static auto* const kFanfareAfterRoll =
    RegisterBudgeted("FanfareAfterRoll", BM_FanfareAfterRoll, kNoBudget)
        -> Unit(benchmark::kMillisecond);
[[maybe_unused]] static auto* const kRollThenFanfare =
    RegisterBudgeted("RollThenFanfare", BM_RollThenFanfare, kNoBudget)
        -> Unit(benchmark::kMillisecond);
