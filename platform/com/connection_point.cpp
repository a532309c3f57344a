#include "platform/com/connection_point.h"

#include <algorithm>

namespace com {

ConnectionPoint::ConnectionPoint(const IID& events)
    : events_(events) {}

ComPtr<ConnectionPoint> ConnectionPoint::create(const IID& events) {
    return ComPtr<ConnectionPoint>::attach(new ConnectionPoint(events));
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid)
        return E_POINTER;
    *iid = events_;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, std::uint32_t* cookie) {
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(events_, dispatch.putVoid())) || !dispatch)
        return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.push_back({*cookie, std::move(dispatch)});
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [cookie](const Sink& s) { return s.cookie == cookie; });
    if (found == sinks_.end())
        return CONNECT_E_NOCONNECTION;
    // The sink's last reference may go here; take it out of the list first, since its
    // destruction may call back into this connection point.
    const ComPtr<IDispatch> released = std::move(found->dispatch);
    sinks_.erase(found);
    return S_OK;
}

HRESULT ConnectionPoint::fire(DISPID event, DISPPARAMS& arguments) {
    // Handlers run synchronously and may unadvise, advise or release this object.
    const ComPtr<ConnectionPoint> keepAlive = [this] {
        AddRef();
        return ComPtr<ConnectionPoint>::attach(this);
    }();
    const std::vector<Sink> snapshot = sinks_;
    HRESULT firstFailure = S_OK;
    for (const Sink& sink : snapshot) {
        const bool stillAdvised = std::any_of(
            sinks_.begin(), sinks_.end(), [&](const Sink& s) { return s.cookie == sink.cookie; });
        if (!stillAdvised)
            continue;
        const HRESULT hr = sink.dispatch->Invoke(event, GUID_NULL, 0, DISPATCH_METHOD, &arguments,
                                                 nullptr, nullptr, nullptr);
        if (FAILED(hr) && SUCCEEDED(firstFailure))
            firstFailure = hr;
    }
    return firstFailure;
}

void ConnectionPoint::disconnectAll() {
    std::vector<Sink> released;
    released.swap(sinks_);
}

} // namespace com
