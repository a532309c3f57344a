// The container side of the component model: creating a registered class by its programmatic
// identifier, driving it by DISPID, sinking its events and placing its widget in a window.
#pragma once

#include "platform/com/com_ptr.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace com {

// Looks the programmatic identifier up in the registry.
HRESULT CLSIDFromProgID(const QString& progId, CLSID* clsid);
// Loads the class's registered library (once per process) and asks its DllGetClassObject.
HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** out);
HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** out);
// Unloads the libraries whose DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();
// A readable account of the last failed creation on this thread: what was asked, what failed
// (registration, library path and loader message, missing export, class) and the status.
QString lastCreationError();

// Calls on a dispatch interface with the arguments in their natural order.
HRESULT DispatchPut(IDispatch* object, DISPID member, const VARIANT& value);
HRESULT DispatchGet(IDispatch* object, DISPID member, VARIANT* result);
HRESULT DispatchCall(IDispatch* object, DISPID member, std::vector<VARIANT> arguments,
                     VARIANT* result);

// One control in a container: its object, its dispatch interface, its widget in the parent
// widget and an event sink. Destroying the site unadvises the sink and releases the control.
class ControlSite {
public:
    // Called synchronously for every event the control raises; the arguments are the control's
    // own (by reference where the control passes them so), in the component model's order.
    using EventHandler = std::function<void(DISPID event, DISPPARAMS& arguments)>;

    // Creates the class registered as progId with its widget inside parent, hidden (a null
    // parent gives a control without a widget). On failure returns null and gives the status
    // and a readable message (also kept in lastCreationError()).
    static std::unique_ptr<ControlSite> create(const QString& progId, QWidget* parent,
                                               HRESULT* status = nullptr,
                                               QString* message = nullptr);
    ~ControlSite();
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    // The control itself, for QueryInterface (a host asks it for the direct-call interface).
    IUnknown* object() const;
    IDispatch* dispatch() const;
    // The control's widget, hidden until setVisible(true); null once it was destroyed with
    // its parent.
    QWidget* widget() const;
    std::uint32_t miscStatus() const;

    // Connects handler to the control's outgoing interface `events`.
    HRESULT advise(const IID& events, EventHandler handler);

    // Extender properties, in pixels of the parent; the control may keep its own size.
    HRESULT move(int left, int top, int width, int height);
    HRESULT setVisible(bool visible);

private:
    struct Impl;
    explicit ControlSite(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace com
