#include "platform/SoundPlayer.h"

#include "platform/Resources.h"

#include <SDL.h>

#include <dlfcn.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Frames per device buffer: about 12 ms of sound (512 frames at 44,100 Hz),
// a power of two. Small, so that little silence follows a sound, and because
// closing a device takes about three buffers, which the fanfare waits for
// when it follows the roll's sound.
Uint16 BufferFrames(int ARate) {
    const auto frames = static_cast<unsigned>(std::clamp(ARate, 5'512, 44'100)) * 512u / 44'100u;
    return static_cast<Uint16>(std::bit_floor(frames));
}

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
    decltype(&SDL_TLSCleanup) TLSCleanup = nullptr; // SDL 2.0.16 on; not needed to play

    bool Complete() const {
        return SetHint && InitSubSystem && QuitSubSystem && Quit && RWFromConstMem && LoadWAV_RW &&
               FreeWAV && OpenAudioDevice && PauseAudioDevice && CloseAudioDevice;
    }
};

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
    Resolve(library, "SDL_TLSCleanup", api.TLSCleanup);
    return api;
}

// One sound on its way to the device. SDL's audio thread pulls the samples
// through Fill, a device buffer at a time, and the device starts to play a
// buffer when it is handed over: the sound is over once the part of it in the
// last buffer has played after that, and never before its whole length has
// passed since the first one.
class TPlayback {
public:
    using TClock = std::chrono::steady_clock;

    TPlayback(const TSdlApi& ASdl, Uint8* ASamples, Uint32 ALength, const SDL_AudioSpec& ASpec)
        : FSdl(ASdl), FSamples(ASamples), FLength(ALength),
          FSilence(ASpec.format == AUDIO_U8 ? 0x80 : 0x00),
          FBytesPerSecond(static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(ASpec.format)) / 8u *
                          ASpec.channels * static_cast<std::uint64_t>(std::max(ASpec.freq, 0))) {}
    ~TPlayback() { FSdl.FreeWAV(FSamples); }
    TPlayback(const TPlayback&) = delete;
    TPlayback& operator=(const TPlayback&) = delete;

    // False when the samples are no sound that can be played.
    bool Playable() const { return FLength > 0 && FBytesPerSecond > 0; }

    // How long the whole sound plays.
    std::chrono::microseconds Length() const { return Duration(FLength); }

    // The device's callback, on SDL's audio thread.
    static void SDLCALL Fill(void* APlayback, Uint8* AStream, int ALength) {
        static_cast<TPlayback*>(APlayback)->FillBuffer(AStream, static_cast<Uint32>(ALength));
    }

    // Returns once the last sample has been played, or when the device has
    // not taken it within ALimit (a stalled sound server, for example).
    void WaitUntilPlayed(std::chrono::microseconds ALimit) {
        std::unique_lock lock(FMutex);
        if (FLastHandedOver.wait_for(lock, ALimit, [this] { return FEnd.has_value(); })) {
            const TClock::time_point end = *FEnd;
            lock.unlock();
            std::this_thread::sleep_until(end);
        }
    }

private:
    std::chrono::microseconds Duration(Uint32 ABytes) const {
        return std::chrono::microseconds(std::uint64_t{ABytes} * 1'000'000u / FBytesPerSecond);
    }

    void FillBuffer(Uint8* AStream, Uint32 ALength) {
        if (FPosition == 0) {
            FStart = TClock::now();
        }
        const Uint32 copied = std::min(ALength, FLength - FPosition);
        std::memcpy(AStream, FSamples + FPosition, copied);
        std::memset(AStream + copied, FSilence, ALength - copied);
        FPosition += copied;
        if (copied > 0 && FPosition == FLength) {
            const std::lock_guard lock(FMutex);
            FEnd = LastSamplePlayed(FStart, TClock::now(), Duration(copied), Length());
            FLastHandedOver.notify_one();
        }
    }

    const TSdlApi& FSdl;
    Uint8* const FSamples;
    const Uint32 FLength;
    const Uint8 FSilence;
    const std::uint64_t FBytesPerSecond;
    // The audio thread's alone: how far it has got, and when it began.
    Uint32 FPosition = 0;
    TClock::time_point FStart;
    std::mutex FMutex;
    std::condition_variable FLastHandedOver;
    std::optional<TClock::time_point> FEnd; // when the last sample has played
};

// SDL's audio subsystem, started when the first sound plays and stopped at exit.
// A failed start is not retried: without audio the game stays silent.
//
// A device is opened for each sound, at the sound's own format, and closed
// after it, so that no audio thread runs while the game is idle. Closing waits
// for SDL's audio thread, which first sleeps out the last buffer and two more
// (about 100 ms after the roll's sound): a helper thread does that while the
// game goes on. The next sound waits for it before it touches SDL, so that SDL
// is only ever called from one thread at a time.
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

    // SDL keeps state (its error text) for each thread that calls it. A thread
    // that SDL did not start hands it back before it ends, or it is never freed.
    void ReleaseThreadState() const {
        if (FSdl.TLSCleanup) {
            FSdl.TLSCleanup();
        }
    }

    // Closes ADevice, which no callback may use any more (it is paused).
    void CloseLater(SDL_AudioDeviceID ADevice) {
        FinishClosing();
        try {
            FClosing = std::thread([this, ADevice] {
                FSdl.CloseAudioDevice(ADevice);
                ReleaseThreadState();
            });
        } catch (const std::system_error&) {
            FSdl.CloseAudioDevice(ADevice); // no thread to be had: the game waits instead
        }
    }

    // Waits until the last device has been closed.
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

// The subsystem, started on first use.
TAudioSubsystem& AudioSubsystem() {
    static TAudioSubsystem audio;
    return audio;
}

// Hands the calling thread's SDL state back when the sound is over: sounds
// play on worker threads that end afterwards.
class TThreadStateReleased {
public:
    explicit TThreadStateReleased(const TAudioSubsystem& AAudio) : FAudio(AAudio) {}
    ~TThreadStateReleased() { FAudio.ReleaseThreadState(); }
    TThreadStateReleased(const TThreadStateReleased&) = delete;
    TThreadStateReleased& operator=(const TThreadStateReleased&) = delete;

private:
    const TAudioSubsystem& FAudio;
};

} // namespace

void PlayWaveResource(const std::string& AName) {
    const QByteArray wave = LoadResourceData(QString::fromStdString(AName));
    if (wave.isEmpty()) {
        return;
    }
    TAudioSubsystem* audio = &AudioSubsystem();
    const TThreadStateReleased released(*audio);
    if (!audio->Ready()) {
        return; // without audio the game stays silent
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
    TPlayback playback(sdl, buffer, length, wanted);
    if (!playback.Playable()) {
        return;
    }
    wanted.samples = BufferFrames(wanted.freq);
    wanted.callback = &TPlayback::Fill;
    wanted.userdata = &playback;
    const SDL_AudioDeviceID id = sdl.OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        return;
    }
    sdl.PauseAudioDevice(id, 0);
    playback.WaitUntilPlayed(playback.Length() + kStallAllowance);
    // Pausing takes the device's lock, so no callback is under way once it
    // returns and none follows: the samples can go before the device does.
    sdl.PauseAudioDevice(id, 1);
    audio->CloseLater(id);
}

std::chrono::steady_clock::time_point
LastSamplePlayed(std::chrono::steady_clock::time_point AFirstHandedOver,
                 std::chrono::steady_clock::time_point ALastHandedOver,
                 std::chrono::microseconds ALastPart, std::chrono::microseconds ALength) {
    return std::max(ALastHandedOver + ALastPart, AFirstHandedOver + ALength);
}
