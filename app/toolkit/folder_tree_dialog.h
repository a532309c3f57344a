// A modal dialog that shows the file system's folders as a tree, with the places a search starts
// from (the user's home and the file system's root) beside it, a status line under it, and OK
// and Cancel. It tells its callback when it opens and whenever the selection changes; the callback
// answers through setSelection, setStatusText and enableOk. The tree has the keyboard focus: the
// arrows move the selection, Enter is OK, Escape is Cancel.
#pragma once

#include "app/toolkit/folder_dialog.h"

#include <optional>
#include <QDialog>

class QDialogButtonBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace toolkit {

class FolderTreeDialog final : public QDialog {
    Q_OBJECT

public:
    FolderTreeDialog(QWidget* owner, const QString& title, BrowseCallbackProc callback,
                     std::intptr_t data);

    // Selects the folder, expands the tree down to it and scrolls it into view. A path that names
    // no folder leaves the selection as it was.
    void setSelection(const QString& path);
    void setStatusText(const QString& text);
    // Whether OK takes the selected folder; every change of selection enables it for a folder
    // before the callback is told, so the callback can refuse one.
    void enableOk(bool enabled);
    // The item's folder path without a trailing separator; nothing for an item that is no folder.
    std::optional<QString> pathOf(const QModelIndex& item) const;
    // The selected folder's path, or an empty string when nothing with a path is selected.
    QString selectedFolder() const;

    QLabel* heading() const { return heading_; }
    QTreeView* tree() const { return tree_; }
    // "Home" and "File System": a click selects that folder in the tree.
    QListWidget* places() const { return places_; }
    QLabel* statusLine() const { return status_; }
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void selectionChanged(const QModelIndex& current);
    void scrollToSelection();

    BrowseCallbackProc callback_;
    std::intptr_t data_;
    QFileSystemModel* model_;
    QLabel* heading_;
    QListWidget* places_;
    QTreeView* tree_;
    QLabel* status_;
    QDialogButtonBox* buttons_;
    bool initialized_ = false;
    // Set from setSelection until the user moves the selection.
    bool scrollPending_ = false;
    bool selecting_ = false;
};

} // namespace toolkit
