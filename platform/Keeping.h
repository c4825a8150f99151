#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "game/SavedGame.h"

class Random;
struct Context;
class Sound;

// The game in progress, kept in a file between runs: written whole or not at all, so a crash or
// a power cut mid-write leaves the previous save as it was.
class SaveFile {
public:
    // The save in `folder` (the data location); an empty folder keeps nothing (--no-save).
    explicit SaveFile(const QString& folder);

    bool keeps() const { return !path_.isEmpty(); }
    QString path() const { return path_; }
    bool exists() const;
    // Writes a game (as Game::ToJson gives it). False when it could not be written; the previous
    // save then stays as it was.
    bool write(const QByteArray& game);
    // The saved game. A file that cannot be read, or holds a game that could not be, is moved
    // aside (its name followed by ".bad-" and the time) and `unreadable` set; nothing else is
    // written.
    std::optional<Game::SavedGame> read(bool* unreadable = nullptr);
    void remove();

private:
    QString path_;
};

// Writes the game whenever a step of it has been played out: once the event loop has done what a
// press asked for (a box waiting for an answer included) and the game differs from what was last
// written. A victory ends the saved game; nothing is written outside a game.
class AutoSave : public QObject {
    Q_OBJECT
public:
    AutoSave(SaveFile& file, const GameState& gs, const Random& dice, const Game::Log& log);
    // Writes the game now if it has changed.
    void check();

private:
    SaveFile& file_;
    const GameState& gs_;
    const Random& dice_;
    const Game::Log& log_;
    // What was written last: the record and the dice (without the log), and the log's revision.
    QByteArray record_;
    quint64 logRevision_ = 0;
};

// Moves a file that cannot be read aside, next to where it was; returns the new name.
QString KeepAside(const QString& path);

// The player's choices kept between runs: the language, the sound on or off, the volume, and
// (given the context) the computer players' pace. Nothing kept means the original: Serbian in
// Latin letters, sound on, full volume, the normal pace.
class KeptSettings : public QObject {
    Q_OBJECT
public:
    // The settings in `file` (in the config location); an empty name keeps nothing.
    KeptSettings(const QString& file, Sound& sound, Context* ctx = nullptr);
    ~KeptSettings() override;

    // Applies what was kept, the language only when `language` is true (the command line's
    // wins). False when the file could not be read: it is moved aside and nothing is applied.
    // From then on every change of those choices is kept.
    bool apply(bool language);
    // What the player is told of settings that could not be read.
    static QString unreadable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void store();

    QString file_;
    Sound& sound_;
    Context* ctx_;
    bool watching_ = false;
};
