#include "app/mod_treeview.h"

#include "app/toolkit/folder_tree_dialog.h"

namespace modTreeview {

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    browseStartFolder = startFolder;
    toolkit::BrowseInfo info;
    info.owner = owner;
    info.title = title;
    info.callback = BrowseCallback;
    return toolkit::folderDialog().browse(info);
}

std::int32_t BrowseCallback(toolkit::FolderTreeDialog& dialog, unsigned message,
                            const QModelIndex& item, std::intptr_t) {
    if (message == toolkit::BFFM_INITIALIZED) {
        dialog.setSelection(browseStartFolder);
    } else if (message == toolkit::BFFM_SELCHANGED) {
        if (const std::optional<QString> path = dialog.pathOf(item))
            dialog.setStatusText(*path);
    }
    return 0;
}

} // namespace modTreeview
