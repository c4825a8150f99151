#include "ElidedLabel.h"

#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(const QString& designerName, QWidget* parent, const QRect& geometry)
    : QLabel(parent) {
    setObjectName(designerName);
    setTextFormat(Qt::PlainText);
    setGeometry(geometry);
}

void ElidedLabel::setTextColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    QPalette colors = palette();
    if (color_.isValid()) colors.setColor(foregroundRole(), color_);
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), colors, isEnabled(),
                          shown, foregroundRole());
}
