#include "Pictures.h"

#include <QImageReader>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "PictureBox.h"

namespace {
// Our art is drawn at twice its size on screen, so it stays sharp on high-density displays.
constexpr qreal kArtScale = 2.0;
// Pictures bigger than this decoded (a fight's background is 8.9 MB) are kept one at a time:
// a fight shows one, and all fifteen kept would hold 134 MB for the rest of the run.
constexpr qint64 kLargeBytes = 4 * 1024 * 1024;

// Reads a picture file; safe on any thread.
QImage readImage(const QString& path) {
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    // Qt reads PNG itself; without this it would first load every image plugin there is to ask
    // each whether it reads PNG, a good part of the time to the first window.
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        reader.setFormat("png");
        reader.setAutoDetectImageFormat(false);
    }
    return reader.read();
}
}  // namespace

Pictures::Pictures(QString appDir) : appDir_(std::move(appDir)) {}

void Pictures::returnLargeBlocksWhenFreed() {
#ifdef __GLIBC__
    // A fixed limit also stops glibc from raising it by itself.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
}

QString Pictures::displayName(const QString& name) {
    QString n = PathResolver::normalize(name);
    while (n.startsWith(QLatin1Char('/'))) n.remove(0, 1);
    return n;
}

void Pictures::setCaching(bool on) {
    caching_ = on;
    if (on) return;
    cache_.clear();
    large_ = {};
}

const Pictures::Name& Pictures::nameOf(const QString& name) {
    auto it = names_.constFind(name);
    if (it == names_.constEnd()) {
        const QString shown = displayName(name);
        it = names_.insert(name, {shown, shown.toLower()});
    }
    return *it;
}

QPixmap Pictures::picture(const QString& name) {
    const Name& n = nameOf(name);
    if (caching_) {
        const auto it = cache_.constFind(n.key);
        if (it != cache_.constEnd()) return *it;
        if (n.key == large_.first) return large_.second;
    }
    // Whatever comes next, the last large picture goes first (a picture on show keeps its own
    // copy), so that a fight's background is never decoded beside the previous one.
    large_ = {};
    QPixmap pixmap = decode(n.shown);
    if (!caching_) return pixmap;
    if (qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8 > kLargeBytes) {
        large_ = {n.key, pixmap};
    } else {
        cache_.insert(n.key, pixmap);
    }
    return pixmap;
}

void Pictures::prefetch(const QStringList& names) {
    QHash<QString, QString> paths;  // by key; resolved here, the resolver is not for threads
    for (const QString& name : names) {
        const Name& n = nameOf(name);
        paths.insert(n.key, resolver_.resolve(appDir_ + QLatin1Char('/') + n.shown));
    }
    prefetching_ = std::async(std::launch::async, [paths] {
        QHash<QString, QImage> images;
        for (auto it = paths.cbegin(); it != paths.cend(); ++it)
            images.insert(it.key(), readImage(it.value()));
        return images;
    });
}

QPixmap Pictures::decode(const QString& shown) {
    ++decodes_;
    if (prefetching_.valid()) prefetched_ = prefetching_.get();
    QImage image = prefetched_.take(shown.toLower());
    if (image.isNull()) image = readImage(resolver_.resolve(appDir_ + QLatin1Char('/') + shown));
    if (image.isNull()) {
        if (!warned_.contains(shown.toLower())) {
            warned_.insert(shown.toLower());
            std::fprintf(stderr, "kavgalija: picture not usable: %s\n",
                         qUtf8Printable(appDir_ + QLatin1Char('/') + shown));
        }
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));  // handed over, not copied
    pixmap.setDevicePixelRatio(kArtScale);
    return pixmap;
}

void Pictures::load(PictureBox* box, const QString& name) {
    if (box == nullptr) return;
    // An unusable file still names what the element was asked to show; it just stays blank.
    box->setPicture(nameOf(name).shown, picture(name));
}
