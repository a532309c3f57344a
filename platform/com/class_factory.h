// The class factory of one class of a server library. The class is constructed from the
// library's ServerModule; if it has `HRESULT initialise()`, a failure there ends the creation.
// A factory counts as a live object of its library, so the library stays loaded while the
// host holds one.
#pragma once

#include "platform/com/com_object.h"

#include <new>

namespace com {

template <typename Class>
class ClassFactory final : public ComObject<ClassFactory<Class>, IClassFactory> {
public:
    explicit ClassFactory(ServerModule& module)
        : ComObject<ClassFactory<Class>, IClassFactory>(&module)
        , module_(module) {}

    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        Class* object = new (std::nothrow) Class(module_);
        if (!object)
            return E_OUTOFMEMORY;
        HRESULT hr = S_OK;
        if constexpr (requires(Class & c) {
                          { c.initialise() } -> std::same_as<HRESULT>;
                      })
            hr = object->initialise();
        if (SUCCEEDED(hr))
            hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }

    HRESULT LockServer(bool lock) override {
        if (lock)
            module_.lock();
        else
            module_.unlock();
        return S_OK;
    }

private:
    ServerModule& module_;
};

// The body of a library's DllGetClassObject for its one class.
template <typename Class>
HRESULT getClassObject(const CLSID& requested, const CLSID& provided, ServerModule& module,
                       const IID& iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (requested != provided)
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) ClassFactory<Class>(module);
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

} // namespace com
