// What the window tells a screen reader and shows as tooltips: its name, what each button picture
// does, the card columns as lists, and the folder labels' full paths. The texts are the window's
// own words, translated like every other.
#include "app/mod_main.h"
#include "app/window/frm_main.h"

#include <QCoreApplication>

namespace {

QString buttonName(const char* text) {
    return QCoreApplication::translate("WindowButtons", text);
}

} // namespace

void frmMain::nameControls() {
    // The window's text stays what the taskbar has always shown.
    window_->setAccessibleName(QCoreApplication::translate("MainWindow", "Motorhall"));
    const struct {
        toolkit::ImageControl* button;
        const char* name;
    } buttons[] = {
        {imgChangeDir, QT_TRANSLATE_NOOP("WindowButtons", "Choose the local folder")},
        {imgChangeGarmin, QT_TRANSLATE_NOOP("WindowButtons", "Choose the navigator folder")},
        {imgFindGarmin, QT_TRANSLATE_NOOP("WindowButtons", "Find the navigator")},
        {imgRefreshFiles, QT_TRANSLATE_NOOP("WindowButtons", "Refresh the local files")},
        {imgRefreshGarmin, QT_TRANSLATE_NOOP("WindowButtons", "Refresh the navigator's files")},
        {imgMin, QT_TRANSLATE_NOOP("WindowButtons", "Minimise")},
        {imgX, QT_TRANSLATE_NOOP("WindowButtons", "Close")},
        {imgRotate, QT_TRANSLATE_NOOP("WindowButtons", "Rotate")},
        {imgXPreview, QT_TRANSLATE_NOOP("WindowButtons", "Close the preview")},
    };
    for (const auto& [button, name] : buttons)
        button->makeButton(buttonName(name));
}

void frmMain::ShowFolderLabel(std::uint8_t pane, const QString& folder) {
    toolkit::Label* label = pane == kFilesPane ? lblFileDir : lblGarminDir;
    label->setCaption(ShortenPath(folder, 30));
    // The caption shortens a long path; the whole of it is one hover or one question away.
    label->setAccessibleDescription(folder);
    label->setToolTip(folder);
}
