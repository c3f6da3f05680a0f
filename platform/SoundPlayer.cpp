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
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Frames per device buffer: about 12 ms of sound (512 frames at 44,100 Hz),
// a power of two. Small, so that little silence follows a sound, and because
// closing a device takes about three buffers.
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
// through FillBuffer, a device buffer at a time, and the device starts to play a
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

    // Fills the next device buffer, on SDL's audio thread.
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

private:
    std::chrono::microseconds Duration(Uint32 ABytes) const {
        return std::chrono::microseconds(std::uint64_t{ABytes} * 1'000'000u / FBytesPerSecond);
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

// An open device at the format of the sounds it plays. It is its callback's
// userdata, so it stays where it is while open; its callback plays the current
// sound, set while the device is paused: pausing and unpausing take the
// device's lock, so no callback is under way meanwhile and the next one sees it.
class TDevice {
public:
    // A device for sounds of ASpec's format; nullptr when none can be had.
    static std::unique_ptr<TDevice> Open(const TSdlApi& ASdl, const SDL_AudioSpec& ASpec) {
        std::unique_ptr<TDevice> device(new TDevice(ASdl, ASpec));
        SDL_AudioSpec wanted = ASpec;
        wanted.samples = BufferFrames(ASpec.freq);
        wanted.callback = &TDevice::Fill;
        wanted.userdata = device.get();
        device->FId = ASdl.OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        return device->FId != 0 ? std::move(device) : nullptr;
    }
    // Closing waits for SDL's audio thread, which first sleeps out the buffer
    // under way and two more.
    ~TDevice() {
        if (FId != 0) {
            FSdl.CloseAudioDevice(FId);
        }
    }
    TDevice(const TDevice&) = delete;
    TDevice& operator=(const TDevice&) = delete;

    bool Plays(const SDL_AudioSpec& ASpec) const {
        return ASpec.freq == FFormat.freq && ASpec.format == FFormat.format &&
               ASpec.channels == FFormat.channels;
    }

    void Start(TPlayback& APlayback) {
        FPlayback = &APlayback;
        FSdl.PauseAudioDevice(FId, 0);
    }

    // Once this returns, no callback uses the sound any more.
    void Stop() {
        FSdl.PauseAudioDevice(FId, 1);
        FPlayback = nullptr;
    }

private:
    TDevice(const TSdlApi& ASdl, const SDL_AudioSpec& AFormat) : FSdl(ASdl), FFormat(AFormat) {}

    // The callback runs only while the device is not paused, so with a sound.
    static void SDLCALL Fill(void* ADevice, Uint8* AStream, int ALength) {
        static_cast<TDevice*>(ADevice)->FPlayback->FillBuffer(AStream,
                                                              static_cast<Uint32>(ALength));
    }

    const TSdlApi& FSdl;
    const SDL_AudioSpec FFormat;
    SDL_AudioDeviceID FId = 0;
    TPlayback* FPlayback = nullptr;
};

// How long a device stays open, paused, after its sound, for a sound that
// follows at once: the fanfare after the roll's sound starts a few
// milliseconds after it.
constexpr std::chrono::milliseconds kLinger{150};

// SDL's audio subsystem, started when the first sound plays and stopped at exit.
// A failed start is not retried: without audio the game stays silent.
//
// A device is opened at the format of its sound. Once the sound is over, it
// lingers, paused, for a sound that follows at once, which plays on it when it
// has the same format, and otherwise starts on its own device before this one
// is closed. Closing takes a few of the device's buffers; a helper thread
// closes a device that no sound took, so that no audio thread runs while the
// game is idle. A sound that comes while that thread closes waits for it before
// it touches SDL, so that SDL is only ever called from one thread at a time.
class TAudioSubsystem {
public:
    TAudioSubsystem() : FSdl(LoadSdlApi()), FReady(FSdl.Complete() && Start()) {}
    ~TAudioSubsystem() {
        TakeLingering().reset();
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

    // Keeps ADevice, paused, open for kLinger, then closes it on a helper
    // thread unless a sound has taken it.
    void Linger(std::unique_ptr<TDevice> ADevice) {
        {
            const std::lock_guard lock(FMutex);
            FLingering = std::move(ADevice);
        }
        try {
            FLingerEnd = std::thread([this] { EndLinger(); });
        } catch (const std::system_error&) {
            TakeLingering().reset(); // no thread to be had: the game waits instead
        }
    }

    // The device that the last sound left open, or nullptr when there is none
    // or it has been closed (this waits for that).
    std::unique_ptr<TDevice> TakeLingering() {
        std::unique_ptr<TDevice> device;
        {
            const std::lock_guard lock(FMutex);
            device = std::move(FLingering);
        }
        FTaken.notify_one();
        if (FLingerEnd.joinable()) {
            FLingerEnd.join();
        }
        return device;
    }

private:
    bool Start() {
        // SDL would otherwise turn SIGINT and SIGTERM into events that nobody reads.
        FSdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return FSdl.InitSubSystem(SDL_INIT_AUDIO) == 0;
    }

    // On the helper thread.
    void EndLinger() {
        std::unique_lock lock(FMutex);
        if (FTaken.wait_for(lock, kLinger, [this] { return FLingering == nullptr; })) {
            return;
        }
        std::unique_ptr<TDevice> device = std::move(FLingering);
        lock.unlock();
        device.reset();
        ReleaseThreadState();
    }

    TSdlApi FSdl;
    bool FReady;
    std::mutex FMutex;
    std::condition_variable FTaken;
    std::unique_ptr<TDevice> FLingering; // guarded by FMutex
    std::thread FLingerEnd;
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

// Plays AWave to its end, on ALast (the device the last sound left open) when
// it has the sound's format, or else on a device of its own. Returns the device
// to keep open for a sound that follows, if any.
std::unique_ptr<TDevice> Play(const TSdlApi& ASdl, const QByteArray& AWave,
                              std::unique_ptr<TDevice> ALast) {
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // SDL_LoadWAV_RW closes the reader (freesrc = 1) and fails on a null one.
    if (ASdl.LoadWAV_RW(ASdl.RWFromConstMem(AWave.constData(), static_cast<int>(AWave.size())), 1,
                        &format, &buffer, &length) == nullptr) {
        return ALast;
    }
    TPlayback playback(ASdl, buffer, length, format);
    if (!playback.Playable()) {
        return ALast;
    }
    std::unique_ptr<TDevice> device;
    if (ALast != nullptr && ALast->Plays(format)) {
        device = std::move(ALast);
    } else {
        device = TDevice::Open(ASdl, format);
        if (device == nullptr && ALast != nullptr) {
            // A device that plays one stream at a time is free once the last one is closed.
            ALast.reset();
            device = TDevice::Open(ASdl, format);
        }
        if (device == nullptr) {
            return nullptr;
        }
    }
    device->Start(playback);
    // A device of another format is closed while this sound already plays.
    ALast.reset();
    playback.WaitUntilPlayed(playback.Length() + kStallAllowance);
    device->Stop();
    return device;
}

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
    if (std::unique_ptr<TDevice> device = Play(audio->Sdl(), wave, audio->TakeLingering())) {
        audio->Linger(std::move(device));
    }
}

std::chrono::steady_clock::time_point
LastSamplePlayed(std::chrono::steady_clock::time_point AFirstHandedOver,
                 std::chrono::steady_clock::time_point ALastHandedOver,
                 std::chrono::microseconds ALastPart, std::chrono::microseconds ALength) {
    return std::max(ALastHandedOver + ALastPart, AFirstHandedOver + ALength);
}
