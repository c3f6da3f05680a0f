// Sound output on Windows: the sounds are WAVE resources of the executable, and
// the system's PlaySound plays them synchronously, so the call returns once the
// sound has played, as the roll expects. The game calls it on a worker thread
// (TAnsweringSoundPlayer); PlaySound may be called from any thread.
#include "platform/SoundPlayer.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <mmsystem.h>

void PlayWaveResource(const std::string& AName) {
    if (AName.empty()) {
        return;
    }
    // Resource names are matched without regard to case. SND_NODEFAULT: a sound
    // that is missing plays nothing rather than the system's default sound. No
    // audio device, or any other failure: PlaySound returns at once.
    ::PlaySoundA(AName.c_str(), ::GetModuleHandleA(nullptr),
                 SND_RESOURCE | SND_SYNC | SND_NODEFAULT);
}
