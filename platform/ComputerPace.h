#pragma once

struct Context;

// How quickly the computer players act, as the options set it: normal (a pause before each
// press that lets the table follow), fast, or at once (no pause, and a turn's boxes that no
// person has to answer close as soon as they open; the log keeps what they said).
enum class ComputerPace { Normal, Fast, AtOnce };

inline constexpr int kFastPauseMs = 250;

// The pace the context's pause stands for: a pause shorter than the normal one is fast, none at
// all is at once.
ComputerPace PaceOf(const Context& ctx);
// Sets the pause and the boxes' reading time, and tells whoever keeps the settings.
void SetComputerPace(Context& ctx, ComputerPace pace);
