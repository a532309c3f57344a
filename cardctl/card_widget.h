// The card's surface ("Tessel"): a fixed 310 x 114 widget that shows the persistent image and holds
// the parts, from back to front lblData1 to lblData4, Shape1, ItemImage and shpSelected. The card
// object pushes its state into it; it keeps its library loaded while it exists. While it has the
// keyboard focus, reached by the keyboard, it shows the focus ring at its edge, outside the red
// selection frame; a click that focuses it shows nothing, so the mouse sees the card as before.
#pragma once

#include "cardctl/input_relay.h"
#include "cardctl/mouse_source.h"

#include <array>

namespace com {
class ServerModule;
}

namespace tessel {

class PersistentImage;
class PictureHolder;
class RectangleOutline;
class TextLine;

inline constexpr int kCardWidth = 310;
inline constexpr int kCardHeight = 114;

class CardWidget final : public MouseSource {
public:
    CardWidget(com::ServerModule& module, const PersistentImage* image, CardEvents* events,
               QWidget* parent);
    ~CardWidget() override;

    TextLine* line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    PictureHolder* itemImage() const { return itemImage_; }
    RectangleOutline* selectionFrame() const { return shpSelected_; }
    RectangleOutline* thumbnailFrame() const { return shape1_; }

    // Parts the widget from its card: no more events, no more persistent image.
    void detach();
    // True while a host's handler for one of this widget's events runs.
    bool isRaisingEvent() const { return relay_.isRelaying(); }
    // Whether the focus ring is shown.
    bool showsFocus() const { return focusShown_ && hasFocus(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    com::ServerModule& module_;
    InputRelay relay_;
    const PersistentImage* image_;
    std::array<TextLine*, 4> lines_{};
    RectangleOutline* shape1_ = nullptr;
    PictureHolder* itemImage_ = nullptr;
    RectangleOutline* shpSelected_ = nullptr;
    // Set when the focus came by the keyboard, cleared when it came by a click; a window that is
    // activated again gives the focus back as it was.
    bool focusShown_ = false;
};

} // namespace tessel
