// Ties each interface type to its identifier and to the interface it extends, so that the
// object templates can answer QueryInterface from the list of interfaces a class implements.
// A library that defines an interface of its own specialises InterfaceTraits for it.
#pragma once

#include "platform/com/interfaces.h"

namespace com {

template <typename Interface>
struct InterfaceTraits;

template <>
struct InterfaceTraits<IUnknown> {
    static const IID& iid() { return IID_IUnknown; }
};

template <>
struct InterfaceTraits<IClassFactory> {
    using Base = IUnknown;
    static const IID& iid() { return IID_IClassFactory; }
};

template <>
struct InterfaceTraits<IDispatch> {
    using Base = IUnknown;
    static const IID& iid() { return IID_IDispatch; }
};

template <>
struct InterfaceTraits<IConnectionPoint> {
    using Base = IUnknown;
    static const IID& iid() { return IID_IConnectionPoint; }
};

template <>
struct InterfaceTraits<IConnectionPointContainer> {
    using Base = IUnknown;
    static const IID& iid() { return IID_IConnectionPointContainer; }
};

template <>
struct InterfaceTraits<IWidgetControl> {
    using Base = IUnknown;
    static const IID& iid() { return IID_IWidgetControl; }
};

} // namespace com
