#include "SoundPlayer.h"

#include "Resources.h"
#include "uJuboUtils.h"

#include <SDL.h>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Frames per device buffer: small, so that little silence follows a sound.
constexpr Uint16 kBufferFrames = 512;

// How much longer than its own length a sound may take before the player gives
// up waiting for the device (a stalled sound server, for example).
constexpr std::chrono::milliseconds kStallAllowance{2000};

// The SDL functions the player uses. Outside Windows the library is loaded when
// the first sound plays, not at start: SDL and the sound libraries it pulls in
// weigh a few megabytes that a game played silently never needs.
struct TSdlApi {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_Quit) Quit = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;

    bool Complete() const {
        return SetHint && InitSubSystem && QuitSubSystem && Quit && RWFromConstMem && LoadWAV_RW &&
               FreeWAV && OpenAudioDevice && PauseAudioDevice && CloseAudioDevice;
    }
};

#if defined(_WIN32)
TSdlApi LoadSdlApi() {
    return {&SDL_SetHint,          &SDL_InitSubSystem,   &SDL_QuitSubSystem, &SDL_Quit,
            &SDL_RWFromConstMem,   &SDL_LoadWAV_RW,      &SDL_FreeWAV,       &SDL_OpenAudioDevice,
            &SDL_PauseAudioDevice, &SDL_CloseAudioDevice};
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
    Resolve(library, "SDL_SetHint", api.SetHint);
    Resolve(library, "SDL_InitSubSystem", api.InitSubSystem);
    Resolve(library, "SDL_QuitSubSystem", api.QuitSubSystem);
    Resolve(library, "SDL_Quit", api.Quit);
    Resolve(library, "SDL_RWFromConstMem", api.RWFromConstMem);
    Resolve(library, "SDL_LoadWAV_RW", api.LoadWAV_RW);
    Resolve(library, "SDL_FreeWAV", api.FreeWAV);
    Resolve(library, "SDL_OpenAudioDevice", api.OpenAudioDevice);
    Resolve(library, "SDL_PauseAudioDevice", api.PauseAudioDevice);
    Resolve(library, "SDL_CloseAudioDevice", api.CloseAudioDevice);
    return api;
}
#endif

// One sound on its way to the device. SDL's audio thread pulls the samples
// through Fill, a device buffer at a time; the buffer after the one that held
// the last sample is asked for once the device has played that one, which is
// the moment the sound is over.
class TPlayback {
public:
    TPlayback(const TSdlApi& ASdl, Uint8* ASamples, Uint32 ALength, SDL_AudioFormat AFormat)
        : FSdl(ASdl), FSamples(ASamples), FLength(ALength),
          FSilence(AFormat == AUDIO_U8 ? 0x80 : 0x00) {}
    ~TPlayback() { FSdl.FreeWAV(FSamples); }
    TPlayback(const TPlayback&) = delete;
    TPlayback& operator=(const TPlayback&) = delete;

    // The device's callback, on SDL's audio thread.
    static void SDLCALL Fill(void* APlayback, Uint8* AStream, int ALength) {
        static_cast<TPlayback*>(APlayback)->FillBuffer(AStream, static_cast<Uint32>(ALength));
    }

    // True once the last sample has been played; false when ALimit passed first.
    bool WaitUntilPlayed(std::chrono::milliseconds ALimit) {
        std::unique_lock lock(FMutex);
        return FPlayedSignal.wait_for(lock, ALimit, [this] { return FPlayed; });
    }

private:
    void FillBuffer(Uint8* AStream, Uint32 ALength) {
        const Uint32 copied = std::min(ALength, FLength - FPosition);
        std::memcpy(AStream, FSamples + FPosition, copied);
        std::memset(AStream + copied, FSilence, ALength - copied);
        FPosition += copied;
        if (copied == 0) {
            const std::lock_guard lock(FMutex);
            FPlayed = true;
            FPlayedSignal.notify_one();
        }
    }

