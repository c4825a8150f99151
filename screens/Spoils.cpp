#include "Spoils.h"

#include <QCoreApplication>

QString SpoilsYes() {
    //: The one answer to the spoils' questions that takes them.
    return QCoreApplication::translate("borba", "da");
}

bool SaysYes(const QString& answer) {
    return answer == QStringLiteral("da") || answer == SpoilsYes();
}
