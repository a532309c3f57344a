// One pane of the main window: the controls and the fields of the form state that belong to it,
// so that every per-pane procedure is written once for both. Pane 0 is Files (the local folder),
// pane 1 Garmin (the navigator's folder). It refers to the window's own members and lives no
// longer than the call that asked for it.
#pragma once

#include "app/window/form_state.h"
#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <QString>

namespace toolkit {
class CardArray;
class ImageControl;
class Shape;
class VScrollBar;
} // namespace toolkit

constexpr std::uint8_t kFilesPane = 0;
constexpr std::uint8_t kGarminPane = 1;

// The cards of a pane's column, which shows the vehicles from the scroll position on.
constexpr std::int32_t kCardsPerPane = 4;

// The scroll bar's Max for a pane of `count` vehicles: at the last position the cards show the
// last vehicles, and a pane that fits on its cards still has the one position 1.
constexpr std::int16_t scrollMaximum(std::int32_t count) {
    return static_cast<std::int16_t>(std::max(count - (kCardsPerPane - 1), 1));
}

// The white of the window's texts and of the backgrounds it paints (0x00BBGGRR, which the
// controls take as a colour value too).
constexpr gdi::COLORREF kWhite = 0x00FFFFFF;

struct Pane {
    std::uint8_t byte;
    QString& folder;
    Catalogue& catalogue;
    std::int32_t& count;
    std::unique_ptr<cAlphaSurface>& strip;
    std::uint8_t& ready;
    std::int32_t& cardsLoaded;
    toolkit::VScrollBar* scroll;
    toolkit::CardArray* cards;
    toolkit::Shape* anchor; // its Left and Top anchor the cards
    toolkit::ImageControl* cardsArea;
};
