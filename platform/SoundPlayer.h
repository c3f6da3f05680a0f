#pragma once
// Sound output through SDL2. PlayWaveResource (declared in uJuboUtils.h) plays an
// embedded WAV to its end; this class offers it to the game session.

#include "GameInterfaces.h"

#include <string>

class TSdlSoundPlayer : public ISoundPlayer {
public:
    void PlayWaveResource(const std::string& AName) override;
};
