#pragma once

struct Context;

// Tells the screen service how to create each of the game's windows.
void RegisterScreens(Context& ctx);
