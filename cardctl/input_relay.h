// Carries the parts' input to the card object while the widget belongs to one. The host's
// handlers run inside a relayed call and may release the card; the widget then stays alive
// until the call has returned, and a cut relay carries nothing more.
#pragma once

#include "cardctl/card_events.h"

namespace tessel {

class InputRelay {
public:
    explicit InputRelay(CardEvents* target)
        : target_(target) {}

    void cut() { target_ = nullptr; }
    bool isConnected() const { return target_ != nullptr; }
    bool isRelaying() const { return depth_ > 0; }

    void mouseEvent(com::DISPID event, std::int16_t button, std::int16_t shift, float x, float y);
    void click();

private:
    CardEvents* target_;
    int depth_ = 0;
};

} // namespace tessel
