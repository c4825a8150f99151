#include "App.h"

#include <QCoreApplication>

void QtApp::quit() {
    quitting_ = true;
    // exit() rather than quit(): quit() would first ask every window to close.
    QCoreApplication::exit(0);
}
