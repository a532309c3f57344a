// The host's end of a connection: a dispatch object that the control calls for every event of
// one outgoing interface and that hands each call to a function of the host.
#pragma once

#include "platform/com/com_object.h"
#include "platform/com/host.h"

namespace com {

class EventSink final : public ComObject<EventSink, IDispatch> {
public:
    EventSink(const IID& events, ControlSite::EventHandler handler);

    void* queryExtraInterface(const IID& iid);

    HRESULT GetTypeInfoCount(std::uint32_t* count) override;
    HRESULT GetTypeInfo(std::uint32_t index, LCID locale, ITypeInfo** out) override;
    HRESULT GetIDsOfNames(const IID& iid, const QString* names, std::uint32_t count, LCID locale,
                          DISPID* ids) override;
    HRESULT Invoke(DISPID member, const IID& iid, LCID locale, std::uint16_t flags,
                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   std::uint32_t* argError) override;

    // After this the sink ignores further events (the host is going away).
    void disconnect() { handler_ = nullptr; }

private:
    IID events_;
    ControlSite::EventHandler handler_;
};

} // namespace com
