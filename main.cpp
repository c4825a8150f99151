#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "game/Random.h"
#include "platform/App.h"
#include "platform/AppDir.h"
#include "platform/Context.h"
#include "platform/Dialogs.h"
#include "platform/Keeping.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "platform/SoundKey.h"
#include "platform/Ui.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "screens/Form2/Form2.h"
#include "state/GameState.h"

int main(int argc, char* argv[]) {
    Pictures::returnLargeBlocksWhenFreed();
    QApplication application(argc, argv);
    // No display name: Qt would add it to every window title, and each screen has its own.
    QApplication::setApplicationName(QStringLiteral("kavgalija"));
    // The game decides when it ends; a window closing never ends it by accident.
    QApplication::setQuitOnLastWindowClosed(false);

    // --seed N replays the same dice every run (for tests driving the real program).
    QCommandLineParser options;
    const QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("Fixed seed of the dice."), QStringLiteral("N"));
    options.addOption(seedOption);
    // --lang picks the language over the desktop's: sr (the original), sr-Cyrl or en.
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QStringLiteral("Language: %1 (the original), %2 or %3.")
            .arg(Language::ORIGINAL, Language::CYRILLIC, Language::ENGLISH),
        QStringLiteral("LANG"));
    options.addOption(langOption);
    // --no-save keeps nothing: no saved game is read or written, no settings.
    const QCommandLineOption noSaveOption(
        QStringLiteral("no-save"),
        QStringLiteral("Keep nothing between runs: no saved game, no remembered settings."));
    options.addOption(noSaveOption);
    options.addHelpOption();
    options.process(application);
    const QString language = options.isSet(langOption)
                                 ? options.value(langOption)
                                 : Language::fromDesktop(Language::desktopLanguages());
    if (!Language::set(language)) {
        std::fprintf(stderr, "kavgalija: unknown language %s\n", qPrintable(language));
        options.showHelp(1);
    }
    std::optional<uint64_t> seed;
    if (options.isSet(seedOption)) {
        bool ok = false;
        seed = options.value(seedOption).toULongLong(&ok);
        if (!ok) options.showHelp(1);
    }

    const QString appDir = FindAppDir();
    Pictures pictures(appDir);
    // The title's pictures decode on another core while the fonts are registered.
    pictures.prefetch(Form2::pictureNames());
    // Only what the title window needs comes before it: the upright faces of the game's font.
    // The icon and the other faces follow as soon as the event loop runs.
    Ui::installFirstFonts(appDir);

    GameState gs;
    Screens screens;
    QtDialogs boxes;
    ComputerDialogs dialogs(boxes, gs, screens);
    SdlSound sound;
    const SoundKey soundKey(sound);
    StdRandom random(seed);
    QtApp app;
    Context ctx{gs, screens, pictures, dialogs, sound, random, app, appDir};
    RegisterScreens(ctx);
    ComputerSeats computers(ctx);
    dialogs.followPace(ctx);

    // The game in progress and the player's choices, kept where the desktop keeps such things.
    const bool keep = !options.isSet(noSaveOption);
    SaveFile saveFile(keep ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           : QString());
    KeptSettings settings(
        keep ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                   QStringLiteral("/settings.ini")
             : QString(),
        sound, &ctx);
    const bool settingsRead = settings.apply(!options.isSet(langOption));
    ctx.saveFile = &saveFile;
    const AutoSave autoSave(saveFile, gs, random, ctx.log);

    Flow::OpenTitle(ctx);
    if (!settingsRead) dialogs.message(KeptSettings::unreadable());
    QTimer::singleShot(0, [&appDir] {
        QApplication::setWindowIcon(QIcon(appDir + QStringLiteral("/ui/icon-256.png")));
        Ui::installOtherFonts(appDir);
    });
    const int code = QApplication::exec();
    screens.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
