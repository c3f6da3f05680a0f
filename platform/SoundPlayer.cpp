#include "SoundPlayer.h"

#include "Resources.h"
#include "uJuboUtils.h"

#include <SDL.h>

#include <memory>

namespace {

// Frames per device buffer: small, so that little silence follows a sound.
constexpr Uint16 kBufferFrames = 512;

// SDL's audio subsystem, started when the first sound plays and stopped at exit.
// A failed start is not retried: without audio the game stays silent.
class TAudioSubsystem {
public:
    TAudioSubsystem() : FReady(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
    ~TAudioSubsystem() {
        if (FReady) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        SDL_Quit();
    }
    TAudioSubsystem(const TAudioSubsystem&) = delete;
    TAudioSubsystem& operator=(const TAudioSubsystem&) = delete;
    bool Ready() const { return FReady; }

private:
    bool FReady;
};

bool AudioReady() {
    static const TAudioSubsystem audio;
    return audio.Ready();
}

struct TWaveDeleter {
    void operator()(Uint8* ASamples) const { SDL_FreeWAV(ASamples); }
};

} // namespace

void PlayWaveResource(const std::string& AName) {
    const QByteArray wave = LoadResourceData(QString::fromStdString(AName));
    if (wave.isEmpty() || !AudioReady()) {
        return;
    }
    SDL_AudioSpec wanted{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // SDL_LoadWAV_RW closes the reader (freesrc = 1) and fails on a null one.
    if (SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), 1,
                       &wanted, &buffer, &length) == nullptr) {
        return;
    }
    const std::unique_ptr<Uint8, TWaveDeleter> samples(buffer);
    wanted.samples = kBufferFrames;
    // The device is opened for each sound and closed after it, so that no audio
    // thread runs while the game is idle.
    SDL_AudioSpec device{};
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &device, 0);
    if (id == 0) {
        return;
    }
    if (SDL_QueueAudio(id, samples.get(), length) == 0) {
        SDL_PauseAudioDevice(id, 0);
        while (SDL_GetQueuedAudioSize(id) > 0) {
            SDL_Delay(5);
        }
        // The last samples have left the queue but are still in the device's
        // buffer and the system's mixer behind it: give both time to play out.
        SDL_Delay(2 * 1000u * device.samples / static_cast<Uint32>(device.freq) + 1);
    }
    SDL_CloseAudioDevice(id);
}

void TSdlSoundPlayer::PlayWaveResource(const std::string& AName) {
    ::PlayWaveResource(AName);
}
