// The card panes: the cards show the vehicles from the scroll position on, the scroll bars move
// them, a click selects a card's vehicle and a right click opens the context menu.
#include "app/toolkit/mouse_codes.h"
#include "app/toolkit/screen.h"
#include "app/toolkit/twips.h"
#include "app/window/frm_main.h"
#include "app/window/pane_input.h"
#include "app/window/strip_block.h"
#include "cardctl/tessel_interface.h"

#include <limits>
#include <QCursor>

namespace {

void putLine(toolkit::CardElement& card, com::DISPID line, const QString& text) {
    com::DispatchPut(card.dispatch(), line, com::variantBstr(text));
}

} // namespace

void frmMain::LayoutCards(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    const unsigned generation = ++layoutGeneration_[pane.byte];
    int next = 1;
    if (pane.count != 0) {
        const int value = pane.scroll->Value();
        for (int j = 1; j <= pane.count; ++j) {
            if (j < value)
                continue;
            if (j > value + kCardsPerPane - 1)
                break;
            const VehicleRecord& record = pane.catalogue[j - 1];
            // A card that was never created is passed over.
            if (toolkit::CardElement* card = pane.cards->item(next)) {
                putLine(*card, tessel::DISPID_DataLine1, record.FileName);
                putLine(*card, tessel::DISPID_DataLine2, record.SRFType);
                putLine(*card, tessel::DISPID_DataLine3,
                        record.Size3D + QLatin1Char(',') + record.Size2D);
                putLine(*card, tessel::DISPID_DataLine4, record.FileDate);
                DescribeCard(*card, record, pane.folder);
                card->setVisible(true);
                // The card copies the vehicle's cell from the strip while the call runs.
                com::DispatchCall(card->dispatch(), tessel::DISPID_BltImageFromContext,
                                  {com::variantI4(existingStrip(pane.strip).hDC()),
                                   com::variantI4(record.StripX), com::variantI4(0)},
                                  nullptr);
            }
            toolkit::DoEvents();
            // A layout started meanwhile (a scroll, a rescan) has shown the cards as they now
            // are; this one must not overwrite them with what it read before.
            if (closed() || generation != layoutGeneration_[pane.byte])
                return;
            ++next;
        }
    }
    for (int k = next; k <= kCardsPerPane; ++k) {
        if (toolkit::CardElement* card = pane.cards->item(k))
            card->setVisible(false);
    }
}

void frmMain::PlaceCard(std::uint8_t paneByte, int n) {
    const Pane pane = paneOf(paneByte);
    pane.cards->Load(n);
    toolkit::CardElement* card = pane.cards->item(n);
    if (!card)
        return;
    if (paneInput_)
        paneInput_->watch(card->widget());
    card->setLeft(pane.anchor->Left() + toolkit::pixelsToTwips(3));
    card->setTop(pane.anchor->Top() + (n - 1) * card->Height());
    // The message overlay lies over cards 2 and 3 while a pane is scanned, copied to or deleted
    // from; a card made at run time goes under it (and so under the preview frame too). Card 1
    // keeps its place above the overlay, which never reaches it.
    if (n != 1 && card->widget())
        card->widget()->stackUnder(fraMessage);
}

void frmMain::TesselMouseDown(std::uint8_t, int, int button, int, float, float) {
    state.cardMouseButton = button;
}

void frmMain::TesselClick(std::uint8_t paneByte, int index) {
    const Pane pane = paneOf(paneByte);
    state.selectedPane = pane.byte;
    // 16-bit arithmetic, as the scroll position and the card index are: a number outside it is
    // an error that ends the handler (it cannot arise within the catalogue's limits).
    const int number = index + pane.scroll->Value() - 1;
    if (number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max())
        return;
    state.selectedIndex = number;
    if (state.cardMouseButton == toolkit::vbRightButton)
        PopupCardMenu(QCursor::pos());
}

void frmMain::VScrollChange(std::uint8_t pane) {
    // A pane whose scan runs is not laid out half-built.
    if (paneOf(pane).ready)
        LayoutCards(pane);
}

void frmMain::VScrollScroll(std::uint8_t pane) {
    if (paneOf(pane).ready)
        LayoutCards(pane);
}
