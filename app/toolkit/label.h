// A label: a caption drawn in its box, on its background colour or transparent over what lies
// behind it. Text wraps at word boundaries and is cut off at the box.
#pragma once

#include "app/toolkit/twips_geometry.h"

#include <cstdint>
#include <QWidget>

namespace toolkit {

class Label : public QWidget, public TwipsGeometry {
public:
    enum class Alignment { LeftJustify, RightJustify, Center };

    explicit Label(QWidget* container);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setForeColor(std::uint32_t oleColour);
    void setBackColor(std::uint32_t oleColour);
    // Opaque labels paint their background colour; transparent ones only their text.
    void setOpaque(bool opaque);
    void setAlignment(Alignment alignment);
    void setTextFont(const QString& family, double points, bool bold, bool italic);
    // Repaints at once, without waiting for the event loop.
    void Refresh() { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A label is a control: a press on it does not reach the window behind.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString caption_;
    std::uint32_t foreColor_ = 0x80000012; // system button-text colour
    std::uint32_t backColor_ = 0x8000000F; // system button-face colour
    bool opaque_ = true;
    Alignment alignment_ = Alignment::LeftJustify;
};

} // namespace toolkit
