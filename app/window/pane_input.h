// What the window's card panes take besides the mouse: the keys pressed on a pane's cards and the
// mouse wheel turned over its cards or its column. An event filter on those widgets hands them to
// the window with the pane and the card they belong to.
#pragma once

#include <cstdint>
#include <functional>
#include <QObject>

class QWidget;

class PaneInput : public QObject {
public:
    // Card index 0 is the column around the cards.
    struct Target {
        std::uint8_t pane = 0;
        int index = 0;
    };
    // Gives the pane and card of a watched widget, or false when it no longer is one.
    using Locate = std::function<bool(QWidget* widget, Target* target)>;
    // True when the key was one of the card's own; it then goes no further.
    using KeyHandler = std::function<bool(Target target, int keyCode, int shift)>;
    using WheelHandler = std::function<void(Target target, QEvent* wheel)>;

    PaneInput(Locate locate, KeyHandler key, WheelHandler wheel);

    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Locate locate_;
    KeyHandler key_;
    WheelHandler wheel_;
};
