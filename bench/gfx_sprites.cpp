// Sprite throughput: sprites per second on the headless device (recording and not), and frames
// per second of 2000 sprites on the OpenGL device when a display is available.
#include <chrono>
#include <cstdio>
#include <memory>

#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/gfx/math.h"
#include "platform/gfx/sprite.h"
#include "platform/os/window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSpritesPerFrame = 2000;

gfx::PresentParams GameParams(os::Window* window)
{
    gfx::PresentParams p;
    p.backBufferWidth = 800;
    p.backBufferHeight = 600;
    p.backBufferFormat = gfx::kFormatA8R8G8B8;
    p.backBufferCount = 1;
    p.deviceWindow = window;
    p.enableAutoDepthStencil = true;
    p.autoDepthStencilFormat = gfx::kFormatD16;
    return p;
}

// One frame as the game draws sprites: a Begin and End around every sprite.
void DrawFrame(gfx::Device* device, gfx::Sprite* sprite, gfx::Texture* texture, int frame)
{
    device->Clear(0, nullptr, gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000, 1.0f, 0);
    device->BeginScene();
    const gfx::Rect cell{0, 0, 32, 32};
    for (int i = 0; i < kSpritesPerFrame; ++i) {
        const float x = static_cast<float>((i * 37 + frame) % 768);
        const float y = static_cast<float>((i * 53) % 568);
        sprite->Begin();
        sprite->DrawTransform(texture, &cell, gfx::MatrixTranslation(x, y, 0), 0xC0FFFFFF);
        sprite->End();
    }
    device->EndScene();
    device->Present();
}

gfx::Texture* SheetTexture(gfx::Device* device)
{
    gfx::Texture* texture = nullptr;
    device->CreateTexture(64, 64, 1, 0, gfx::kFormatA8R8G8B8, gfx::kPoolManaged, &texture);
    void* bits = nullptr;
    int32_t pitch = 0;
    texture->LockRect(0, &bits, &pitch);
    for (int i = 0; i < 64 * 64; ++i)
        static_cast<uint32_t*>(bits)[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
    texture->UnlockRect(0);
    return texture;
}

void BenchHeadless(bool recording)
{
    gfx::System* system = gfx::CreateSystem(gfx::Backend::kHeadless);
    gfx::Device* device = nullptr;
    system->CreateDevice(0, 0, GameParams(nullptr), &device);
    auto* headless = gfx::headless::AsHeadless(device);
    headless->SetRecording(recording);
    gfx::Sprite* sprite = nullptr;
    gfx::Sprite::Create(device, &sprite);
    gfx::Texture* texture = SheetTexture(device);
    constexpr int kFrames = 100;
    const auto start = Clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
        DrawFrame(device, sprite, texture, frame);
        headless->ClearRecords();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("headless, recording %s: %.0f sprites/s (%d frames of %d)\n", recording ? "on " : "off",
                kFrames * kSpritesPerFrame / seconds, kFrames, kSpritesPerFrame);
    texture->Release();
    sprite->Release();
    device->Release();
    system->Release();
}

void BenchGl()
{
    std::unique_ptr<os::Window> window;
    if (auto error = os::OpenGameWindow("Varnok sprite bench", &window)) {
        std::printf("opengl: skipped, %s\n", error->c_str());
        return;
    }
    gfx::System* system = gfx::CreateSystem(gfx::Backend::kOpenGl);
    gfx::Device* device = nullptr;
    if (!system || gfx::Failed(system->CreateDevice(0, 0, GameParams(window.get()), &device))) {
        std::printf("opengl: skipped, no device\n");
        if (system)
            system->Release();
        return;
    }
    gfx::gl::AsGl(device)->SetSwapInterval(0);
    device->SetTextureStageState(0, gfx::kTssMagFilter, gfx::kFilterLinear);
    device->SetTextureStageState(0, gfx::kTssMinFilter, gfx::kFilterLinear);
    gfx::Sprite* sprite = nullptr;
    gfx::Sprite::Create(device, &sprite);
    gfx::Texture* texture = SheetTexture(device);
    DrawFrame(device, sprite, texture, 0);
    constexpr int kFrames = 30;
    const auto start = Clock::now();
    for (int frame = 0; frame < kFrames; ++frame)
        DrawFrame(device, sprite, texture, frame);
    // Reading a pixel waits for the last frame to finish.
    gfx::Surface* back = nullptr;
    device->GetBackBuffer(&back);
    gfx::gl::AsGl(device)->ReadPixels(back);
    back->Release();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("opengl, no vsync: %.1f frames/s of %d sprites (%.0f sprites/s)\n", kFrames / seconds, kSpritesPerFrame,
                kFrames * kSpritesPerFrame / seconds);
    texture->Release();
    sprite->Release();
    device->Release();
    system->Release();
}

}  // namespace

int main()
{
    BenchHeadless(true);
    BenchHeadless(false);
    BenchGl();
    return 0;
}
