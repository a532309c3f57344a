// Left, Top, Width and Height of a control in twips. The twips values are kept as assigned, so a
// control reads back exactly what was written, and the widget is placed on the nearest pixels.
#pragma once

class QWidget;

namespace toolkit {

class TwipsGeometry {
public:
    explicit TwipsGeometry(QWidget* widget)
        : widget_(widget) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);
    // Whether the control itself is switched visible, whatever its container shows. It is
    // switched with the widget's own setVisible.
    bool Visible() const;

protected:
    // For controls that size themselves (an image control takes its picture's size).
    void setSizePixels(int width, int height);

private:
    void apply();

    QWidget* widget_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace toolkit
