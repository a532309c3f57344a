// The folder chooser. The form asks through this interface so that tests answer without a person;
// the program answers with the system's folder dialog.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // The chosen folder without a trailing separator, or an empty string when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title,
                                 const QString& startFolder) = 0;
};

FolderDialog& folderDialog();
// Installs another dialog (not owned); null goes back to the Qt one.
void setFolderDialog(FolderDialog* dialog);

} // namespace toolkit
