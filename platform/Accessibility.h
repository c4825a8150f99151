#pragma once

#include <functional>

class QString;
class QWidget;

// What screen readers are told about the game's own widgets: a screen is a window named by its
// title, a picture is an image named by what it shows, a picture without words is left out, and the
// message box is an alert whose text is read as it opens. Installed once, before the first screen.
namespace Accessibility {
void install();

// Says a sentence through the screen reader as something happens on a screen ("Ana ima 1 od 100
// zlatnika."). Qt has no announcement of its own here, so the sentence appears as a notification
// in the screen, which screen readers read as it appears. When the screen does not have the focus
// yet (it is opening, or a box over it is closing) the sentence waits until it has, so that it
// follows what the screen reader says of the focus.
void announce(QWidget* screen, const QString& sentence);
// The same for a screen about to close: the sentence is said in whichever window gets the focus
// next, before anything that window has to say.
void announceOnNextWindow(const QString& sentence);
// The one sentence for a player's gold, said whenever it changes: "Ana ima 1 od 100 zlatnika."
void announceGold(QWidget* screen, const QString& player, int gold, int goldToWin);
QString goldSentence(const QString& player, int gold, int goldToWin);

// Keeps a sentence the players were told (a box's text) to be heard again; every sentence
// announced is kept so too.
void remember(const QString& sentence);
// Says again what the game said last; said again before anything new, it steps one sentence
// further back each time.
void repeat(QWidget* screen);

// Told of every sentence as the game says it, before it waits for any focus: the screen it was
// said on, or nullptr for one left for the next window. For recording what a game says; none by
// default.
using Listener = std::function<void(const QWidget* screen, const QString& sentence)>;
void setListener(Listener listener);
}  // namespace Accessibility
