#include "SoundPlayer.h"

#include "Resources.h"
#include "uJuboUtils.h"

#include <SDL.h>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include <memory>

namespace {

// Frames per device buffer: small, so that little silence follows a sound.
constexpr Uint16 kBufferFrames = 512;

// The SDL functions the player uses. Outside Windows the library is loaded when
// the first sound plays, not at start: SDL and the sound libraries it pulls in
// weigh a few megabytes that a game played silently never needs.
struct TSdlApi {
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_Quit) Quit = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
    decltype(&SDL_Delay) Delay = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;

    bool Complete() const {
        return InitSubSystem && QuitSubSystem && Quit && RWFromConstMem && LoadWAV_RW && FreeWAV &&
               OpenAudioDevice && QueueAudio && PauseAudioDevice && GetQueuedAudioSize && Delay &&
               CloseAudioDevice;
    }
};

#if defined(_WIN32)
TSdlApi LoadSdlApi() {
    return {&SDL_InitSubSystem,      &SDL_QuitSubSystem, &SDL_Quit,
            &SDL_RWFromConstMem,     &SDL_LoadWAV_RW,    &SDL_FreeWAV,
            &SDL_OpenAudioDevice,    &SDL_QueueAudio,    &SDL_PauseAudioDevice,
            &SDL_GetQueuedAudioSize, &SDL_Delay,         &SDL_CloseAudioDevice};
}
#else
template <typename Function> void Resolve(void* ALibrary, const char* AName, Function& AFunction) {
    AFunction = reinterpret_cast<Function>(::dlsym(ALibrary, AName));
}

// The library stays loaded for the rest of the run; nothing when it is missing.
TSdlApi LoadSdlApi() {
    TSdlApi api;
    void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return api;
    }
    Resolve(library, "SDL_InitSubSystem", api.InitSubSystem);
    Resolve(library, "SDL_QuitSubSystem", api.QuitSubSystem);
    Resolve(library, "SDL_Quit", api.Quit);
    Resolve(library, "SDL_RWFromConstMem", api.RWFromConstMem);
    Resolve(library, "SDL_LoadWAV_RW", api.LoadWAV_RW);
    Resolve(library, "SDL_FreeWAV", api.FreeWAV);
    Resolve(library, "SDL_OpenAudioDevice", api.OpenAudioDevice);
    Resolve(library, "SDL_QueueAudio", api.QueueAudio);
    Resolve(library, "SDL_PauseAudioDevice", api.PauseAudioDevice);
    Resolve(library, "SDL_GetQueuedAudioSize", api.GetQueuedAudioSize);
    Resolve(library, "SDL_Delay", api.Delay);
    Resolve(library, "SDL_CloseAudioDevice", api.CloseAudioDevice);
    return api;
}
#endif

// SDL's audio subsystem, started when the first sound plays and stopped at exit.
// A failed start is not retried: without audio the game stays silent.
class TAudioSubsystem {
public:
    TAudioSubsystem()
        : FSdl(LoadSdlApi()), FReady(FSdl.Complete() && FSdl.InitSubSystem(SDL_INIT_AUDIO) == 0) {}
    ~TAudioSubsystem() {
        if (FReady) {
            FSdl.QuitSubSystem(SDL_INIT_AUDIO);
        }
        if (FSdl.Quit) {
            FSdl.Quit();
        }
    }
    TAudioSubsystem(const TAudioSubsystem&) = delete;
    TAudioSubsystem& operator=(const TAudioSubsystem&) = delete;
    bool Ready() const { return FReady; }
    const TSdlApi& Sdl() const { return FSdl; }

private:
    TSdlApi FSdl;
    bool FReady;
};

// The subsystem once it is ready; nothing when audio cannot play.
const TSdlApi* Audio() {
    static const TAudioSubsystem audio;
    return audio.Ready() ? &audio.Sdl() : nullptr;
}

struct TWaveDeleter {
    const TSdlApi* Sdl;
    void operator()(Uint8* ASamples) const { Sdl->FreeWAV(ASamples); }
};

} // namespace

void PlayWaveResource(const std::string& AName) {
    const QByteArray wave = LoadResourceData(QString::fromStdString(AName));
    if (wave.isEmpty()) {
        return;
    }
    const TSdlApi* sdl = Audio();
    if (sdl == nullptr) {
        return;
    }
    SDL_AudioSpec wanted{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // SDL_LoadWAV_RW closes the reader (freesrc = 1) and fails on a null one.
    if (sdl->LoadWAV_RW(sdl->RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), 1,
                        &wanted, &buffer, &length) == nullptr) {
        return;
    }
    const std::unique_ptr<Uint8, TWaveDeleter> samples(buffer, TWaveDeleter{sdl});
    wanted.samples = kBufferFrames;
    // The device is opened for each sound and closed after it, so that no audio
    // thread runs while the game is idle.
    SDL_AudioSpec device{};
    const SDL_AudioDeviceID id = sdl->OpenAudioDevice(nullptr, 0, &wanted, &device, 0);
    if (id == 0) {
        return;
    }
    if (sdl->QueueAudio(id, samples.get(), length) == 0) {
        sdl->PauseAudioDevice(id, 0);
        while (sdl->GetQueuedAudioSize(id) > 0) {
            sdl->Delay(5);
        }
        // The last samples have left the queue but are still in the device's
        // buffer and the system's mixer behind it: give both time to play out.
        sdl->Delay(2 * 1000u * device.samples / static_cast<Uint32>(device.freq) + 1);
    }
    sdl->CloseAudioDevice(id);
}

void TSdlSoundPlayer::PlayWaveResource(const std::string& AName) {
    ::PlayWaveResource(AName);
}
