#include "platform/com/event_sink.h"

#include <exception>
#include <QtGlobal>

namespace com {

EventSink::EventSink(const IID& events, ControlSite::EventHandler handler)
    : events_(events)
    , handler_(std::move(handler)) {}

void* EventSink::queryExtraInterface(const IID& iid) {
    return iid == events_ ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT EventSink::GetTypeInfoCount(std::uint32_t* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(std::uint32_t, LCID, ITypeInfo** out) {
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(const IID&, const QString*, std::uint32_t, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT EventSink::Invoke(DISPID member, const IID&, LCID, std::uint16_t flags, DISPPARAMS* params,
                          VARIANT*, EXCEPINFO* exception, std::uint32_t*) {
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!handler_)
        return S_OK;
    // The handler may end the site and with it this sink's last other reference.
    AddRef();
    const ComPtr<EventSink> keepAlive = ComPtr<EventSink>::attach(this);
    DISPPARAMS none;
    // No exception of the host crosses into the control's code.
    try {
        const ControlSite::EventHandler handler = handler_;
        handler(member, params ? *params : none);
    } catch (const std::exception& e) {
        qWarning("event handler for DISPID %d failed: %s", member, e.what());
        if (exception)
            exception->scode = E_FAIL;
        return DISP_E_EXCEPTION;
    } catch (...) {
        qWarning("event handler for DISPID %d failed", member);
        if (exception)
            exception->scode = E_FAIL;
        return DISP_E_EXCEPTION;
    }
    return S_OK;
}

} // namespace com
