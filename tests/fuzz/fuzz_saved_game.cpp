// libFuzzer target for the saved game's reader: it must never crash, and whatever it accepts must
// be a game in progress that it writes and reads back the same.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "game/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto game = Game::FromJson(json);
    if (game) {
        const QByteArray written = Game::ToJson(*game);
        const auto again = Game::FromJson(written);
        if (!Game::InProgress(game->record) || !again || Game::ToJson(*again) != written)
            std::abort();
    }
    return 0;
}
