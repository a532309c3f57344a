// Owning pointer to a component-model interface: releases its reference when it goes.
#pragma once

#include "platform/com/interfaces.h"

#include <utility>

namespace com {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    static ComPtr attach(T* p) {
        ComPtr c;
        c.p_ = p;
        return c;
    }
    ComPtr(const ComPtr& other)
        : p_(other.p_) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept
        : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and gives the slot to fill.
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    template <typename U>
    HRESULT as(const IID& iid, ComPtr<U>* out) const {
        if (!p_)
            return E_POINTER;
        return p_->QueryInterface(iid, out->putVoid());
    }

private:
    T* p_ = nullptr;
};

} // namespace com
