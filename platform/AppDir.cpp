#include "AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString FindAppDir() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(KAVGALIJA_DATA_FROM_BIN));
    if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    return QStringLiteral(KAVGALIJA_ASSETS_DIR);
}
