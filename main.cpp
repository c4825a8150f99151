#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include "game/Random.h"
#include "platform/App.h"
#include "platform/AppDir.h"
#include "platform/CommandLine.h"
#include "platform/Context.h"
#include "platform/Dialogs.h"
#include "platform/Keeping.h"
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

    const CommandLine::Options options = CommandLine::read(QApplication::arguments());

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
    StdRandom random(options.seed);
    QtApp app;
    Context ctx{gs, screens, pictures, dialogs, sound, random, app, appDir};
    RegisterScreens(ctx);
    ComputerSeats computers(ctx);
    dialogs.followPace(ctx);

    // The game in progress and the player's choices, kept where the desktop keeps such things.
    const bool keep = options.keep;
    SaveFile saveFile(keep ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           : QString());
    KeptSettings settings(
        keep ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                   QStringLiteral("/settings.ini")
             : QString(),
        sound, &ctx);
    const bool settingsRead = settings.apply(!options.languageGiven);
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
