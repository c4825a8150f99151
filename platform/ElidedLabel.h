#pragma once

#include <QColor>
#include <QLabel>

// A plain-text label that ends a text too long for its frame with "…" instead of spilling out or
// pushing its neighbours; text() still gives the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString& designerName, QWidget* parent, const QRect& geometry);

    // Draws the text in this colour instead of the style sheet's. Changing it costs no style-sheet
    // re-polish, for a colour that changes at every turn.
    void setTextColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};
