// Fuzz harness: the text .x reader on any bytes.
#include "platform/gfx/xfile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gfx/mesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    gfx::Mesh* mesh = nullptr;
    std::vector<gfx::MeshMaterial> materials;
    std::string error;
    gfx::LoadMeshFromXText(std::string_view(reinterpret_cast<const char*>(data), size), &mesh, &materials, &error);
    if (mesh)
        mesh->Release();
    return 0;
}
