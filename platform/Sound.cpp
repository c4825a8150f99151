#include "Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QElapsedTimer>
#include <cstdio>

namespace {
// Everything plays on one channel, so a new sound always cuts the one before.
constexpr int kChannel = 0;
// How much longer than the file itself a synchronous sound may take to report its end.
constexpr qint64 kSyncMarginMs = 250;
}  // namespace

SdlSound::~SdlSound() {
    if (state_ != State::Open) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* c : std::as_const(chunks_)) {
        if (c != nullptr) Mix_FreeChunk(c);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::hasDevice() {
    if (state_ == State::Closed) {
        state_ = State::Failed;
        // The game is a Qt program: SDL must not take over SIGINT and SIGTERM.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, AUDIO_S16SYS, 2, 1024) == 0) {
                Uint16 format = 0;
                Mix_QuerySpec(&frequency_, &format, &channels_);
                bytesPerSample_ = SDL_AUDIO_BITSIZE(format) / 8;
                Mix_AllocateChannels(1);
                state_ = State::Open;
            } else {
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            }
        }
        if (state_ == State::Failed) {
            std::fprintf(stderr, "kavgalija: no sound: %s\n", SDL_GetError());
        }
    }
    return state_ == State::Open;
}

Mix_Chunk* SdlSound::chunk(const QString& path) {
    const QString key = PathResolver::normalize(path).toLower();
    const auto it = chunks_.constFind(key);
    if (it != chunks_.constEnd()) return *it;
    const QString real = resolver_.resolve(path);
    Mix_Chunk* c = real.isEmpty() ? nullptr : Mix_LoadWAV(real.toLocal8Bit().constData());
    chunks_.insert(key, c);
    return c;
}

void SdlSound::play(const QString& path, Mode mode) {
    if (!hasDevice()) return;
    Mix_Chunk* c = chunk(path);
    if (c == nullptr) return;
    if (Mix_PlayChannel(kChannel, c, 0) < 0) return;
    if (mode == Mode::Async) return;

    const qint64 bytesPerSecond = qint64(frequency_) * channels_ * bytesPerSample_;
    const qint64 lengthMs = bytesPerSecond > 0 ? qint64(c->alen) * 1000 / bytesPerSecond : 0;
    QElapsedTimer clock;
    clock.start();
    // The players wait with the game: no input is handled until the sound has ended.
    while (Mix_Playing(kChannel) != 0 && clock.elapsed() < lengthMs + kSyncMarginMs) {
        SDL_Delay(5);
    }
    Mix_HaltChannel(kChannel);
}
