// The connection point of one outgoing dispatch interface. A control owns one per event
// interface; the host advises its sink there, and the control raises each event by DISPID
// through every sink's IDispatch::Invoke, synchronously and in the order the sinks were advised.
#pragma once

#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"

#include <vector>

namespace com {

class ConnectionPoint final : public ComObject<ConnectionPoint, IConnectionPoint> {
public:
    static ComPtr<ConnectionPoint> create(const IID& events);

    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;

    // Invokes `event` with DISPATCH_METHOD on every sink. A sink may unadvise itself or others
    // while the event runs; one that is gone by its turn is skipped. Gives the first failure a
    // sink reported, after every sink had its turn.
    HRESULT fire(DISPID event, DISPPARAMS& arguments);
    // Drops every sink, when the object that raises the events goes away.
    void disconnectAll();
    std::size_t sinkCount() const { return sinks_.size(); }

private:
    explicit ConnectionPoint(const IID& events);
    ~ConnectionPoint() override = default;

    struct Sink {
        std::uint32_t cookie;
        ComPtr<IDispatch> dispatch;
    };
    IID events_;
    std::vector<Sink> sinks_;
    std::uint32_t nextCookie_ = 1;
};

} // namespace com
