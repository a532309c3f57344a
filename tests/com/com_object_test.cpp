// The server-side templates: identity and reference counting, the class factory, the module
// count behind DllCanUnloadNow, and the connection point.
#include "platform/com/class_factory.h"
#include "platform/com/com_ptr.h"
#include "platform/com/connection_point.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace com;

namespace {

// A dual interface and a second one, as a control would implement them.
struct IShape : IDispatch {
    virtual HRESULT Area(std::int32_t* area) = 0;

protected:
    ~IShape() = default;
};
struct ICorners : IUnknown {
    virtual HRESULT Count(std::int32_t* corners) = 0;

protected:
    ~ICorners() = default;
};
const IID IID_IShape{0x11111111, 0x2222, 0x3333, {4, 4, 4, 4, 4, 4, 4, 4}};
const IID IID_ICorners{0x11111111, 0x2222, 0x3333, {5, 5, 5, 5, 5, 5, 5, 5}};

} // namespace

template <>
struct com::InterfaceTraits<IShape> {
    using Base = IDispatch;
    static const IID& iid() { return IID_IShape; }
};
template <>
struct com::InterfaceTraits<ICorners> {
    using Base = IUnknown;
    static const IID& iid() { return IID_ICorners; }
};

namespace {

class Square final : public ComObject<Square, IShape, ICorners> {
public:
    explicit Square(ServerModule& module)
        : ComObject(&module) {}
    static inline bool failInitialise = false;
    HRESULT initialise() { return failInitialise ? E_OUTOFMEMORY : S_OK; }

