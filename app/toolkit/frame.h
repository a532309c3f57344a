// A frame: a container control filled with its background colour. The controls inside it are
// placed relative to its top-left corner and are hidden with it. It draws no border line.
#pragma once

#include "app/toolkit/twips_geometry.h"

#include <cstdint>
#include <QWidget>

namespace toolkit {

class Frame : public QWidget, public TwipsGeometry {
public:
    explicit Frame(QWidget* container);

    // Kept as a property; the frame draws no caption.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    void setBackColor(std::uint32_t oleColour);
    void Refresh() { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString caption_;
    std::uint32_t backColor_ = 0x8000000F;
};

} // namespace toolkit
