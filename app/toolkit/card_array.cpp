#include "app/toolkit/card_array.h"

#include "app/toolkit/automatic_drag.h"
#include "app/toolkit/twips.h"

#include <QWidget>

namespace toolkit {

CardElement::CardElement(int index, std::unique_ptr<com::ControlSite> site)
    : index_(index)
    , site_(std::move(site)) {}

CardElement::~CardElement() = default;

int CardElement::Width() const {
    return widget() ? pixelsToTwips(widget()->width()) : 0;
}

int CardElement::Height() const {
    return widget() ? pixelsToTwips(widget()->height()) : 0;
}

bool CardElement::Visible() const {
    return widget() && !widget()->isHidden();
}

void CardElement::setLeft(int twips) {
    Move(twips, top_, Width(), Height());
}

void CardElement::setTop(int twips) {
    Move(left_, twips, Width(), Height());
}

void CardElement::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    site_->move(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height));
}

void CardElement::setVisible(bool visible) {
    site_->setVisible(visible);
}

CardArray::CardArray(QString name, QString progId, EventIds ids, QWidget* container,
                     AutomaticDrag* drag)
    : name_(std::move(name))
    , progId_(std::move(progId))
    , ids_(ids)
    , container_(container)
    , drag_(drag) {}

CardArray::~CardArray() = default;

CardElement* CardArray::item(int index) const {
    auto found = elements_.find(index);
    return found == elements_.end() ? nullptr : found->second.get();
}

com::HRESULT CardArray::Load(int index, QString* message) {
    if (index < 0 || index > 32767) {
        if (message)
            *message = QStringLiteral("%1(%2): index out of range").arg(name_).arg(index);
        return com::E_INVALIDARG;
    }
    if (exists(index)) {
        if (message)
            *message = QStringLiteral("%1(%2) already exists").arg(name_).arg(index);
        return kElementExists;
    }
    com::HRESULT status = com::S_OK;
    QString reason;
    auto site = com::ControlSite::create(progId_, container_, &status, &reason);
    if (!site) {
        if (message)
            *message = reason;
        return com::FAILED(status) ? status : com::E_FAIL;
    }
    site->advise(ids_.events, [this, index](com::DISPID event, com::DISPPARAMS& arguments) {
        dispatchEvent(index, event, arguments);
    });
    auto element = std::make_unique<CardElement>(index, std::move(site));
    CardElement* lowest = elements_.empty() ? nullptr : elements_.begin()->second.get();
    element->setVisible(false);
    if (lowest) {
        element->Move(lowest->Left(), lowest->Top(), lowest->Width(), lowest->Height());
        // Cards of one array stay together in the stacking, under the lowest element, so frames
        // that lie above the array keep covering every card.
        if (element->widget() && lowest->widget())
            element->widget()->stackUnder(lowest->widget());
    }
    if (QWidget* widget = element->widget()) {
        // The container's tab stop: a card takes the focus by tab and by click.
        widget->setFocusPolicy(Qt::StrongFocus);
        if (!elements_.empty()) {
            QWidget* previous = elements_.rbegin()->second->widget();
            if (previous && index > elements_.rbegin()->first)
                QWidget::setTabOrder(previous, widget);
        }
        if (drag_) {
            drag_->addSource(widget, DragSource{name_, index});
            drag_->addDropTarget(widget, [this, index](const DragSource& source, float x, float y) {
                if (DragDrop)
                    DragDrop(index, source, x, y);
            });
        }
    }
    elements_[index] = std::move(element);
    return com::S_OK;
}

void CardArray::dispatchEvent(int index, com::DISPID event, com::DISPPARAMS& arguments) {
    if (event == ids_.click) {
        if (Click)
            Click(index);
        return;
    }
    if (event != ids_.mouseDown || !MouseDown || arguments.cArgs < 4)
        return;
    // Arguments arrive last first: Y, X, Shift, Button.
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
    if (com::FAILED(com::toR4(arguments.rgvarg[0], &y)) ||
        com::FAILED(com::toR4(arguments.rgvarg[1], &x)) ||
        com::FAILED(com::toI2(arguments.rgvarg[2], &shift)) ||
        com::FAILED(com::toI2(arguments.rgvarg[3], &button)))
        return;
    MouseDown(index, button, shift, x, y);
}

} // namespace toolkit
