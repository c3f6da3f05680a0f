#pragma once
// Sound output: SDL2 (SoundPlayer.cpp), or on Windows the system's PlaySound
// (WinSoundPlayer.cpp). PlayWaveResource (declared in uJuboUtils.h) plays an
// embedded WAV to its end; this class offers it to the game session.

#include "GameInterfaces.h"

#include <string>

class TSdlSoundPlayer : public ISoundPlayer {
public:
    void PlayWaveResource(const std::string& AName) override;
};
