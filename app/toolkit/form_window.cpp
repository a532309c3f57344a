#include "app/toolkit/form_window.h"

#include "app/toolkit/mouse_codes.h"
#include "app/toolkit/twips.h"
#include "platform/picture/mouse_codes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace toolkit {

FormWindow::FormWindow(int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setFocusPolicy(Qt::NoFocus);
    qApp->installEventFilter(this);
}

FormWindow::~FormWindow() {
    qApp->removeEventFilter(this);
}

void FormWindow::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void FormWindow::setBackColor(QColor colour) {
    backColor_ = colour;
    update();
}

void FormWindow::StartSystemMove() {
    if (systemMove_) {
        systemMove_();
        return;
    }
    if (QWindow* handle = windowHandle())
        handle->startSystemMove();
}

void FormWindow::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        if (Load)
            Load();
    }
    const bool first = visible && !shown_;
    if (first) {
        shown_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QWidget::setVisible(visible);
    // A window the program opens comes up active, as the form's first activation expects; a
    // display without a window manager would otherwise never activate it.
    if (first)
        activateWindow();
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && Activate) {
        const bool handled = QWidget::event(event);
        Activate();
        return handled;
    }
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !KeyDown || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return false;
    // A key event travels from the focused control up its containers; the form sees it once, at
    // its first stop.
    QWidget* focus = QApplication::focusWidget();
    QWidget* first = focus && focus->window() == this ? focus : this;
    if (widget != first)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    KeyDown(keyCode(*key), shiftStateCode(key->modifiers()));
    return false;
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    raiseMouseEvent(MouseDown, event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Never refused; a second request after the window is unloaded has nothing left to save.
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    if (QueryUnload)
        QueryUnload();
}

} // namespace toolkit
