#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The program's command line. The language is settled first, so that --help and every complaint
// about the line come in it; --help, a mistake and an unknown language end the program there.
namespace CommandLine {

struct Options {
    // --lang given: it also wins over the remembered settings' language.
    bool languageGiven = false;
    // --seed N replays the same dice every run (for tests driving the real program).
    std::optional<uint64_t> seed;
    // --no-save keeps nothing: no saved game is read or written, no settings.
    bool keep = true;
};

// Reads the arguments (the program's name first) and speaks the language they or the desktop ask
// for.
Options read(const QStringList& arguments);

}  // namespace CommandLine
