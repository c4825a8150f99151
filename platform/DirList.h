#pragma once

#include <QListWidget>
#include <QString>
#include <functional>

// A list of folders for choosing one: shows the open folder and its subfolders; a double-click
// or Enter opens a subfolder, ".." goes back up, never above the root the list was given.
class DirList : public QListWidget {
    Q_OBJECT
public:
    DirList(const QString& designerName, QWidget* parent);

    // The folder the list may not leave. Setting it also opens it.
    void setRoot(const QString& root);
    // Opens a folder (kept inside the root); the list then shows its subfolders.
    void setPath(const QString& path);
    // The full path of the open folder.
    QString path() const { return path_; }

    // Opens the subfolder at this row ("..": the parent).
    void openRow(int row);

    // What the list shows for a folder's name (".." included), asked again when the language
    // changes; the folders keep their names.
    void setNamer(std::function<QString(const QString&)> namer);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    QString shown(const QString& folder) const { return namer_ ? namer_(folder) : folder; }

    std::function<QString(const QString&)> namer_;
    QString root_;
    QString path_;
};
