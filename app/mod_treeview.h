// modTreeview: the folder dialog as the window uses it.
#pragma once

#include "app/toolkit/folder_dialog.h"

#include <cstdint>
#include <QString>

class QWidget;

namespace modTreeview {

// The folder the dialog opens at; set by BrowseForFolder and read by BrowseCallback while the
// dialog runs.
inline QString browseStartFolder;

// Runs the folder dialog over `owner` with the title, opened at `startFolder`. The chosen
// folder's path without a trailing separator, or an empty string when the user cancelled or the
// path holds a line break (the settings keep each folder on one line).
QString BrowseForFolder(QWidget* owner, const QString& title, const QString& startFolder);

// The dialog's callback: when it opens it selects browseStartFolder, and at each change of
// selection the status line shows the selected folder's full path (an item without one leaves
// the line as it was). A folder whose path holds a line break cannot be taken: OK is disabled
// and the status line says why. Always 0.
std::int32_t BrowseCallback(toolkit::FolderTreeDialog& dialog, unsigned message,
                            const QModelIndex& item, std::intptr_t data);

} // namespace modTreeview
