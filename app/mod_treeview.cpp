#include "app/mod_treeview.h"

#include "app/settings_file.h"
#include "app/toolkit/folder_tree_dialog.h"

#include <QCoreApplication>

namespace modTreeview {

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    browseStartFolder = startFolder;
    toolkit::BrowseInfo info;
    info.owner = owner;
    info.title = title;
    info.callback = BrowseCallback;
    const QString chosen = toolkit::folderDialog().browse(info);
    // The callback keeps OK from taking such a folder; a dialog without it is answered the same.
    return fitsSettingsLine(chosen) ? chosen : QString();
}

std::int32_t BrowseCallback(toolkit::FolderTreeDialog& dialog, unsigned message,
                            const QModelIndex& item, std::intptr_t) {
    if (message == toolkit::BFFM_INITIALIZED) {
        dialog.setSelection(browseStartFolder);
    } else if (message == toolkit::BFFM_SELCHANGED) {
        if (const std::optional<QString> path = dialog.pathOf(item)) {
            // The settings would read such a folder back as two lines, another folder each.
            const bool storable = fitsSettingsLine(*path);
            dialog.enableOk(storable);
            dialog.setStatusText(
                storable ? *path
                         : QCoreApplication::translate(
                               "FolderChoice",
                               "This folder cannot be chosen: its name holds a line break."));
        }
    }
    return 0;
}

} // namespace modTreeview
