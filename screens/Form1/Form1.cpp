#include "Form1.h"

#include <QLabel>

Form1::Form1(Context& c) : Screen(c, ScreenId::Form1) {
    setWindowTitle(QStringLiteral("Form1"));
    Label2 = new QLabel(this);
}
