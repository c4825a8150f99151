#pragma once

// What screen readers are told about the game's own widgets: a screen is a window named by its
// title, a picture is an image named by what it shows, a picture without words is left out, and the
// message box is an alert whose text is read as it opens. Installed once, before the first screen.
namespace Accessibility {
void install();
}
