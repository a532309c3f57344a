// The test server library: one control class, its class factory and the four entry points.
#include "platform/com/class_factory.h"
#include "platform/com/connection_point.h"
#include "platform/com/dispatch_binder.h"
#include "platform/com/server_exports.h"
#include "platform/com/server_registration.h"
#include "tests/com/counter_contract.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

using namespace com;

namespace {

ServerModule& thisModule() {
    static ServerModule module;
    return module;
}

constexpr ParameterDescription kAddParameters[] = {
    {"amount", ValueType::Int32},
    {"times", ValueType::Variant, true},
};
constexpr MemberDescription kCounterMembers[] = {
    {"Count", counter::DISPID_Count, MemberKind::Property, ValueType::Int32},
    {"Label", counter::DISPID_Label, MemberKind::Property, ValueType::String},
    {"Add", counter::DISPID_Add, MemberKind::Method, ValueType::Int32, kAddParameters},
};
constexpr InterfaceDescription kCounterInterface{
    "ICounter", counter::IID_ICounter, InterfaceDual | InterfaceDispatchable, kCounterMembers};
constexpr InterfaceDescription kCounterEvents{
    "CounterEvents", counter::DIID_CounterEvents, InterfaceDispatchable, {}};
constexpr ClassDescription kCounterClass[] = {{"Counter", counter::CLSID_Counter,
                                               ClassCanCreate | ClassControl, &kCounterInterface,
                                               &kCounterEvents}};
constexpr const InterfaceDescription* kInterfaces[] = {&kCounterInterface, &kCounterEvents};
constexpr TypeLibraryDescription kTypeLibrary{"CounterLibrary",
                                              counter::LIBID_CounterLibrary,
                                              2,
                                              1,
                                              0x409,
                                              "Counter test library",
                                              kCounterClass,
                                              kInterfaces};

class Counter final
    : public ComObject<Counter, IDispatch, IConnectionPointContainer, IWidgetControl> {
public:
    explicit Counter(ServerModule& module)
        : ComObject(&module)
        , events_(ConnectionPoint::create(counter::DIID_CounterEvents)) {}
    ~Counter() override {
        events_->disconnectAll();
        delete widget_.data();
    }

    HRESULT GetTypeInfoCount(std::uint32_t* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(std::uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const QString* names, std::uint32_t count, LCID,
                          DISPID* ids) override {
        return idsOfNames(kCounterInterface, names, count, ids);
    }
    HRESULT Invoke(DISPID member, const IID&, LCID, std::uint16_t flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO*, std::uint32_t* argError) override {
        BoundCall call;
        const HRESULT hr = bindInvoke(kCounterInterface, member, flags, params, argError, &call);
        if (FAILED(hr))
            return hr;
        VARIANT ignored;
        VARIANT& out = result ? *result : ignored;
        switch (member) {
        case counter::DISPID_Count:
            if (call.propertyPut)
                count_ = call.value.lVal;
            else
                out = variantI4(count_);
            return S_OK;
        case counter::DISPID_Label:
            if (call.propertyPut)
                label_ = call.value.bstrVal;
            else
                out = variantBstr(label_);
            return S_OK;
        case counter::DISPID_Add:
            return add(call.arguments[0].lVal, call.arguments[1], &out);
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid != counter::DIID_CounterEvents)
            return CONNECT_E_NOCONNECTION;
        return events_->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(out));
    }

    HRESULT GetMiscStatus(std::uint32_t* status) override {
        *status = counter::kMiscStatus;
        return S_OK;
    }
    HRESULT SetParentWidget(QWidget* parent) override {
        if (!parent) {
            delete widget_.data();
            return S_OK;
        }
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return E_UNEXPECTED;
        if (!widget_) {
            widget_ = new QWidget(parent);
            widget_->hide();
        } else {
            widget_->setParent(parent);
        }
        return S_OK;
    }
    HRESULT GetWidget(QWidget** widget) override {
        *widget = widget_.data();
        return widget_ ? S_OK : S_FALSE;
    }
    HRESULT Move(std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height) override {
        if (!widget_)
            return E_UNEXPECTED;
        widget_->setGeometry(left, top, width, height);
        return S_OK;
    }
    HRESULT Show(bool visible) override {
        if (!widget_)
            return E_UNEXPECTED;
        widget_->setVisible(visible);
        return S_OK;
    }

private:
    HRESULT add(std::int32_t amount, const VARIANT& times, VARIANT* result) {
        std::int32_t repeat = 1;
        if (!isMissing(times)) {
            const HRESULT hr = toI4(times, &repeat);
            if (FAILED(hr))
                return hr;
        }
        std::int32_t proposed = count_ + amount * repeat;
        VARIANT argument = variantByRef(&proposed);
        DISPPARAMS params{&argument, nullptr, 1, 0};
        events_->fire(counter::DISPID_Changing, params);
        count_ = proposed;
        *result = variantI4(count_);
        return S_OK;
    }

    ComPtr<ConnectionPoint> events_;
    QPointer<QWidget> widget_;
    std::int32_t count_ = 0;
    QString label_;
};

ServerRegistration registration() {
    static const ClassRegistration classes[] = {
        {&kCounterClass[0], QString::fromLatin1(counter::kProgId), counter::kMiscStatus, 0}};
    return ServerRegistration{moduleFilePath(reinterpret_cast<const void*>(&thisModule)),
                              QStringLiteral("2.1.0.0"), &kTypeLibrary, classes};
}

} // namespace

COM_SERVER_EXPORT HRESULT DllRegisterServer() {
    return registerServer(registration());
}

COM_SERVER_EXPORT HRESULT DllUnregisterServer() {
    return unregisterServer(registration());
}

COM_SERVER_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
    return getClassObject<Counter>(clsid, counter::CLSID_Counter, thisModule(), iid, out);
}

COM_SERVER_EXPORT HRESULT DllCanUnloadNow() {
    return thisModule().canUnloadNow() ? S_OK : S_FALSE;
}
