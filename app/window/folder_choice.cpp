// Choosing a pane's folder in the folder dialog.
#include "app/mod_main.h"
#include "app/mod_treeview.h"
#include "app/window/frm_main.h"

#include <QCoreApplication>

bool frmMain::ChooseDirectory(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    const QString start = pane.folder.isEmpty() ? programFolder_ : pane.folder;
    const QString title =
        pane.byte == kFilesPane
            ? QCoreApplication::translate("FolderChoice", "Change Local Directory")
            : QCoreApplication::translate("FolderChoice", "Change GPS Directory");
    const QString chosen = modTreeview::BrowseForFolder(window_.get(), title, start);
    // A window closed while the dialog ran has saved its folders already; it takes no new one.
    if (chosen.isEmpty() || closed())
        return false;
    pane.folder = chosen;
    ShowFolderLabel(pane.byte, chosen);
    return true;
}
