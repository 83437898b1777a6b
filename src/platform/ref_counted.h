// The reference count shared by the platform layer's objects: Release returns the count left,
// and the object is destroyed when it reaches zero. Callers that "release until the count is
// zero" loop on it.
#pragma once

#include <cstdint>

namespace platform {

class RefCounted {
public:
    virtual ~RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    uint32_t AddRef() { return ++mRefCount; }
    // Returns the count left; the object is gone when it returns 0.
    uint32_t Release()
    {
        uint32_t left = --mRefCount;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    RefCounted() = default;

private:
    uint32_t mRefCount = 1;
};

}  // namespace platform
