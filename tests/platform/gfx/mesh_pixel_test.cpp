// A .x mesh drawn by the OpenGL device: lit with no lights, textured, back faces culled.
#include <filesystem>
#include <fstream>

#include "gl_test_support.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/math.h"
#include "platform/gfx/xfile.h"

namespace gfx::gl {
namespace {

// Two triangles in clip space (identity transforms): the left one clockwise on screen (front),
// the right one its mirror image (back, culled).
const char kTwoFaces[] = R"(xof 0302txt 0032
Mesh Faces {
 6;
 -0.9;-0.9;0.5;, -0.9;0.9;0.5;, -0.1;0.9;0.5;,
 0.9;-0.9;0.5;, 0.9;0.9;0.5;, 0.1;0.9;0.5;;
 2;
 3;0,1,2;,
 3;3,4,5;;
 MeshNormals { 1; 0;0;-1;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshTextureCoords { 6; 0;1;, 0;0;, 1;0;, 0;1;, 0;0;, 1;0;; }
 MeshMaterialList { 1; 2; 0, 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { "+skin.png"; } } }
}
)";

TEST_F(GlPixelTest, XMeshIsLitTexturedAndCulled)
{
    std::filesystem::path file = std::filesystem::temp_directory_path() / "varnok_mesh_pixel_test.x";
    std::ofstream(file) << kTwoFaces;
    Mesh* mesh = nullptr;
    std::vector<MeshMaterial> materials;
    ASSERT_EQ(LoadMeshFromX(file.string(), &mesh, &materials), kOk);
    std::filesystem::remove(file);
    ASSERT_EQ(materials.size(), 1u);
    EXPECT_EQ(materials[0].textureFilename, "+skin.png");

    Texture* texture = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(4, 4, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture), kOk);
    void* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(texture->LockRect(0, &bits, &pitch), kOk);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(bits) + y * pitch)[x] = 0xFF40C080u;
    texture->UnlockRect(0);

    Matrix identity = MatrixIdentity();
    mDevice->SetTransform(kTransformWorld, identity);
    mDevice->SetTransform(kTransformView, identity);
    mDevice->SetTransform(kTransformProjection, identity);
    mDevice->SetRenderState(kRsLighting, 1);
    mDevice->SetRenderState(kRsAmbient, 0xFF808080u);
    mDevice->SetTextureStageState(0, kTssColorOp, kTopModulate);
    mDevice->SetTextureStageState(0, kTssColorArg1, kTaTexture);
    mDevice->SetTextureStageState(0, kTssColorArg2, kTaDiffuse);
    mDevice->SetTextureStageState(0, kTssAlphaOp, kTopSelectArg1);
    mDevice->SetTextureStageState(0, kTssAlphaArg1, kTaTexture);
    // No light: colour = emissive + ambient x material ambient = 0.5 grey.
    Material material;
    material.ambient = {1, 1, 1, 1};
    material.diffuse = {0, 0, 0, 1};
    mDevice->SetMaterial(material);
    mDevice->SetTexture(0, texture);

    mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0xFF000000u, 1.0f, 0);
    mDevice->BeginScene();
    ASSERT_EQ(mesh->DrawSubset(mDevice, 0), kOk);
    mDevice->EndScene();

    EXPECT_TRUE(Near(Pixel(100, 100), 0xFF206040u)) << std::hex << Pixel(100, 100);
    EXPECT_EQ(Pixel(700, 100), 0xFF000000u) << "the mirrored face is a back face";
    EXPECT_EQ(Pixel(400, 580), 0xFF000000u);

    // With culling off the back face shows too.
    mDevice->SetRenderState(kRsCullMode, kCullNone);
    mDevice->BeginScene();
    mesh->DrawSubset(mDevice, 0);
    mDevice->EndScene();
    EXPECT_TRUE(Near(Pixel(700, 100), 0xFF206040u)) << std::hex << Pixel(700, 100);

    mDevice->SetTexture(0, nullptr);
    texture->Release();
    mesh->Release();
}

}  // namespace
}  // namespace gfx::gl
