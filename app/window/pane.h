// One pane of the main window: the controls and the fields of the form state that belong to it,
// so that every per-pane procedure is written once for both. Pane 0 is Files (the local folder),
// pane 1 Garmin (the navigator's folder). It refers to the window's own members and lives no
// longer than the call that asked for it.
#pragma once

#include "app/window/form_state.h"

#include <cstdint>
#include <memory>
#include <QString>

namespace toolkit {
class CardArray;
class ImageControl;
class Shape;
class VScrollBar;
} // namespace toolkit

constexpr std::uint8_t FilesPane = 0;
constexpr std::uint8_t GarminPane = 1;

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
