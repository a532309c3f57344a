#include "cardctl/input_relay.h"

namespace tessel {

void InputRelay::mouseEvent(com::DISPID event, std::int16_t button, std::int16_t shift, float x,
                            float y) {
    if (!target_)
        return;
    ++depth_;
    target_->raiseMouseEvent(event, button, shift, x, y);
    --depth_;
}

void InputRelay::click() {
    if (!target_)
        return;
    ++depth_;
    target_->raiseClick();
    --depth_;
}

} // namespace tessel