    const TSdlApi& FSdl;
    Uint8* const FSamples;
    const Uint32 FLength;
    const Uint8 FSilence;
    Uint32 FPosition = 0; // the audio thread's alone
    std::mutex FMutex;
    std::condition_variable FPlayedSignal;
    bool FPlayed = false;
};

// SDL's audio subsystem, started when the first sound plays and stopped at exit.
// A failed start is not retried: without audio the game stays silent.
//
// A device is opened for each sound, at the sound's own format, and closed
// after it, so that no audio thread runs while the game is idle. Closing waits
// for SDL's audio thread, which first sleeps out two more buffers (about 140 ms
// in all for the roll): a helper thread does that while the game goes on. The
// next sound waits for it before it touches SDL, so SDL is called from one
// thread at a time, and drivers that allow one open device find it free.
class TAudioSubsystem {
public:
    TAudioSubsystem() : FSdl(LoadSdlApi()), FReady(FSdl.Complete() && Start()) {}
    ~TAudioSubsystem() {
        FinishClosing();
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

    // Closes ADevice, which no callback may use any more (it is paused).
    void CloseLater(SDL_AudioDeviceID ADevice) {
        FinishClosing();
        try {
            FClosing = std::thread([this, ADevice] { FSdl.CloseAudioDevice(ADevice); });
        } catch (const std::system_error&) {
            FSdl.CloseAudioDevice(ADevice); // no thread to be had: the game waits instead
        }
    }

    void FinishClosing() {
        if (FClosing.joinable()) {
            FClosing.join();
        }
    }

private:
    bool Start() {
        // SDL would otherwise turn SIGINT and SIGTERM into events that nobody reads.
        FSdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return FSdl.InitSubSystem(SDL_INIT_AUDIO) == 0;
    }

    TSdlApi FSdl;
    bool FReady;
    std::thread FClosing;
};

// The subsystem once it is ready; nothing when audio cannot play.
TAudioSubsystem* Audio() {
    static TAudioSubsystem audio;
    return audio.Ready() ? &audio : nullptr;
}

// How long ALength bytes of samples in the format of ASpec play.
std::chrono::milliseconds Duration(const SDL_AudioSpec& ASpec, Uint32 ALength) {
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(ASpec.format) / 8u * ASpec.channels;
    if (frameBytes == 0 || ASpec.freq <= 0) {
        return {};
    }
    return std::chrono::milliseconds(std::uint64_t{ALength} / frameBytes * 1000u /
                                     static_cast<std::uint64_t>(ASpec.freq));
}

} // namespace

void PlayWaveResource(const std::string& AName) {
    const QByteArray wave = LoadResourceData(QString::fromStdString(AName));
    if (wave.isEmpty()) {
        return;
    }
    TAudioSubsystem* audio = Audio();
    if (audio == nullptr) {
        return;
    }
    audio->FinishClosing();
    const TSdlApi& sdl = audio->Sdl();
    SDL_AudioSpec wanted{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // SDL_LoadWAV_RW closes the reader (freesrc = 1) and fails on a null one.
    if (sdl.LoadWAV_RW(sdl.RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), 1,
                       &wanted, &buffer, &length) == nullptr) {
        return;
    }
    TPlayback playback(sdl, buffer, length, wanted.format);
    if (length == 0) {
        return;
    }
    wanted.samples = kBufferFrames;
    wanted.callback = &TPlayback::Fill;
    wanted.userdata = &playback;
    const SDL_AudioDeviceID id = sdl.OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        return;
    }
    sdl.PauseAudioDevice(id, 0);
    playback.WaitUntilPlayed(Duration(wanted, length) + kStallAllowance);
    // Pausing takes the device's lock, so no callback is under way once it
    // returns and none follows: the samples can go before the device does.
    sdl.PauseAudioDevice(id, 1);
    audio->CloseLater(id);
}

void TSdlSoundPlayer::PlayWaveResource(const std::string& AName) {
    ::PlayWaveResource(AName);
}
