#include "Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QElapsedTimer>
#include <cstdio>

namespace {
// SDL and its mixer drag some forty libraries in with them; loading them only when the first sound
// plays keeps them out of the game's start.
struct Sdl {
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&::SDL_GetError) GetError = nullptr;
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_Delay) Delay = nullptr;
    decltype(&::SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&::Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&::Mix_QuerySpec) QuerySpec = nullptr;
    decltype(&::Mix_AllocateChannels) AllocateChannels = nullptr;
    decltype(&::Mix_HaltChannel) HaltChannel = nullptr;
    decltype(&::Mix_FreeChunk) FreeChunk = nullptr;
    decltype(&::Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
    decltype(&::Mix_Playing) Playing = nullptr;
    decltype(&::Mix_Volume) Volume = nullptr;
};

template <typename F>
bool bind(void* lib, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(lib, name));
    return f != nullptr;
}

// The loaded functions, or null when the libraries are not on this system.
const Sdl* sdl() {
    static const Sdl* loaded = [] {
        static Sdl s;
        void* core = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (core == nullptr || mixer == nullptr) {
            std::fprintf(stderr, "kavgalija: no sound: %s\n", dlerror());
            return static_cast<const Sdl*>(nullptr);
        }
        const bool ok = bind(core, "SDL_InitSubSystem", s.InitSubSystem) &&
                        bind(core, "SDL_QuitSubSystem", s.QuitSubSystem) &&
                        bind(core, "SDL_GetError", s.GetError) &&
                        bind(core, "SDL_SetHint", s.SetHint) && bind(core, "SDL_Delay", s.Delay) &&
                        bind(core, "SDL_RWFromFile", s.RWFromFile) &&
                        bind(mixer, "Mix_OpenAudio", s.OpenAudio) &&
                        bind(mixer, "Mix_QuerySpec", s.QuerySpec) &&
                        bind(mixer, "Mix_AllocateChannels", s.AllocateChannels) &&
                        bind(mixer, "Mix_HaltChannel", s.HaltChannel) &&
                        bind(mixer, "Mix_FreeChunk", s.FreeChunk) &&
                        bind(mixer, "Mix_CloseAudio", s.CloseAudio) &&
                        bind(mixer, "Mix_LoadWAV_RW", s.LoadWAV_RW) &&
                        bind(mixer, "Mix_PlayChannelTimed", s.PlayChannelTimed) &&
                        bind(mixer, "Mix_Playing", s.Playing) &&
                        bind(mixer, "Mix_Volume", s.Volume);
        if (!ok) std::fprintf(stderr, "kavgalija: no sound: SDL_mixer lacks a function\n");
        return ok ? static_cast<const Sdl*>(&s) : nullptr;
    }();
    return loaded;
}

// Everything plays on one channel, so a new sound always cuts the one before.
constexpr int kChannel = 0;
// How much longer than the file itself a synchronous sound may take to report its end.
constexpr qint64 kSyncMarginMs = 250;
}  // namespace

void Sound::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    applyLevel();
    emit levelChanged();
}

void Sound::setVolume(int volume) {
    volume = qBound(0, volume, MAX_VOLUME);
    if (volume == volume_) return;
    volume_ = volume;
    applyLevel();
    emit levelChanged();
}

SdlSound::~SdlSound() {
    if (state_ != State::Open) return;
    const Sdl& s = *sdl();
    s.HaltChannel(-1);
    for (Mix_Chunk* c : std::as_const(chunks_)) {
        if (c != nullptr) s.FreeChunk(c);
    }
    s.CloseAudio();
    s.QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::hasDevice() {
    if (state_ == State::Closed) {
        state_ = State::Failed;
        const Sdl* s = sdl();
        if (s == nullptr) return false;
        // The game is a Qt program: SDL must not take over SIGINT and SIGTERM.
        s->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (s->InitSubSystem(SDL_INIT_AUDIO) == 0) {
            if (s->OpenAudio(MIX_DEFAULT_FREQUENCY, AUDIO_S16SYS, 2, 1024) == 0) {
                Uint16 format = 0;
                s->QuerySpec(&frequency_, &format, &channels_);
                bytesPerSample_ = SDL_AUDIO_BITSIZE(format) / 8;
                s->AllocateChannels(1);
                state_ = State::Open;
            } else {
                s->QuitSubSystem(SDL_INIT_AUDIO);
            }
        }
        if (state_ == State::Failed) {
            std::fprintf(stderr, "kavgalija: no sound: %s\n", s->GetError());
        }
    }
    return state_ == State::Open;
}

Mix_Chunk* SdlSound::chunk(const QString& path) {
    const QString key = PathResolver::normalize(path).toLower();
    const auto it = chunks_.constFind(key);
    if (it != chunks_.constEnd()) return *it;
    const QString real = resolver_.resolve(path);
    const Sdl& s = *sdl();
    Mix_Chunk* c = real.isEmpty()
                       ? nullptr
                       : s.LoadWAV_RW(s.RWFromFile(real.toLocal8Bit().constData(), "rb"), 1);
    chunks_.insert(key, c);
    return c;
}

void SdlSound::applyLevel() {
    if (state_ != State::Open) return;
    const Sdl& s = *sdl();
    if (!isOn()) s.HaltChannel(kChannel);
    s.Volume(kChannel, volume() * MIX_MAX_VOLUME / MAX_VOLUME);
}

void SdlSound::output(const QString& path, Mode mode) {
    if (!hasDevice()) return;
    const Sdl& s = *sdl();
    Mix_Chunk* c = chunk(path);
    if (c == nullptr) return;
    s.Volume(kChannel, volume() * MIX_MAX_VOLUME / MAX_VOLUME);
    if (s.PlayChannelTimed(kChannel, c, 0, -1) < 0) return;
    if (mode == Mode::Async) return;

    const qint64 bytesPerSecond = qint64(frequency_) * channels_ * bytesPerSample_;
    const qint64 lengthMs = bytesPerSecond > 0 ? qint64(c->alen) * 1000 / bytesPerSecond : 0;
    QElapsedTimer clock;
    clock.start();
    // The players wait with the game: no input is handled until the sound has ended.
    while (s.Playing(kChannel) != 0 && clock.elapsed() < lengthMs + kSyncMarginMs) {
        s.Delay(5);
    }
    s.HaltChannel(kChannel);
}
