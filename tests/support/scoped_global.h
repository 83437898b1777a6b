// Swaps a global for the life of a test and puts the old value back, whatever the test does.
#pragma once

#include <utility>

template <typename T>
class ScopedGlobal {
public:
    ScopedGlobal(T& global, T value) : mGlobal(global), mSaved(std::move(global)) { mGlobal = std::move(value); }
    // Only saves: the test may change the global as it likes.
    explicit ScopedGlobal(T& global) : mGlobal(global), mSaved(global) {}
    ~ScopedGlobal() { mGlobal = std::move(mSaved); }
    ScopedGlobal(const ScopedGlobal&) = delete;
    ScopedGlobal& operator=(const ScopedGlobal&) = delete;

private:
    T& mGlobal;
    T mSaved;
};