    HRESULT GetTypeInfoCount(std::uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(std::uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const QString*, std::uint32_t, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT Invoke(DISPID, const IID&, LCID, std::uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                   std::uint32_t*) override {
        return E_NOTIMPL;
    }
    HRESULT Area(std::int32_t* area) override {
        *area = 16;
        return S_OK;
    }
    HRESULT Count(std::int32_t* corners) override {
        *corners = 4;
        return S_OK;
    }
};

const CLSID CLSID_Square{0x22222222, 0, 0, {1, 1, 1, 1, 1, 1, 1, 1}};

TEST(ComObject, EveryInterfaceLeadsToOneIdentityAndQueryInterfaceCounts) {
    ServerModule module;
    ComPtr<IShape> shape = ComPtr<IShape>::attach(new Square(module));
    EXPECT_EQ(module.objectCount(), 1);

    ComPtr<ICorners> corners;
    ASSERT_EQ(shape.as(IID_ICorners, &corners), S_OK);
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(corners.as(IID_IDispatch, &dispatch), S_OK) << "a base of a listed interface";
    EXPECT_EQ(static_cast<void*>(dispatch.get()), static_cast<void*>(shape.get()));
    ComPtr<IUnknown> fromShape, fromCorners;
    ASSERT_EQ(shape.as(IID_IUnknown, &fromShape), S_OK);
    ASSERT_EQ(corners.as(IID_IUnknown, &fromCorners), S_OK);
    EXPECT_EQ(fromShape.get(), fromCorners.get());

    void* out = &module;
    EXPECT_EQ(shape->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(shape->QueryInterface(IID_IShape, nullptr), E_POINTER);

    // shape, corners, dispatch, fromShape, fromCorners
    EXPECT_EQ(shape->AddRef(), 6u);
    EXPECT_EQ(shape->Release(), 5u);
    fromShape.reset();
    fromCorners.reset();
    dispatch.reset();
    corners.reset();
    EXPECT_EQ(module.objectCount(), 1);
    shape.reset();
    EXPECT_EQ(module.objectCount(), 0);
    EXPECT_TRUE(module.canUnloadNow());
}

TEST(ClassFactory, CreatesAnsweringOnlyWhatTheClassHasAndCountsLocks) {
    ServerModule module;
    ComPtr<IClassFactory> factory;
    void* wrong = &module;
    EXPECT_EQ(getClassObject<Square>(CLSID_Square, CLSID_Square, module, IID_IClassFactory,
                                     factory.putVoid()),
              S_OK);
    EXPECT_EQ(getClassObject<Square>(IID_IShape, CLSID_Square, module, IID_IClassFactory, &wrong),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(wrong, nullptr);
    EXPECT_EQ(module.objectCount(), 1) << "the factory itself keeps the library";

    ComPtr<ICorners> corners;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_ICorners, corners.putVoid()), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(corners->Count(&count), S_OK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(module.objectCount(), 2);

    ComPtr<IUnknown> refused;
    EXPECT_EQ(factory->CreateInstance(corners.get(), IID_IUnknown, refused.putVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IConnectionPoint, refused.putVoid()),
              E_NOINTERFACE);
    Square::failInitialise = true;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, refused.putVoid()), E_OUTOFMEMORY);
    Square::failInitialise = false;
    EXPECT_FALSE(refused);
    EXPECT_EQ(module.objectCount(), 2) << "refused objects are gone again";

    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.reset();
    corners.reset();
    EXPECT_FALSE(module.canUnloadNow());
    module.unlock();
    EXPECT_TRUE(module.canUnloadNow());
    module.unlock();
    module.lock();
    EXPECT_FALSE(module.canUnloadNow()) << "an unlock too many did not cancel a later lock";
}

// A sink that records the events it gets and may act on them.
class Sink final : public ComObject<Sink, IDispatch> {
public:
    explicit Sink(const IID& events)
        : events_(events) {}
    void* queryExtraInterface(const IID& iid) {
        return iid == events_ ? static_cast<IDispatch*>(this) : nullptr;
    }
    HRESULT GetTypeInfoCount(std::uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(std::uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const QString*, std::uint32_t, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT Invoke(DISPID member, const IID&, LCID, std::uint16_t flags, DISPPARAMS* params,
                   VARIANT*, EXCEPINFO*, std::uint32_t*) override {
        EXPECT_EQ(flags, DISPATCH_METHOD);
        received.push_back(member);
        if (onEvent)
            onEvent(*params);
        return result;
    }
    std::vector<DISPID> received;
    std::function<void(DISPPARAMS&)> onEvent;
    HRESULT result = S_OK;

private:
    IID events_;
};

const IID DIID_Events{0x33333333, 0, 0, {2, 2, 2, 2, 2, 2, 2, 2}};

TEST(ConnectionPoint, RaisesToEverySinkInOrderAndByReference) {
    ComPtr<ConnectionPoint> point = ConnectionPoint::create(DIID_Events);
    IID iid;
    ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, DIID_Events);

    auto first = ComPtr<Sink>::attach(new Sink(DIID_Events));
    auto second = ComPtr<Sink>::attach(new Sink(DIID_Events));
    auto unrelated = ComPtr<Sink>::attach(new Sink(IID_IShape));
    std::uint32_t a = 0, b = 0, c = 0;
    ASSERT_EQ(point->Advise(first->identity(), &a), S_OK);
    ASSERT_EQ(point->Advise(second->identity(), &b), S_OK);
    EXPECT_NE(a, b);
    EXPECT_EQ(point->Advise(unrelated->identity(), &c), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(c, 0u);

    first->onEvent = [](DISPPARAMS& p) { *p.rgvarg[0].piVal = 7; };
    std::int16_t seen = 0;
    second->onEvent = [&](DISPPARAMS& p) { seen = *p.rgvarg[0].piVal; };
    std::int16_t value = 1;
    VARIANT argument = variantByRef(&value);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(point->fire(5, params), S_OK);
    EXPECT_EQ(seen, 7) << "the second sink sees what the first wrote";
    EXPECT_EQ(value, 7) << "and so does the one that raised the event";

    EXPECT_EQ(point->Unadvise(a), S_OK);
    EXPECT_EQ(point->Unadvise(a), CONNECT_E_NOCONNECTION);
    second->onEvent = nullptr;
    DISPPARAMS none;
    point->fire(6, none);
    EXPECT_EQ(first->received, std::vector<DISPID>{5});
    EXPECT_EQ(second->received, (std::vector<DISPID>{5, 6}));
}

TEST(ConnectionPoint, ASinkMayUnadviseOthersWhileAnEventRunsAndFailuresAreReported) {
    ComPtr<ConnectionPoint> point = ConnectionPoint::create(DIID_Events);
    auto first = ComPtr<Sink>::attach(new Sink(DIID_Events));
    auto second = ComPtr<Sink>::attach(new Sink(DIID_Events));
    auto third = ComPtr<Sink>::attach(new Sink(DIID_Events));
    std::uint32_t a = 0, b = 0, c = 0;
    ASSERT_EQ(point->Advise(first->identity(), &a), S_OK);
    ASSERT_EQ(point->Advise(second->identity(), &b), S_OK);
    ASSERT_EQ(point->Advise(third->identity(), &c), S_OK);
    first->onEvent = [&](DISPPARAMS&) {
        point->Unadvise(b);
        point->Unadvise(a);
    };
    third->result = E_FAIL;
    DISPPARAMS none;
    EXPECT_EQ(point->fire(1, none), E_FAIL);
    EXPECT_EQ(first->received.size(), 1u);
    EXPECT_TRUE(second->received.empty());
    EXPECT_EQ(third->received.size(), 1u);
    EXPECT_EQ(point->sinkCount(), 1u);
    point->disconnectAll();
    EXPECT_EQ(point->sinkCount(), 0u);
}

} // namespace
