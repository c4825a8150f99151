#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class PictureBox;

// Small helpers for laying out the game's windows the way their designs place the controls.
namespace Ui {

// Design coordinates come in twips (1/1440 inch, 15 to a pixel at 96 dots per inch).
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}
inline QRect twips(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The game's golden buttons, as a style sheet for a screen to add to its own.
QString buttonStyle();

// The game's lettering: "Comic Sans MS", which the game maps to its own look-alike font; in
// Cyrillic, Andika.
QFont gameFont(int pointSize, bool bold = false);
// Letters every open window's game lettering anew for the language now spoken.
void reletter();

// A label that shows its text as plain text, never as markup.
QLabel* label(QWidget* parent, const QString& designerName, const QString& text,
              const QRect& geometry);
QPushButton* button(QWidget* parent, const QString& designerName, const QString& caption,
                    const QRect& geometry);
PictureBox* picture(QWidget* parent, const QString& designerName, const QRect& geometry,
                    bool stretch = true);

// What a player's portrait says to a screen reader.
QString portraitOf(const QString& player);

// Shows the element's picture in its own proportions, centred in the slot; a blank one keeps it.
void fitInto(PictureBox* box, const QRect& slot);
// A framed panel (object name "panel", for style sheets) a little larger than the slot.
QFrame* panel(QWidget* parent, const QRect& slot);

// Maps "Comic Sans MS" onto Comic Neue: the system's, or the copy in the application directory.
void installGameFonts(const QString& appDir);
// The same in two halves: the upright regular and bold faces every screen uses, which the first
// window needs, and the rest (italic, light), which can wait until it is up.
void installFirstFonts(const QString& appDir);
void installOtherFonts(const QString& appDir);

}  // namespace Ui
