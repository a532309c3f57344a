// The folder chooser. The form asks through this interface so that tests answer without a person;
// the program answers with the folder tree dialog, which talks to the caller's callback as the
// system's folder browser does: once when it opens and at every change of selection.
#pragma once

#include <cstdint>
#include <functional>
#include <QString>

class QModelIndex;
class QWidget;

namespace toolkit {

class FolderTreeDialog;

// The messages the dialog sends its callback.
constexpr unsigned BFFM_INITIALIZED = 1; // the dialog has opened; the item is not valid
constexpr unsigned BFFM_SELCHANGED = 2;  // the item is the newly selected folder

// The dialog, the message, the item it is about, and the caller's data; the result is unused.
using BrowseCallbackProc = std::function<std::int32_t(FolderTreeDialog& dialog, unsigned message,
                                                      const QModelIndex& item, std::intptr_t data)>;

struct BrowseInfo {
    QWidget* owner = nullptr;
    QString title;
    BrowseCallbackProc callback;
    std::intptr_t data = 0;
};

class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // Runs the dialog modally. The chosen folder's path without a trailing separator, or an
    // empty string when it was cancelled or closed.
    virtual QString browse(const BrowseInfo& info) = 0;
};

FolderDialog& folderDialog();
// Installs another dialog (not owned); null goes back to the folder tree dialog.
void setFolderDialog(FolderDialog* dialog);

} // namespace toolkit
