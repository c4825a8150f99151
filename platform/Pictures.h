#pragma once

#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <future>
#include <utility>

#include "PathResolver.h"

class PictureBox;

// Loads the game's pictures from the application directory. Names come as the game writes them
// ("\sword.gif", "sword.gif", "\pozadine\3.jpg"); each file is decoded once per run and shared,
// but for large ones, of which only the last asked for is kept, until the next decode.
// A missing or unreadable file gives a blank element and one warning line, never an error.
class Pictures {
public:
    explicit Pictures(QString appDir);

    // Puts the named picture into the element, or leaves it blank when the file is unusable.
    void load(PictureBox* box, const QString& name);
    // The decoded picture; a null pixmap when the file is missing or unreadable.
    QPixmap picture(const QString& name);
    // Starts decoding these pictures on another thread, so the first window's pictures are ready
    // by the time it asks for them, decoded while the program sets up the rest.
    void prefetch(const QStringList& names);

    // Takes the memory of large blocks (decoded pictures, which come and go with every fight)
    // from the system and gives it back when they are freed. Left to itself the allocator keeps
    // such blocks in its heap once the first is freed, and there they fragment it: the soak's
    // resident memory grew by megabytes every thousand games. For the whole process; the game
    // and the soak call it once, first.
    static void returnLargeBlocksWhenFreed();

    // The name as elements report it: slashes, no leading separator.
    static QString displayName(const QString& name);

    const QString& appDir() const { return appDir_; }
    // How many times a file was read and decoded (the cache makes it once per file).
    int decodeCount() const { return decodes_; }
    // With caching off every load decodes the file again (kept for measuring the cache).
    void setCaching(bool on);

private:
    // A name as elements report it, and its key in the cache (any case).
    struct Name {
        QString shown;
        QString key;
    };
    // Worked out once per name: the board asks for its hundred and twenty at every refresh.
    const Name& nameOf(const QString& name);
    QPixmap decode(const QString& shown);

    QString appDir_;
    PathResolver resolver_;
    QHash<QString, Name> names_;
    std::future<QHash<QString, QImage>> prefetching_;  // by key
    QHash<QString, QImage> prefetched_;
    QHash<QString, QPixmap> cache_;
    std::pair<QString, QPixmap> large_;  // the one large picture kept, by key
    QSet<QString> warned_;
    bool caching_ = true;
    int decodes_ = 0;
};
