// The game's sounds as Windows plays them: WAVE resources of the executable,
// found under the names the game uses whatever their case, holding the generated
// sounds byte for byte, and played by PlayWaveResource through PlaySound.

#include "SoundPlayer.h"
#include "uJuboUtils.h"

#include <windows.h>

#include <gtest/gtest.h>

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

// Without an audio device (as under Wine here), and for a sound the executable
// lacks, the call returns and nothing else happens.
TEST(WaveSound, PlayingReturnsForEverySound) {
    TSdlSoundPlayer player;
    for (const char* name : {"DiceRoll", "TADA", "NoSuchSound", ""}) {
        SCOPED_TRACE(name);
        PlayWaveResource(name);
        static_cast<ISoundPlayer&>(player).PlayWaveResource(name);
    }
}
