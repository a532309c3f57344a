#include "app/toolkit/folder_dialog.h"

#include "app/toolkit/folder_tree_dialog.h"

#include <QPointer>

namespace toolkit {

namespace {

class TreeFolderDialog final : public FolderDialog {
public:
    QString browse(const BrowseInfo& info) override {
        // On the heap with its owner as parent: should the owner go while the dialog runs, it
        // takes the dialog with it and the answer is a cancel.
        QPointer<FolderTreeDialog> dialog =
            new FolderTreeDialog(info.owner, info.title, info.callback, info.data);
        const bool accepted = dialog->exec() == QDialog::Accepted;
        if (!dialog)
            return QString();
        const QString chosen = accepted ? dialog->selectedFolder() : QString();
        delete dialog;
        return chosen;
    }
};

FolderDialog* installed = nullptr;

} // namespace

FolderDialog& folderDialog() {
    static TreeFolderDialog treeDialog;
    return installed ? *installed : treeDialog;
}

void setFolderDialog(FolderDialog* dialog) {
    installed = dialog;
}

} // namespace toolkit
