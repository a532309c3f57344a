// A control array of cards: elements created at run time by the component model from a
// registered programmatic identifier, addressed by index, whose events carry that index. Every
// element takes part in the window's automatic drag as a source named after the array and as a
// drop target.
#pragma once

#include "app/toolkit/drag_source.h"
#include "platform/com/host.h"

#include <functional>
#include <map>
#include <memory>
#include <QString>

class QWidget;

namespace toolkit {

class AutomaticDrag;

// One element. Left and Top are kept in twips as assigned; Width and Height are read back from
// the control, which may keep a size of its own.
class CardElement {
public:
    CardElement(int index, std::unique_ptr<com::ControlSite> site);
    ~CardElement();

    int index() const { return index_; }
    com::IDispatch* dispatch() const { return site_->dispatch(); }
    QWidget* widget() const { return site_->widget(); }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const;
    int Height() const;
    bool Visible() const;
    void setLeft(int twips);
    void setTop(int twips);
    void Move(int left, int top, int width, int height);
    void setVisible(bool visible);

private:
    int index_;
    std::unique_ptr<com::ControlSite> site_;
    int left_ = 0;
    int top_ = 0;
};

class CardArray {
public:
    struct EventIds {
        com::IID events;
        com::DISPID mouseDown;
        com::DISPID click;
    };
    // Raised by Load for an element that already exists (the toolkit's "object already loaded").
    static constexpr com::HRESULT kElementExists = com::hresult(0x800A0168);

    CardArray(QString name, QString progId, EventIds ids, QWidget* container, AutomaticDrag* drag);
    ~CardArray();
    CardArray(const CardArray&) = delete;
    CardArray& operator=(const CardArray&) = delete;

    const QString& name() const { return name_; }
    // Creates element `index` (0 to 32767), hidden, with the size and position of the lowest
    // element when there is one. S_OK, kElementExists, E_INVALIDARG, or the component model's
    // status with a readable message when the class cannot be created.
    com::HRESULT Load(int index, QString* message = nullptr);
    bool exists(int index) const { return elements_.count(index) != 0; }
    // Null when the element does not exist.
    CardElement* item(int index) const;
    CardElement* operator()(int index) const { return item(index); }

    std::function<void(int index, int button, int shift, float x, float y)> MouseDown;
    std::function<void(int index)> Click;
    std::function<void(int index, const DragSource& source, float x, float y)> DragDrop;

private:
    void dispatchEvent(int index, com::DISPID event, com::DISPPARAMS& arguments);

    QString name_;
    QString progId_;
    EventIds ids_;
    QWidget* container_;
    AutomaticDrag* drag_;
    std::map<int, std::unique_ptr<CardElement>> elements_;
};

} // namespace toolkit
