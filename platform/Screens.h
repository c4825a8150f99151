#pragma once

#include <QMap>
#include <QPointer>
#include <functional>

#include "ScreenId.h"

class Screen;

// Shows, hides, loads and unloads the game's windows.
class Screens {
public:
    using Factory = std::function<Screen*()>;

    Screens() = default;
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    void registerScreen(ScreenId id, Factory factory);

    // Creates the screen and runs its Form_Load, unless it is loaded already. Returns the screen
    // (which Form_Load may already have unloaded again).
    Screen* load(ScreenId id);
    template <typename T>
    T* get(ScreenId id) {
        return static_cast<T*>(load(id));
    }
    // Loads if needed, then makes the screen visible and brings it to the front.
    void show(ScreenId id);
    // Makes the screen invisible; it keeps its state.
    void hide(ScreenId id);
    // Discards the screen; its next showing loads it anew. Safe from inside a handler still
    // running on that screen: the window disappears now, the object goes when control is back in
    // the event loop, and nothing touches it after.
    void unload(ScreenId id);

    bool isLoaded(ScreenId id) const;
    bool isVisible(ScreenId id) const;
    // The loaded screen, or nullptr.
    Screen* loaded(ScreenId id) const;
    template <typename T>
    T* loadedAs(ScreenId id) const {
        return static_cast<T*>(loaded(id));
    }

    // Unloads every screen (used when the program or a test ends).
    void unloadAll();

private:
    QMap<ScreenId, Factory> factories_;
    QMap<ScreenId, QPointer<Screen>> loaded_;
};
