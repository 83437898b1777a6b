// A GL device in its own window for pixel tests: skipped without a display unless
// VARNOK_REQUIRE_GL=1 demands one.
#pragma once

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gfx/gl/gl_device.h"
#include "platform/os/window.h"

namespace gfx::gl {

class GlPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (auto error = os::OpenGameWindow("Varnok pixel test", &mWindow)) {
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        mSystem = CreateSystem(Backend::kOpenGl);
        ASSERT_NE(mSystem, nullptr);
        PresentParams params;
        params.backBufferWidth = 800;
        params.backBufferHeight = 600;
        params.backBufferFormat = kFormatA8R8G8B8;
        params.backBufferCount = 1;
        params.deviceWindow = mWindow.get();
        params.enableAutoDepthStencil = true;
        params.autoDepthStencilFormat = kFormatD16;
        Device* device = nullptr;
        ASSERT_EQ(mSystem->CreateDevice(0, kCreateHardwareVertexProcessing, params, &device), kOk);
        mDevice = AsGl(device);
        ASSERT_NE(mDevice, nullptr);
        mDevice->SetSwapInterval(0);
        mDevice->GetBackBuffer(&mBack);
        mDevice->GetDepthStencilSurface(&mDepth);
    }

    void TearDown() override
    {
        if (mBack)
            mBack->Release();
        if (mDepth)
            mDepth->Release();
        if (mDevice)
            mDevice->Release();
        if (mSystem)
            mSystem->Release();
        mWindow.reset();
    }

    // The back buffer's pixel at (x, y), 0xAARRGGBB.
    uint32_t Pixel(int x, int y) { return PixelOf(mBack, x, y); }
    uint32_t PixelOf(Surface* target, int x, int y)
    {
        std::vector<uint32_t> pixels = mDevice->ReadPixels(target);
        return pixels.at(static_cast<size_t>(y) * target->GetDesc().width + x);
    }

    std::unique_ptr<os::Window> mWindow;
    System* mSystem = nullptr;
    GlDevice* mDevice = nullptr;
    Surface* mBack = nullptr;
    Surface* mDepth = nullptr;
};

// Channels of two colours differ by at most tolerance.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 2)
{
    for (int shift = 0; shift < 32; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF);
        int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance)
            return false;
    }
    return true;
}

}  // namespace gfx::gl
