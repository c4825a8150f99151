#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A picture element of a screen. It remembers which file it shows, for tests; what a screen reader
// hears is its meaning in words, set by the screen. An element that shows nothing is simply blank,
// and a blank element or one without a meaning (a decoration) is left out of what it reads.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // Stretched elements fill their frame; the others show the picture at its own size.
    PictureBox(const QString& designerName, QWidget* parent, bool stretch = true);

    void setPicture(const QString& fileName, const QPixmap& pixmap);
    void clear();

    // What the picture shows, in words ("Portret: Ana", "Polje 7: kovceg"). A new picture drops
    // the old meaning, so a screen that loads a picture says what it is again.
    void setMeaning(const QString& meaning);
    QString meaning() const { return meaning_; }
    // Read by a screen reader only when it shows something that has a meaning.
    bool spoken() const { return !fileName_.isEmpty() && !meaning_.isEmpty(); }

    // The file shown, as the game named it ("sword.gif", "pozadine/3.jpg"); empty when blank.
    QString fileName() const { return fileName_; }
    const QPixmap& pixmap() const { return pixmap_; }
    bool stretches() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString fileName_;
    // Kept apart from the accessible name, which would tell screen readers of every change: the
    // board redraws a hundred and twenty pictures at each step of a walk, a flood in which a
    // screen reader drops what matters.
    QString meaning_;
    QPixmap pixmap_;
    // The picture scaled to the frame once per picture and size in a run, so a repaint is a plain
    // copy (the board shows a hundred and twenty of these).
    QPixmap scaled_;
    qint64 scaledFrom_ = 0;
    bool stretch_;
};
