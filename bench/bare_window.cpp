// The yardstick for start-up and memory: a Qt Widgets program that shows one empty window.
//
//   bare_window [--quit-after MS]

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    if (argc == 3 && std::strcmp(argv[1], "--quit-after") == 0)
        QTimer::singleShot(std::atoi(argv[2]), &app, &QApplication::quit);
    return QApplication::exec();
}
