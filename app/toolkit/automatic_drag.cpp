#include "app/toolkit/automatic_drag.h"

#include "app/toolkit/twips.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

namespace toolkit {

AutomaticDrag::AutomaticDrag(QWidget* window)
    : QObject(window)
    , window_(window)
    , outline_(new QRubberBand(QRubberBand::Rectangle, window)) {
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
}

AutomaticDrag::~AutomaticDrag() = default;

QWidget* AutomaticDrag::outline() const {
    return outline_;
}

void AutomaticDrag::addSource(QWidget* control, DragSource source) {
    sources_[control] = std::move(source);
    watchTree(control);
    connect(control, &QObject::destroyed, this, [this, control] {
        sources_.erase(control);
        if (!dragged_ || dragged_ == control)
            cancel();
    });
}

void AutomaticDrag::removeSource(QWidget* control) {
    if (dragged_ == control)
        cancel();
    sources_.erase(control);
}

void AutomaticDrag::addDropTarget(QWidget* target, DropHandler handler) {
    targets_[target] = std::move(handler);
    connect(target, &QObject::destroyed, this, [this, target] { targets_.erase(target); });
}

void AutomaticDrag::removeDropTarget(QWidget* target) {
    targets_.erase(target);
}

void AutomaticDrag::watchTree(QWidget* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children()) {
        if (child->isWidgetType())
            watchTree(static_cast<QWidget*>(child));
    }
}

QWidget* AutomaticDrag::sourceOf(QWidget* widget) const {
    for (QWidget* w = widget; w && w != window_; w = w->parentWidget()) {
        if (sources_.count(w))
            return w;
    }
    return nullptr;
}

bool AutomaticDrag::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::ChildAdded: {
        auto* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && sourceOf(widget))
            watchTree(static_cast<QWidget*>(child));
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return dragging();
        QWidget* control = sourceOf(widget);
        if (!control)
            return false;
        if (!dragging())
            begin(control, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove:
        if (!dragging())
            return false;
        follow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!dragging())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            finish(mouse->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}

void AutomaticDrag::begin(QWidget* control, const QPoint& globalPosition) {
    dragged_ = control;
    draggedSource_ = sources_[control];
    const QPoint topLeft = control->mapTo(window_, QPoint(0, 0));
    grabOffset_ = window_->mapFromGlobal(globalPosition) - topLeft;
    outline_->setGeometry(QRect(topLeft, control->size()));
    outline_->show();
    outline_->raise();
}

void AutomaticDrag::follow(const QPoint& globalPosition) {
    const QPoint inWindow = window_->mapFromGlobal(globalPosition);
    if (LeftWindow && !window_->rect().contains(inWindow)) {
        const DragSource source = draggedSource_;
        const QPointer<QWidget> control = dragged_;
        const QPoint grabOffset = grabOffset_;
        cancel();
        // A copy: the handler runs a drag of its own, during which the handlers may change.
        const auto handler = LeftWindow;
        handler(source, control.data(), grabOffset);
        return;
    }
    outline_->move(inWindow - grabOffset_);
}

void AutomaticDrag::finish(const QPoint& globalPosition) {
    const DragSource source = draggedSource_;
    cancel();
    QWidget* hit = window_->childAt(window_->mapFromGlobal(globalPosition));
    for (QWidget* w = hit; w && w != window_; w = w->parentWidget()) {
        auto found = targets_.find(w);
        if (found == targets_.end())
            continue;
        const QPoint local = w->mapFromGlobal(globalPosition);
        // A copy: the handler may yield, and a nested drop may change the targets.
        DropHandler handler = found->second;
        handler(source, static_cast<float>(pixelsToTwips(local.x())),
                static_cast<float>(pixelsToTwips(local.y())));
        return;
    }
}

void AutomaticDrag::cancel() {
    dragged_.clear();
    outline_->hide();
}

} // namespace toolkit
