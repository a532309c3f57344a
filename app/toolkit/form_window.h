// The form's top-level window: borderless, a fixed client area with a background picture drawn
// unscaled at its top-left corner, centred on the screen when first shown, and the form's events:
// Load (once, before the first show), Activate (every activation), KeyDown (every key pressed
// anywhere in the window, before the control with the focus sees it), MouseDown on the
// background, and QueryUnload for every close request, which is never refused.
#pragma once

#include "app/toolkit/mouse_codes.h"

#include <functional>
#include <QImage>
#include <QWidget>

namespace toolkit {

class FormWindow : public QWidget {
public:
    using MouseHandler = toolkit::MouseHandler;

    FormWindow(int clientWidthTwips, int clientHeightTwips);
    ~FormWindow() override;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }
    void setPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    void setBackColor(QColor colour);
    void Minimize() { showMinimized(); }
    // Moves the window with the mouse as if its caption bar had been pressed. Tests replace the
    // system move to see that one was asked for.
    void StartSystemMove();
    void setSystemMove(std::function<void()> move) { systemMove_ = std::move(move); }
    bool unloaded() const { return unloaded_; }

    std::function<void()> Load;
    std::function<void()> Activate;
    std::function<void(int keyCode, int shift)> KeyDown;
    MouseHandler MouseDown;
    std::function<void()> QueryUnload;

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_;
    QColor backColor_ = Qt::black;
    bool loaded_ = false;
    bool shown_ = false;
    bool unloaded_ = false;
    std::function<void()> systemMove_;
};

} // namespace toolkit
