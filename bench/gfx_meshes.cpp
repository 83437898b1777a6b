// Meshes drawn per second: 500 textured meshes a frame through DrawSubset, on the headless
// backend (uncapped, draws checked but not recorded) and on the OpenGL backend without vsync
// when a display can be opened (run under xvfb-run for Mesa's software renderer). The GL line
// also gives the calling thread's own CPU time per mesh, which a busy machine disturbs less.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <time.h>

#include "platform/gfx/device.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"
#include "platform/gfx/xfile.h"
#include "platform/os/window.h"

namespace {

constexpr int kMeshesPerFrame = 500;

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

// A rock-sized ring of quads: 16 x 8 vertices, 224 triangles, one textured material.
std::string RingText()
{
    const int around = 16, across = 8;
    std::ostringstream x;
    x << "xof 0302txt 0032\nMesh Ring {\n" << around * across << ";\n";
    for (int j = 0; j < across; ++j)
        for (int i = 0; i < around; ++i) {
            float a = 6.2831853f * i / around, b = 6.2831853f * j / across;
            x << (1 + 0.3f * std::cos(b)) * std::cos(a) << ";" << (1 + 0.3f * std::cos(b)) * std::sin(a) << ";"
              << 0.3f * std::sin(b) << ";" << (j * around + i + 1 < around * across ? "," : ";") << "\n";
        }
    int faces = around * (across - 1) * 2;
    x << faces << ";\n";
    int written = 0;
    for (int j = 0; j + 1 < across; ++j)
        for (int i = 0; i < around; ++i) {
            int a = j * around + i, b = j * around + (i + 1) % around, c = a + around, d = b + around;
            x << "3;" << a << "," << b << "," << d << ";,\n3;" << a << "," << d << "," << c << ";"
              << (++written * 2 == faces ? ";" : ",") << "\n";
        }
    x << "MeshTextureCoords { " << around * across << ";\n";
    for (int v = 0; v < around * across; ++v)
        x << (v % around) / float(around) << ";" << (v / around) / float(across) << ";"
          << (v + 1 < around * across ? "," : ";") << "\n";
    x << "}\nMeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { \"rock.png\"; } } "
         "}\n}\n";
    return x.str();
}

void Run(const char* name, gfx::System* system, os::Window* window, bool headless)
{
    gfx::PresentParams params;
    params.backBufferWidth = 800;
    params.backBufferHeight = 600;
    params.backBufferFormat = gfx::kFormatA8R8G8B8;
    params.backBufferCount = 1;
    params.deviceWindow = window;
    params.enableAutoDepthStencil = true;
    params.autoDepthStencilFormat = gfx::kFormatD16;
    gfx::Device* device = nullptr;
    if (gfx::Failed(system->CreateDevice(0, gfx::kCreateHardwareVertexProcessing, params, &device))) {
        std::printf("%s: no device\n", name);
        return;
    }
    if (headless)
        gfx::headless::AsHeadless(device)->SetRecording(false);
    else
        gfx::gl::AsGl(device)->SetSwapInterval(0);

    gfx::Mesh* mesh = nullptr;
    std::vector<gfx::MeshMaterial> materials;
    if (gfx::Failed(gfx::LoadMeshFromXText(RingText(), &mesh, &materials))) {
        std::printf("%s: mesh did not load\n", name);
        device->Release();
        return;
    }
    gfx::Texture* texture = nullptr;
    device->CreateTexture(64, 64, 1, 0, gfx::kFormatA8R8G8B8, gfx::kPoolManaged, &texture);
    device->SetTexture(0, texture);
    device->SetTransform(gfx::kTransformView, gfx::MatrixLookAtLH({0, 0, -30}, {0, 0, 1}, {0, 1, 0}));
    device->SetTransform(gfx::kTransformProjection,
                         gfx::MatrixPerspectiveFovLH(0.785398f, 800.0f / 600.0f, 1.0f, 1000.0f));
    gfx::Material material;
    material.diffuse = material.ambient = material.emissive = {0.5f, 0.5f, 0.5f, 0.5f};

    auto frame = [&](int f) {
        device->Clear(0, nullptr, gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000u, 1.0f, 0);
        device->BeginScene();
        for (int i = 0; i < kMeshesPerFrame; ++i) {
            gfx::Matrix world = gfx::MatrixMultiply(
                gfx::MatrixMultiply(gfx::MatrixScaling(1.5f, 1.5f, 1.5f), gfx::MatrixRotationZ(0.01f * (i + f))),
                gfx::MatrixTranslation(float(i % 25) * 2.0f - 24.0f, float(i / 25) * 2.0f - 19.0f, 30.0f));
            device->SetTransform(gfx::kTransformWorld, world);
            device->SetMaterial(material);
            mesh->DrawSubset(device, 0);
        }
        device->EndScene();
        device->Present();
    };
    frame(0);  // warm-up: shader compilation and first uploads
    const int frames = headless ? 200 : 60;
    const double cpuStart = ThreadCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    for (int f = 1; f <= frames; ++f)
        frame(f);
    if (!headless) {
        // Reading a pixel waits for the last frame to finish.
        gfx::Surface* back = nullptr;
        device->GetBackBuffer(&back);
        gfx::gl::AsGl(device)->ReadPixels(back);
        back->Release();
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuPerMesh = (ThreadCpuSeconds() - cpuStart) / (frames * kMeshesPerFrame);
    std::printf(
        "%s: %d frames of %d meshes (%u triangles each) in %.3f s: %.0f meshes/s, %.1f frames/s, "
        "%.2f us of this thread's CPU per mesh\n",
        name, frames, kMeshesPerFrame, mesh->GetNumFaces(), seconds, frames * kMeshesPerFrame / seconds,
        frames / seconds, cpuPerMesh * 1e6);
    device->SetTexture(0, nullptr);
    if (texture)
        texture->Release();
    mesh->Release();
    device->Release();
}

}  // namespace

int main()
{
    if (gfx::System* system = gfx::CreateSystem(gfx::Backend::kHeadless)) {
        auto window = os::OpenHeadlessWindow();
        Run("headless", system, window.get(), true);
        system->Release();
    }
    std::unique_ptr<os::Window> window;
    if (auto error = os::OpenGameWindow("Varnok mesh bench", &window)) {
        std::printf("opengl: skipped (%s)\n", error->c_str());
        return 0;
    }
    if (gfx::System* system = gfx::CreateSystem(gfx::Backend::kOpenGl)) {
        Run("opengl", system, window.get(), false);
        system->Release();
    }
    return 0;
}
