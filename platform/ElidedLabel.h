#pragma once

#include <QLabel>

// A plain-text label that ends a text too long for its frame with "…" instead of spilling out or
// pushing its neighbours; text() still gives the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString& designerName, QWidget* parent, const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};
