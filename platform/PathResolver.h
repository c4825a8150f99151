#pragma once

#include <QHash>
#include <QString>

// Finds files named the way the game names them: "\" or "/" as separators, letter case ignored.
class PathResolver {
public:
    // The real path of an existing file or folder, or an empty text when there is none.
    QString resolve(const QString& path) const;

    // Backslashes become slashes and doubled separators collapse.
    static QString normalize(const QString& path);

private:
    // Folder -> (lower-case name -> real name), read once per folder.
    mutable QHash<QString, QHash<QString, QString>> index_;
};
