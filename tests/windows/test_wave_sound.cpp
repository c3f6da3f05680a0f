// The game's sounds as Windows plays them: WAVE resources of the executable,
// found under the names the game uses whatever their case, holding the generated
// sounds byte for byte, and played to their last sample by PlayWaveResource
// through PlaySound before it returns.

#include "platform/SoundPlayer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The bytes of a WAVE resource of this executable; empty when there is none.
std::string WaveResource(const char* AName) {
    HRSRC info = FindResourceA(nullptr, AName, "WAVE");
    HGLOBAL handle = info != nullptr ? LoadResource(nullptr, info) : nullptr;
    const void* data = handle != nullptr ? LockResource(handle) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const char*>(data), SizeofResource(nullptr, info)};
}

std::string FileBytes(const char* APath) {
    std::ifstream file(APath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct TSound {
    const char* Name; // as the game asks for it
    const char* File; // as the asset generator wrote it
};
constexpr TSound kSounds[] = {{"DiceRoll", TOLMIR_DICEROLL_WAV}, {"Tada", TOLMIR_TADA_WAV}};

} // namespace

TEST(WaveSound, TheExecutableCarriesTheGeneratedSounds) {
    for (const TSound& sound : kSounds) {
        SCOPED_TRACE(sound.Name);
        const std::string generated = FileBytes(sound.File);
        ASSERT_GT(generated.size(), 44u) << "no sound at " << sound.File;
        const std::string wave = WaveResource(sound.Name);
        ASSERT_EQ(wave.size(), generated.size());
        EXPECT_EQ(wave.substr(0, 4), "RIFF");
        EXPECT_EQ(wave.substr(8, 4), "WAVE");
        EXPECT_TRUE(wave == generated);
    }
    EXPECT_TRUE(WaveResource("NoSuchSound").empty());
}

// The samples of a WAVE file: the body of its "data" chunk.
std::string WaveSamples(const std::string& AWave) {
    std::size_t at = 12;
    while (at + 8 <= AWave.size()) {
        std::uint32_t size = 0;
        std::memcpy(&size, AWave.data() + at + 4, sizeof size); // little-endian, as x86
        if (AWave.compare(at, 4, "data") == 0) {
            return AWave.substr(at + 8, size);
        }
        at += 8 + size + (size % 2);
    }
    return {};
}

// Under Wine, CTest gives the test an ALSA device that writes what it plays into
// the file TOLMIR_SOUND_CAPTURE names (a Unix path), which every sound opens
// anew. Elsewhere there is nothing to listen to.
TEST(WaveSound, EverySampleHasPlayedWhenTheCallReturns) {
    const char* capture = std::getenv("TOLMIR_SOUND_CAPTURE");
    if (capture == nullptr) {
        GTEST_SKIP() << "no captured audio device";
    }
    for (const TSound& sound : kSounds) {
        SCOPED_TRACE(sound.Name);
        std::remove(capture);
        PlayWaveResource(sound.Name);
        const std::string samples = WaveSamples(WaveResource(sound.Name));
        ASSERT_FALSE(samples.empty());
        const std::string played = FileBytes(capture);
        ASSERT_EQ(played.size(), samples.size());
        EXPECT_TRUE(played == samples);
    }
    // A sound the executable lacks plays nothing, not even the system's default.
    std::remove(capture);
    PlayWaveResource("NoSuchSound");
    PlayWaveResource("");
    EXPECT_TRUE(FileBytes(capture).empty());
}
