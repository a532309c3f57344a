// What the window tells a screen reader and shows as tooltips: its name, what each button picture
// does, the card columns as lists, and the folder labels' full paths. The texts are the window's
// own words, translated like every other.
#include "app/mod_main.h"
#include "app/toolkit/accessibility.h"
#include "app/window/frm_main.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString buttonName(const char* text) {
    return QCoreApplication::translate("WindowButtons", text);
}

} // namespace

void frmMain::nameControls() {
    toolkit::installAccessibility();
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
    imgRotate->Checked = [this] { return Timer1 && Timer1->Enabled(); };

    // Each column of cards is a list of the vehicles its cards show.
    const struct {
        std::uint8_t pane;
        const char* name;
    } columns[] = {{kFilesPane, QT_TRANSLATE_NOOP("Panes", "Local Files")},
                   {kGarminPane, QT_TRANSLATE_NOOP("Panes", "Garmin Files")}};
    for (const auto& [paneByte, name] : columns) {
        const std::uint8_t pane = paneByte;
        toolkit::registerAccessibleList(
            paneOf(pane).cardsArea, {QCoreApplication::translate("Panes", name),
                                     [this, pane] {
                                         std::vector<QWidget*> cards;
                                         // None while the window takes its cards down.
                                         const toolkit::CardArray* array = paneOf(pane).cards;
                                         for (int n = 1; array && n <= kCardsPerPane; ++n) {
                                             if (const toolkit::CardElement* card = array->item(n))
                                                 cards.push_back(card->widget());
                                         }
                                         return cards;
                                     },
                                     [this, pane](QWidget* item) {
                                         std::uint8_t itemPane = 0;
                                         int index = 0;
                                         return locateCard(item, &itemPane, &index) &&
                                                itemPane == pane && state.selectedPane == pane &&
                                                state.selectedIndex ==
                                                    index + paneOf(pane).scroll->Value() - 1;
                                     }});
    }
    toolkit::setAccessibleRole(Plotter, QAccessible::Graphic);
    toolkit::setAccessibleRole(fraMessage, QAccessible::AlertMessage);
}

void frmMain::DescribeCard(toolkit::CardElement& card, const VehicleRecord& vehicle,
                           const QString& folder) {
    QWidget* widget = card.widget();
    if (!widget)
        return;
    // As the card's lines read: name, type, sizes, date.
    widget->setAccessibleName(vehicle.FileName + QStringLiteral(", ") + vehicle.SRFType +
                              QStringLiteral(", ") + vehicle.Size3D + QLatin1Char(',') +
                              vehicle.Size2D + QStringLiteral(", ") + vehicle.FileDate);
    // The card's line may cut a long name; the tooltip has all of it and where it lies.
    widget->setToolTip(folder + QLatin1Char('/') + vehicle.FileName);
    toolkit::announceNameChange(widget);
}

void frmMain::NamePreview(const QString& path) {
    Plotter->setAccessibleName(QCoreApplication::translate("VehiclePreview", "Preview of %1")
                                   .arg(QFileInfo(path).fileName()));
}

void frmMain::ShowFolderLabel(std::uint8_t pane, const QString& folder) {
    toolkit::Label* label = pane == kFilesPane ? lblFileDir : lblGarminDir;
    label->setCaption(ShortenPath(folder, 30));
    // The caption shortens a long path; the whole of it is one hover or one question away.
    label->setAccessibleDescription(folder);
    label->setToolTip(folder);
}
