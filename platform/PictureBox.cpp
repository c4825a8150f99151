#include "PictureBox.h"

#include <QPainter>
#include <QPixmapCache>

PictureBox::PictureBox(const QString& designerName, QWidget* parent, bool stretch)
    : QWidget(parent), stretch_(stretch) {
    setObjectName(designerName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QString& fileName, const QPixmap& pixmap) {
    // The board sets every picture at every refresh; only a change is painted again.
    if (fileName == fileName_ && pixmap.cacheKey() == pixmap_.cacheKey()) return;
    pixmap_ = pixmap;
    if (pixmap.isNull()) scaled_ = QPixmap();
    if (fileName != fileName_) meaning_.clear();
    fileName_ = fileName;
    update();
}

void PictureBox::setMeaning(const QString& meaning) {
    meaning_ = meaning;
}

void PictureBox::clear() {
    setPicture(QString(), QPixmap());
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    if (!stretch_) {
        painter.drawPixmap(QPoint(0, 0), pixmap_);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize target = size() * ratio;
    if (scaled_.isNull() || scaledFrom_ != pixmap_.cacheKey() || scaled_.size() != target) {
        // Shared by every element of that size: a token that moves finds its picture scaled.
        const QString key = QStringLiteral("PictureBox:%1:%2x%3@%4")
                                .arg(pixmap_.cacheKey())
                                .arg(target.width())
                                .arg(target.height())
                                .arg(ratio);
        if (!QPixmapCache::find(key, &scaled_)) {
            scaled_ = pixmap_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled_.setDevicePixelRatio(ratio);
            QPixmapCache::insert(key, scaled_);
        }
        scaledFrom_ = pixmap_.cacheKey();
    }
    painter.drawPixmap(QPoint(0, 0), scaled_);
}
