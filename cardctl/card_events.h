// What the card's parts report: the events the card raises to its host.
#pragma once

#include "platform/com/com_types.h"

namespace tessel {

class CardEvents {
public:
    // MouseMove, MouseDown or MouseUp with the platform's button and shift codes and the
    // pointer's position in pixels of the part under it.
    virtual void raiseMouseEvent(com::DISPID event, std::int16_t button, std::int16_t shift,
                                 float x, float y) = 0;
    virtual void raiseClick() = 0;

protected:
    ~CardEvents() = default;
};

} // namespace tessel
