// A vertical scroll bar with 16-bit Min, Max and Value. Scroll is raised while the thumb is
// dragged; Change when the value has changed by any other means (arrows, track, keys, the end of
// a thumb drag) and when an assignment to Value, Min or Max changes it.
#pragma once

#include "app/toolkit/twips_geometry.h"

#include <cstdint>
#include <functional>
#include <QScrollBar>

namespace toolkit {

class VScrollBar : public QScrollBar, public TwipsGeometry {
public:
    explicit VScrollBar(QWidget* container);

    std::int16_t Min() const { return static_cast<std::int16_t>(minimum()); }
    std::int16_t Max() const { return static_cast<std::int16_t>(maximum()); }
    std::int16_t Value() const { return static_cast<std::int16_t>(value()); }
    // The value follows a range that no longer holds it. A Max below Min makes Min follow.
    void setMin(std::int16_t min) { setMinimum(min); }
    void setMax(std::int16_t max) { setMaximum(max); }
    // A value outside Min..Max is refused (false) and nothing changes.
    bool setValue(std::int16_t value);

    std::function<void()> Change;
    std::function<void()> Scroll;

private:
    void valueMoved(int value);
    void thumbReleased();

    int valueAtPress_ = 0;
};

} // namespace toolkit
