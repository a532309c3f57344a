// The card panes by keys alone: a focused card moves the focus and the selection through its
// pane's vehicles and opens, deletes, copies and refreshes them as the mouse does; the mouse wheel
// over a pane's cards scrolls the pane as over its scroll bar. The keys do only what a click, a
// menu item or a drag does, through the same procedures.
#include "app/hourglass_cursor.h"
#include "app/toolkit/drag_source.h"
#include "app/toolkit/mouse_codes.h"
#include "app/window/frm_main.h"
#include "app/window/pane_input.h"

#include <algorithm>
#include <QCoreApplication>
#include <QWidget>

namespace {

using namespace toolkit;

} // namespace

void frmMain::wireKeyboard() {
    paneInput_ = std::make_unique<PaneInput>(
        [this](QWidget* widget, PaneInput::Target* target) {
            return locateCard(widget, &target->pane, &target->index);
        },
        [this](PaneInput::Target target, int keyCode, int shift) {
            return TesselKeyDown(target.pane, target.index, keyCode, shift);
        },
        [this](PaneInput::Target target, QEvent* wheel) {
            QCoreApplication::sendEvent(paneOf(target.pane).scroll, wheel);
        });
    for (std::uint8_t pane : {kFilesPane, kGarminPane}) {
        const Pane p = paneOf(pane);
        paneInput_->watch(p.cardsArea);
        for (int n = 1; n <= kCardsPerPane; ++n) {
            if (toolkit::CardElement* card = p.cards->item(n))
                paneInput_->watch(card->widget());
        }
    }
    mnuRtMenu.item(QStringLiteral("mnuCopyVehicle"))->Click =
        std::bind_front(&frmMain::mnuCopyVehicleClick, this);
}

bool frmMain::locateCard(QWidget* widget, std::uint8_t* pane, int* index) {
    for (std::uint8_t candidate : {kFilesPane, kGarminPane}) {
        const Pane p = paneOf(candidate);
        *pane = candidate;
        if (widget == p.cardsArea) {
            *index = 0;
            return true;
        }
        for (int n = 1; n <= kCardsPerPane; ++n) {
            const toolkit::CardElement* card = p.cards->item(n);
            if (card && card->widget() == widget) {
                *index = n;
                return true;
            }
        }
    }
    return false;
}

bool frmMain::TesselKeyDown(std::uint8_t paneByte, int index, int keyCode, int shift) {
    const Pane pane = paneOf(paneByte);
    const int number = index + pane.scroll->Value() - 1;
    const bool plain = shift == 0;
    const auto select = [&] {
        state.selectedPane = pane.byte;
        state.selectedIndex = number;
    };
    // A card shows no vehicle of the catalogue while its pane is read.
    const bool usable = pane.ready && number >= 1 && number <= pane.count && !isBusy();
    if (plain && (keyCode == vbKeyUp || keyCode == vbKeyDown || keyCode == vbKeyPageUp ||
                  keyCode == vbKeyPageDown || keyCode == vbKeyHome || keyCode == vbKeyEnd)) {
        if (!usable)
            return true;
        int to = number;
        switch (keyCode) {
        case vbKeyUp:
            to = number - 1;
            break;
        case vbKeyDown:
            to = number + 1;
            break;
        case vbKeyPageUp:
            to = number - kCardsPerPane;
            break;
        case vbKeyPageDown:
            to = number + kCardsPerPane;
            break;
        case vbKeyHome:
            to = 1;
            break;
        default:
            to = pane.count;
            break;
        }
        FocusVehicle(pane.byte, std::clamp(to, 1, static_cast<int>(pane.count)));
        return true;
    }
    if (plain && keyCode == vbKeySpace) {
        if (usable)
            select();
        return true;
    }
    if (plain && keyCode == vbKeyReturn) {
        if (!usable)
            return true;
        select();
        mnuPreviewClick();
        // The preview's own buttons take the keys next; Escape closes it.
        if (!closed() && fraPreview->isVisible())
            imgRotate->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (plain && keyCode == vbKeyDelete) {
        if (usable) {
            select();
            mnuDeleteVehicleClick();
        }
        return true;
    }
    if ((plain && keyCode == vbKeyApps) || (shift == vbShiftMask && keyCode == vbKeyF10)) {
        if (usable) {
            select();
            const QWidget* card = pane.cards->item(index)->widget();
            PopupCardMenu(card->mapToGlobal(card->rect().center()));
        }
        return true;
    }
    if (plain && keyCode == vbKeyF5) {
        // As the pane's Refresh button: not while other work holds the busy cursor.
        if (!isBusy())
            RefreshPane(pane.byte);
        return true;
    }
    if (shift == vbCtrlMask && (keyCode == vbKeyLeft || keyCode == vbKeyRight)) {
        // Right from Files to Garmin, left from Garmin to Files: the other pane lies that way.
        const bool towardsOther = (pane.byte == kFilesPane) == (keyCode == vbKeyRight);
        if (usable && towardsOther) {
            select();
            const toolkit::DragSource source{pane.cards->name(), index};
            if (pane.byte == kFilesPane)
                CopyVehicleToGarmin(source);
            else
                CopyVehicleFromGarmin(source);
        }
        return true;
    }
    return false;
}

void frmMain::FocusVehicle(std::uint8_t paneByte, int number) {
    const Pane pane = paneOf(paneByte);
    if (number < 1 || number > pane.count)
        return;
    const int value = pane.scroll->Value();
    // The cards move by one past the first or the fourth, by a page past a page.
    int first = value;
    if (number < value)
        first = number;
    else if (number > value + kCardsPerPane - 1)
        first = number - (kCardsPerPane - 1);
    if (first != value)
        pane.scroll->setValue(static_cast<std::int16_t>(first));
    if (closed())
        return;
    state.selectedPane = pane.byte;
    state.selectedIndex = number;
    toolkit::CardElement* card = pane.cards->item(number - pane.scroll->Value() + 1);
    if (card && card->Visible())
        card->widget()->setFocus(Qt::OtherFocusReason);
}

void frmMain::PopupCardMenu(const QPoint& globalPosition) {
    if (toolkit::PopupMenu::Item* copy = mnuRtMenu.item(QStringLiteral("mnuCopyVehicle")))
        copy->caption = state.selectedPane == kFilesPane
                            ? QCoreApplication::translate("ContextMenu", "Copy to Garmin")
                            : QCoreApplication::translate("ContextMenu", "Copy to Files");
    mnuRtMenu.Popup(window_.get(), globalPosition);
}

void frmMain::mnuCopyVehicleClick() {
    const Pane pane = paneOf(state.selectedPane);
    // The card that shows the selected vehicle, as a drag would carry it.
    const toolkit::DragSource source{pane.cards->name(),
                                     state.selectedIndex - pane.scroll->Value() + 1};
    if (pane.byte == kFilesPane)
        CopyVehicleToGarmin(source);
    else
        CopyVehicleFromGarmin(source);
}
