#pragma once

#include <QHash>
#include <QString>

#include "PathResolver.h"

struct Mix_Chunk;

// Plays the game's WAV files by full path. A missing or unreadable file plays nothing.
class Sound {
public:
    enum class Mode {
        Async,  // the game goes on; a new sound cuts the one playing
        Sync,   // returns when the sound has ended
    };
    virtual ~Sound() = default;
    virtual void play(const QString& path, Mode mode) = 0;
};

// SDL2_mixer: loads a WAV at once and knows when it has ended. Opens the audio device only when
// the first sound is played; without a device every sound is silent and returns at once.
class SdlSound : public Sound {
public:
    SdlSound() = default;
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void play(const QString& path, Mode mode) override;

    // Whether an audio device could be opened (opens it on the first call).
    bool hasDevice();

private:
    Mix_Chunk* chunk(const QString& path);

    enum class State { Closed, Open, Failed } state_ = State::Closed;
    int frequency_ = 0;
    int channels_ = 0;
    int bytesPerSample_ = 0;
    PathResolver resolver_;
    QHash<QString, Mix_Chunk*> chunks_;
};
