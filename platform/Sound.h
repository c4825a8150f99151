#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "PathResolver.h"

struct Mix_Chunk;

// Plays the game's WAV files by full path. A missing or unreadable file plays nothing. The
// players may turn the sound off or softer for the run; off plays nothing at all.
class Sound : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Async,  // the game goes on; a new sound cuts the one playing
        Sync,   // returns when the sound has ended
    };
    static constexpr int MAX_VOLUME = 100;

    void play(const QString& path, Mode mode) {
        if (on_ && volume_ > 0) output(path, mode);
    }

    bool isOn() const { return on_; }
    // 0..MAX_VOLUME.
    int volume() const { return volume_; }
    void setOn(bool on);
    void setVolume(int volume);

signals:
    // Sound was turned on or off, or made louder or softer.
    void levelChanged();

protected:
    // Plays the file at volume().
    virtual void output(const QString& path, Mode mode) = 0;
    // A sound that is playing follows the new level: softer, louder, or cut off.
    virtual void applyLevel() {}

private:
    bool on_ = true;
    int volume_ = MAX_VOLUME;
};

// SDL2_mixer: loads a WAV at once and knows when it has ended. Opens the audio device only when
// the first sound is played; without a device every sound is silent and returns at once.
class SdlSound : public Sound {
public:
    SdlSound() = default;
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Whether an audio device could be opened (opens it on the first call).
    bool hasDevice();

protected:
    void output(const QString& path, Mode mode) override;
    void applyLevel() override;

private:
    Mix_Chunk* chunk(const QString& path);

    enum class State { Closed, Open, Failed } state_ = State::Closed;
    int frequency_ = 0;
    int channels_ = 0;
    int bytesPerSample_ = 0;
    PathResolver resolver_;
    QHash<QString, Mix_Chunk*> chunks_;
};
