// Reference counting and QueryInterface written once. A class lists the interfaces it
// implements: `class Card final : public ComObject<Card, _Tessel, IWidgetControl> {...}`.
// QueryInterface answers IUnknown (always the same pointer, the object's identity), every
// listed interface and every interface a listed one extends; a class that must answer an
// identifier known only at run time defines `void* queryExtraInterface(const IID&)`.
// Objects start with one reference, which the creator owns.
#pragma once

#include "platform/com/interface_traits.h"
#include "platform/com/server_module.h"

#include <atomic>
#include <concepts>
#include <tuple>
#include <type_traits>

namespace com {

namespace detail {

template <typename Interface>
void* castToInterface(Interface* object, const IID& iid) {
    if (iid == InterfaceTraits<Interface>::iid())
        return object;
    using Base = typename InterfaceTraits<Interface>::Base;
    if constexpr (!std::is_same_v<Base, IUnknown>)
        return castToInterface<Base>(static_cast<Base*>(object), iid);
    else
        return nullptr;
}

} // namespace detail

template <typename Derived, typename... Interfaces>
class ComObject : public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0, "an object implements at least one interface");
    using Primary = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        void* found = nullptr;
        if (iid == IID_IUnknown) {
            found = identity();
        } else {
            ((found =
                  found ? found
                        : detail::castToInterface<Interfaces>(static_cast<Interfaces*>(this), iid)),
             ...);
        }
        if constexpr (requires(Derived & d, const IID& i) {
                          { d.queryExtraInterface(i) } -> std::same_as<void*>;
                      }) {
            if (!found)
                found = static_cast<Derived*>(this)->queryExtraInterface(iid);
        }
        if (!found)
            return E_NOINTERFACE;
        AddRef();
        *out = found;
        return S_OK;
    }

    std::uint32_t AddRef() override { return ++references_; }

    std::uint32_t Release() override {
        const std::uint32_t left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    IUnknown* identity() { return static_cast<IUnknown*>(static_cast<Primary*>(this)); }

protected:
    // `module` counts this object as alive until it is destroyed (null for objects whose code
    // does not live in a server library that could be unloaded).
    explicit ComObject(ServerModule* module = nullptr)
        : module_(module) {
        if (module_)
            module_->objectCreated();
    }
    virtual ~ComObject() {
        if (module_)
            module_->objectDestroyed();
    }

private:
    std::atomic<std::uint32_t> references_{1};
    ServerModule* module_;
};

} // namespace com
