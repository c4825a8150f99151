#include "PathResolver.h"

#include <QDir>
#include <QFileInfo>

QString PathResolver::normalize(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.contains(QStringLiteral("//"))) p.replace(QStringLiteral("//"), QStringLiteral("/"));
    return p;
}

QString PathResolver::resolve(const QString& path) const {
    const QString p = normalize(path);
    if (p.isEmpty()) return {};
    if (QFileInfo::exists(p)) return p;

    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = p.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& part : parts) {
        const QString exact =
            current == QStringLiteral("/") ? current + part : current + '/' + part;
        if (part == QStringLiteral(".") || part == QStringLiteral("..") ||
            QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        auto it = index_.find(current);
        if (it == index_.end()) {
            QHash<QString, QString> names;
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& name : entries) names.insert(name.toLower(), name);
            it = index_.insert(current, names);
        }
        const auto found = it->find(part.toLower());
        if (found == it->end()) return {};
        current = current == QStringLiteral("/") ? current + *found : current + '/' + *found;
    }
    return current;
}
