#include "app/toolkit/folder_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace toolkit {

namespace {

class QtFolderDialog final : public FolderDialog {
public:
    QString chooseFolder(QWidget* parent, const QString& title,
                         const QString& startFolder) override {
        const QString folder = QFileDialog::getExistingDirectory(parent, title, startFolder);
        if (folder.isEmpty())
            return folder;
        // cleanPath drops a trailing separator; only the root keeps its one.
        return QDir::cleanPath(folder);
    }
};

FolderDialog* installed = nullptr;

} // namespace

FolderDialog& folderDialog() {
    static QtFolderDialog qtDialog;
    return installed ? *installed : qtDialog;
}

void setFolderDialog(FolderDialog* dialog) {
    installed = dialog;
}

} // namespace toolkit
