// A rectangle shape: an outline and an optional solid fill. Shapes take no mouse input; a press
// on one reaches whatever lies beneath it.
#pragma once

#include "app/toolkit/twips_geometry.h"

#include <cstdint>
#include <optional>
#include <QWidget>

namespace toolkit {

class Shape : public QWidget, public TwipsGeometry {
public:
    explicit Shape(QWidget* container);

    // No fill leaves the inside transparent.
    void setFillColor(std::optional<std::uint32_t> oleColour);
    void setBorderColor(std::uint32_t oleColour);
    // In pixels, drawn inside the rectangle; 0 draws no outline.
    void setBorderWidth(int pixels);
    void Refresh() { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<std::uint32_t> fillColor_;
    std::uint32_t borderColor_ = 0x80000008; // system window-text colour
    int borderWidth_ = 1;
};

} // namespace toolkit
