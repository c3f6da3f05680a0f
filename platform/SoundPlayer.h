#pragma once
// Sound output: SDL2 (SoundPlayer.cpp), or on Windows the system's PlaySound
// (WinSoundPlayer.cpp). PlayWaveResource blocks its thread until the sound has
// played; the game session gets it through TAnsweringSoundPlayer, which keeps
// the window answering.

#include <chrono>
#include <string>

// Plays an embedded WAV resource to its end; a missing resource or no audio
// device plays nothing and reports nothing.
void PlayWaveResource(const std::string& AName);

// When the last sample of a sound has played: the part of it in the last device
// buffer (ALastPart long) plays from when that buffer is handed over, and the
// whole sound never ends sooner than its length after the first buffer.
std::chrono::steady_clock::time_point
LastSamplePlayed(std::chrono::steady_clock::time_point AFirstHandedOver,
                 std::chrono::steady_clock::time_point ALastHandedOver,
                 std::chrono::microseconds ALastPart, std::chrono::microseconds ALength);
