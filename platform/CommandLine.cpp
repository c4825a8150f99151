#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "Language.h"

namespace {

// Qt's own texts in the help and its complaints. Debian has no Serbian translation of Qt, so the
// game's files carry these few.
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

}  // namespace

namespace CommandLine {

Options read(const QStringList& arguments) {
    const QString langName = QStringLiteral("lang");
    // A first look for the language alone: everything the line says is said in it.
    QCommandLineParser first;
    first.addOption(QCommandLineOption(langName, QString(), QStringLiteral("LANG")));
    first.parse(arguments);
    const QString asked = first.value(langName);
    const bool known = Language::set(
        first.isSet(langName) ? asked : Language::fromDesktop(Language::desktopLanguages()));
    if (!known) Language::set(Language::fromDesktop(Language::desktopLanguages()));

    QCommandLineParser line;
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QCoreApplication::translate("CommandLine", "Isti brojevi na kocki pri svakom pokretanju."),
        QStringLiteral("N"));
    //: The codes stay as they are: they are typed after --lang.
    const QCommandLineOption lang(
        langName,
        QCoreApplication::translate("CommandLine",
                                    "Jezik: %1 (original), %2 (latinica), %3 (cirilica) ili %4.")
            .arg(Language::ORIGINAL, Language::LATIN, Language::CYRILLIC, Language::ENGLISH),
        QStringLiteral("LANG"));
    const QCommandLineOption noSave(
        QStringLiteral("no-save"),
        QCoreApplication::translate("CommandLine",
                                    "Nista se ne pamti: ni sacuvana igra ni podesavanja."));
    line.addOptions({seed, lang, noSave});
    line.addHelpOption();
    line.process(arguments);

    if (!known) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("CommandLine", "kavgalija: nepoznat jezik %1")
                           .arg(asked)));
        line.showHelp(1);
    }
    Options options;
    options.languageGiven = line.isSet(lang);
    options.keep = !line.isSet(noSave);
    if (line.isSet(seed)) {
        bool ok = false;
        options.seed = line.value(seed).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                                        "CommandLine", "kavgalija: seme mora biti ceo broj, ne %1")
                                        .arg(line.value(seed))));
            line.showHelp(1);
        }
    }
    return options;
}

}  // namespace CommandLine
