// The automatic drag of controls inside one window. A left press on a drag source (any widget of
// its tree) starts a drag instead of reaching the control; an outline the size of the control
// follows the pointer; the release over a drop target raises that target's drop handler with the
// source's array name and index and the release position in twips relative to the target. A
// release anywhere else ends the drag without effect. No platform drag and drop is involved, so
// plain mouse events drive it. A window that hands drags on to other programs sets LeftWindow:
// the pointer leaving the window then ends the drag, and the handler may start the system's.
#pragma once

#include "app/toolkit/drag_source.h"

#include <functional>
#include <map>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QRubberBand;
class QWidget;

namespace toolkit {

class AutomaticDrag : public QObject {
public:
    using DropHandler = std::function<void(const DragSource& source, float x, float y)>;

    explicit AutomaticDrag(QWidget* window);
    ~AutomaticDrag() override;

    // The control and every widget inside it, also those it creates later.
    void addSource(QWidget* control, DragSource source);
    void removeSource(QWidget* control);
    void addDropTarget(QWidget* target, DropHandler handler);
    void removeDropTarget(QWidget* target);

    bool dragging() const { return !dragged_.isNull(); }

    // Raised, once the drag has ended, when the pointer leaves the window while a control is
    // dragged; the mouse button is still held. Without a handler the drag follows the pointer
    // outside as inside.
    std::function<void(const DragSource& source, QWidget* control, const QPoint& grabOffset)>
        LeftWindow;
    // The outline while a drag runs, for the window's users to see where it is.
    QWidget* outline() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchTree(QWidget* widget);
    QWidget* sourceOf(QWidget* widget) const;
    void begin(QWidget* control, const QPoint& globalPosition);
    void follow(const QPoint& globalPosition);
    void finish(const QPoint& globalPosition);
    void cancel();

    QWidget* window_;
    QRubberBand* outline_;
    std::map<QWidget*, DragSource> sources_;
    std::map<QWidget*, DropHandler> targets_;
    QPointer<QWidget> dragged_;
    DragSource draggedSource_;
    QPoint grabOffset_;
};

} // namespace toolkit
