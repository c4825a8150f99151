// The floor for start-up of a window that draws text in the game's own font: one window with one
// label in that font, which it finds and registers as the game does.
//
//   font_window [--quit-after MS]

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "platform/AppDir.h"
#include "platform/Ui.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Ui::installFirstFonts(FindAppDir());
    QWidget window;
    window.resize(640, 480);
    QLabel label(QStringLiteral("KAVGALIJA!"), &window);
    label.setFont(Ui::gameFont(40, true));
    label.setGeometry(0, 90, 640, 70);
    window.show();
    if (argc == 3 && std::strcmp(argv[1], "--quit-after") == 0)
        QTimer::singleShot(std::atoi(argv[2]), &app, &QApplication::quit);
    return QApplication::exec();
}
