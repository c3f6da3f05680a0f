#pragma once
// The game's sounds without a deaf window. PlayWaveResource blocks its thread
// until the sound has played; this player runs it on a worker thread while the
// thread that asked runs a local event loop without user input, so that the
// window system and the accessibility bus keep getting answers. Keys pressed
// meanwhile act once the sound is over, in the order they came in, as they did
// when the window was busy playing it.

#include "game/GameInterfaces.h"

#include <string>

class TAnsweringSoundPlayer : public ISoundPlayer {
public:
    void PlayWaveResource(const std::string& AName) override; // returns when played
};
