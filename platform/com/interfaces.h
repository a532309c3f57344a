// The interfaces of the component model. Every interface derives from IUnknown; objects start
// with one reference and QueryInterface adds one. Identifiers are fixed once and never changed.
#pragma once

#include "platform/com/com_types.h"

class QWidget;

namespace com {

struct ITypeInfo; // not provided: GetTypeInfo answers E_NOTIMPL

struct IUnknown {
    virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
    virtual HRESULT GetTypeInfo(std::uint32_t index, LCID locale, ITypeInfo** out) = 0;
    virtual HRESULT GetIDsOfNames(const IID& iid, const QString* names, std::uint32_t count,
                                  LCID locale, DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID member, const IID& iid, LCID locale, std::uint16_t flags,
                           DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                           std::uint32_t* argError) = 0;

protected:
    ~IDispatch() = default;
};

struct IConnectionPoint : IUnknown {
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    // The sink must answer QueryInterface for the outgoing interface's IID (or IDispatch).
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
    virtual HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** out) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

// How a control hands its widget to the container. The container owns the extender properties
// (Left, Top, Width, Height, Visible) and applies them through Move and Show; the control may
// refuse a size, so the container reads the widget's geometry back after a Move.
struct IWidgetControl : IUnknown {
    virtual HRESULT GetMiscStatus(std::uint32_t* status) = 0;
    // Creates the control's widget as a child of parent, hidden (or moves it there). A null
    // parent takes the widget out of its container and destroys it; the control keeps its
    // state and makes a new widget at the next SetParentWidget. Needs a QApplication.
    virtual HRESULT SetParentWidget(QWidget* parent) = 0;
    // The widget, or null (with S_FALSE) while the control has none; a container may install
    // event filters on it and its children.
    virtual HRESULT GetWidget(QWidget** widget) = 0;
    // Position and size in pixels of the parent.
    virtual HRESULT Move(std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height) = 0;
    virtual HRESULT Show(bool visible) = 0;

protected:
    ~IWidgetControl() = default;
};

extern const IID IID_IUnknown;
extern const IID IID_IClassFactory;
extern const IID IID_IDispatch;
extern const IID IID_IConnectionPoint;
extern const IID IID_IConnectionPointContainer;
extern const IID IID_IWidgetControl;

} // namespace com
