#include "platform/com/creation_error.h"
#include "platform/com/event_sink.h"
#include "platform/com/host.h"

#include <QCoreApplication>

namespace com {

struct ControlSite::Impl {
    struct Connection {
        ComPtr<IConnectionPoint> point;
        ComPtr<EventSink> sink;
        std::uint32_t cookie = 0;
    };
    ComPtr<IUnknown> object;
    ComPtr<IDispatch> dispatch;
    ComPtr<IWidgetControl> control;
    std::vector<Connection> connections;
};

namespace {

void report(HRESULT hr, HRESULT* status, QString* message) {
    if (status)
        *status = hr;
    if (message)
        *message = SUCCEEDED(hr) ? QString() : lastCreationError();
}

} // namespace

std::unique_ptr<ControlSite> ControlSite::create(const QString& progId, QWidget* parent,
                                                 HRESULT* status, QString* message) {
    auto impl = std::make_unique<Impl>();
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, IID_IUnknown, impl->object.putVoid());
    if (SUCCEEDED(hr)) {
        hr = impl->object.as(IID_IWidgetControl, &impl->control);
        if (SUCCEEDED(hr))
            hr = impl->object.as(IID_IDispatch, &impl->dispatch);
        if (FAILED(hr))
            recordCreationFailure(hr, QCoreApplication::translate(
                                          "ComponentModel",
                                          "\"%1\" is not a control: it lacks the widget or the "
                                          "dispatch interface")
                                          .arg(progId));
    }
    if (SUCCEEDED(hr) && parent) {
        hr = impl->control->SetParentWidget(parent);
        if (FAILED(hr))
            recordCreationFailure(hr, QCoreApplication::translate(
                                          "ComponentModel", "\"%1\" could not make its widget")
                                          .arg(progId));
    }
    report(hr, status, message);
    if (FAILED(hr))
        return nullptr;
    return std::unique_ptr<ControlSite>(new ControlSite(std::move(impl)));
}

ControlSite::ControlSite(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {}

ControlSite::~ControlSite() {
    for (Impl::Connection& connection : impl_->connections) {
        connection.sink->disconnect();
        connection.point->Unadvise(connection.cookie);
    }
    impl_->connections.clear();
    // Someone else may still hold the control; its widget leaves this container regardless.
    impl_->control->SetParentWidget(nullptr);
}

IUnknown* ControlSite::object() const {
    return impl_->object.get();
}

IDispatch* ControlSite::dispatch() const {
    return impl_->dispatch.get();
}

QWidget* ControlSite::widget() const {
    QWidget* widget = nullptr;
    if (FAILED(impl_->control->GetWidget(&widget)))
        return nullptr;
    return widget;
}

std::uint32_t ControlSite::miscStatus() const {
    std::uint32_t status = 0;
    if (FAILED(impl_->control->GetMiscStatus(&status)))
        return 0;
    return status;
}

HRESULT ControlSite::advise(const IID& events, EventHandler handler) {
    if (!handler)
        return E_POINTER;
    ComPtr<IConnectionPointContainer> container;
    HRESULT hr = impl_->object.as(IID_IConnectionPointContainer, &container);
    if (FAILED(hr))
        return hr;
    Impl::Connection connection;
    hr = container->FindConnectionPoint(events, connection.point.put());
    if (FAILED(hr))
        return hr;
    connection.sink = ComPtr<EventSink>::attach(new EventSink(events, std::move(handler)));
    hr = connection.point->Advise(connection.sink->identity(), &connection.cookie);
    if (FAILED(hr))
        return hr;
    impl_->connections.push_back(std::move(connection));
    return S_OK;
}

HRESULT ControlSite::move(int left, int top, int width, int height) {
    return impl_->control->Move(left, top, width, height);
}

HRESULT ControlSite::setVisible(bool visible) {
    return impl_->control->Show(visible);
}

} // namespace com
