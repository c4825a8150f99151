#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const QString& designerName, QWidget* parent, bool stretch)
    : QWidget(parent), stretch_(stretch) {
    setObjectName(designerName);
    setAccessibleName(designerName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QString& fileName, const QPixmap& pixmap) {
    fileName_ = fileName;
    pixmap_ = pixmap;
    setAccessibleDescription(fileName);
    update();
}

void PictureBox::clear() { setPicture(QString(), QPixmap()); }

void PictureBox::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_) {
        painter.drawPixmap(rect(), pixmap_);
    } else {
        painter.drawPixmap(QPoint(0, 0), pixmap_);
    }
}
