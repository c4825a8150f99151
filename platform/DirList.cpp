#include "DirList.h"

#include <qapplicationstatic.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include "PathResolver.h"

namespace {
const QString kUp = QStringLiteral("..");

// The same icons for every list of a run: each new icon's pixmaps are cached under new keys, and
// Qt never frees the keys of pixmaps dropped from its cache, so icons made per list pile up.
struct FolderIcons {
    QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    QIcon up = QApplication::style()->standardIcon(QStyle::SP_FileDialogToParent);
    QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
};
Q_APPLICATION_STATIC(FolderIcons, folderIcons)

QString clean(const QString& path) {
    return QDir::cleanPath(PathResolver::normalize(path));
}
}  // namespace

DirList::DirList(const QString& designerName, QWidget* parent) : QListWidget(parent) {
    setObjectName(designerName);
    setAccessibleName(designerName);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

void DirList::setRoot(const QString& root) {
    root_ = clean(root);
    setPath(root_);
}

void DirList::setPath(const QString& path) {
    const QString p = clean(path);
    const bool inside = root_.isEmpty() || p == root_ || p.startsWith(root_ + QLatin1Char('/'));
    path_ = inside ? p : root_;
    // The theme open, by name; the list's own folder says nothing, and a path never.
    setAccessibleDescription(path_ == root_ ? QString() : shown(QFileInfo(path_).fileName()));
    refresh();
}

void DirList::setNamer(std::function<QString(const QString&)> namer) {
    namer_ = std::move(namer);
    setPath(path_);
}

void DirList::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !namer_) return;
    const int row = currentRow();
    setPath(path_);
    if (row >= 0) setCurrentRow(row);
}

void DirList::openRow(int row) {
    const QListWidgetItem* it = item(row);
    if (it == nullptr || !(it->flags() & Qt::ItemIsEnabled)) return;
    const QString name = it->data(Qt::UserRole).toString();
    if (name.isEmpty()) return;
    if (name == kUp) {
        setPath(QFileInfo(path_).path());
    } else {
        setPath(path_ + QLatin1Char('/') + name);
    }
    // The keyboard stays on the folder just opened, so a screen reader names it.
    selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void DirList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        openRow(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirList::refresh() {
    clear();
    // The open folder heads the list, as a folder tree would show it.
    auto* open = new QListWidgetItem(folderIcons->open, shown(QFileInfo(path_).fileName()), this);
    QFont bold = font();
    bold.setBold(true);
    open->setFont(bold);
    open->setFlags(Qt::ItemIsEnabled);
    if (path_ != root_) {
        auto* up = new QListWidgetItem(folderIcons->up, shown(kUp), this);
        up->setData(Qt::UserRole, kUp);
    }
    const QStringList dirs =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& d : dirs) {
        auto* sub = new QListWidgetItem(folderIcons->folder, shown(d), this);
        sub->setData(Qt::UserRole, d);
    }
}
