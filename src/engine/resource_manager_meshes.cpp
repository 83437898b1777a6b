// Meshes and trails: the mesh cache, normalisation to a unit sphere, mesh drawing with its
// colour, translucency, wire-frame, "+"/"-" texture and glow rules, and camera-facing trails.
#include "engine/resource_manager.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "core/camera.h"
#include "core/graphics_globals.h"
#include "core/message_log.h"
#include "core/world_matrix.h"
#include "db/game_database.h"
#include "engine/unreadable_files.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"
#include "platform/gfx/xfile.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kTrailQuadMeshId = 0;
constexpr int kMaxTrailCopies = 40;

gfx::Material UniformMaterial(float r, float g, float b, float a)
{
    gfx::ColorValue c{r, g, b, a};
    gfx::Material m;
    m.diffuse = m.ambient = m.specular = m.emissive = c;
    return m;
}

// The material of a tinted, faded draw: each colour channel masked by the alpha, over 255.
gfx::Material TintMaterial(uint32_t colour, int alpha)
{
    uint32_t a = static_cast<uint32_t>(alpha);
    uint32_t r = ((colour >> 16) & 0xFF) & a;
    uint32_t g = ((colour >> 8) & 0xFF) & a;
    uint32_t b = (colour & 0xFF) & a;
    return UniformMaterial(r / 255.0f, g / 255.0f, b / 255.0f, static_cast<float>(alpha) / 255.0f);
}

void SetBlend(uint32_t source, uint32_t dest)
{
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
    gDevice->SetRenderState(gfx::kRsSrcBlend, source);
    gDevice->SetRenderState(gfx::kRsDestBlend, dest);
}

// Blends a translucent draw additively, faded by the texture factor's alpha.
void SetTranslucentBlend(uint32_t textureFactor)
{
    SetBlend(gfx::kBlendOne, gfx::kBlendOne);
    gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendTextureFactorAlpha);
    gDevice->SetRenderState(gfx::kRsTextureFactor, textureFactor);
}

// Whether a sphere lies wholly beyond one side of the view (left, right, top or bottom of the
// camera's rectangle, widened by the sphere's radius): then no triangle inside it reaches a pixel.
bool OutsideView(const Vec3& centre, float radius)
{
    gfx::Matrix view;
    gfx::Matrix projection;
    if (gfx::Failed(gDevice->GetTransform(gfx::kTransformView, &view)) ||
        gfx::Failed(gDevice->GetTransform(gfx::kTransformProjection, &projection)))
        return false;
    const gfx::Matrix m = gfx::MatrixMultiply(view, projection);
    for (int axis = 0; axis < 2; ++axis) {
        for (float sign : {1.0f, -1.0f}) {
            const float a = m.m[0][3] + sign * m.m[0][axis];
            const float b = m.m[1][3] + sign * m.m[1][axis];
            const float c = m.m[2][3] + sign * m.m[2][axis];
            const float d = m.m[3][3] + sign * m.m[3][axis];
            const float length = std::sqrt(a * a + b * b + c * c);
            if (length > 0.0f && a * centre.x + b * centre.y + c * centre.z + d < -radius * length)
                return true;
        }
    }
    return false;
}

// A mesh normalised to the unit sphere, placed by the record, lies within this radius of its position.
float BoundingRadius(const Vec3& scale)
{
    // A little over the largest scale, for the rounding of the normalisation and of the device.
    return std::max({std::fabs(scale.x), std::fabs(scale.y), std::fabs(scale.z)}) * 1.01f + 0.01f;
}

// The black glow material makes no colour while the light shines (it has none of its own).
bool BlackSilhouette()
{
    return gDevice->GetRenderState(gfx::kRsLighting) != 0;
}

// A black silhouette added onto the glow target changes only its alpha, and nothing where an opaque
// silhouette lies under it, as the backdrop plane's lies under all of flight.
bool SilhouetteOnlyAdds()
{
    return BlackSilhouette() && gDevice->GetRenderState(gfx::kRsAlphaBlendEnable) != 0 &&
           gDevice->GetRenderState(gfx::kRsDestBlend) == gfx::kBlendOne;
}

// The device calls of a mesh draw; any failure ends the game. A draw out of view makes the same
// state calls and leaves the triangles out.
class MeshDrawer {
public:
    MeshDrawer(gfx::Mesh* mesh, bool inView) : mMesh(mesh), mInView(inView) {}
    void Material(const gfx::Material& material) { Check(gDevice->SetMaterial(material)); }
    void Texture(gfx::Texture* texture) { Check(gDevice->SetTexture(0, texture)); }
    void Target(gfx::Surface* target) { Check(gDevice->SetRenderTarget(target, gDepthSurface)); }
    void Subset(uint32_t subset)
    {
        if (mInView)
            Check(mMesh->DrawSubset(gDevice, subset));
        else
            Check(gDevice->SetVertexShader(mMesh->GetFvf()));
    }
    bool InView() const { return mInView; }

private:
    static void Check(gfx::Result result)
    {
        if (gfx::Failed(result))
            os::PostFailureQuit("the drawing device refused to draw a mesh");
    }
    gfx::Mesh* mMesh;
    bool mInView;
};

}  // namespace

MeshEntry* CResourceManager::GetMesh(int meshId)
{
    auto cached = mMeshes.find(meshId);
    if (cached != mMeshes.end())
        return cached->second;

    auto* entry = new MeshEntry;
    entry->id = meshId;
    mMeshes.emplace(meshId, entry);
    gfx::Mesh* mesh = nullptr;
    std::vector<gfx::MeshMaterial> materials;
    const ResourceFileRecord* row = gGameDatabase.GetMesh(meshId);
    // Either way the id keeps an entry without a mesh, so nothing is drawn for it.
    if (!row) {
        os::PostFailureQuit("no mesh row for mesh %d", meshId);
        return entry;
    }
    std::string error;
    if (gfx::Failed(gfx::LoadMeshFromX(row->path, &mesh, &materials, &error))) {
        ReportUnreadableFile(row->path, "mesh " + std::to_string(meshId) + ": " + error);
        return entry;
    }
    entry->unitSphere = !gfx::Failed(NormalizeMesh(mesh));
    entry->mesh = mesh;
    for (gfx::MeshMaterial& material : materials) {
        std::string name = material.textureFilename;
        if (name.empty())
            continue;
        if (name[0] == '+') {
            std::string glowPath = "raster\\" + name;
            CreateTextureFromFile(glowPath);
            entry->texturePaths.push_back(glowPath);
            name[0] = '-';
        }
        std::string path = "raster\\" + name;
        CreateTextureFromFile(path);
        entry->texturePaths.push_back(path);
    }
    return entry;
}

gfx::Result CResourceManager::NormalizeMesh(gfx::Mesh* mesh)
{
    void* data = nullptr;
    gfx::Result result = mesh->LockVertexBuffer(0, &data);
    if (gfx::Failed(result))
        return result;
    uint32_t count = mesh->GetNumVertices();
    uint32_t stride = gfx::FvfVertexSize(mesh->GetFvf());
    gfx::Vector3 centre;
    float radius = 0.0f;
    gfx::ComputeBoundingSphere(data, count, stride, &centre, &radius);
    float factor = radius == 0.0f ? 1.0f : 1.0f / radius;
    auto* bytes = static_cast<uint8_t*>(data);
    for (uint32_t i = 0; i < count; ++i) {
        auto* position = reinterpret_cast<float*>(bytes + static_cast<size_t>(i) * stride);
        position[0] = (position[0] - centre.x) * factor;
        position[1] = (position[1] - centre.y) * factor;
        position[2] = (position[2] - centre.z) * factor;
    }
    return mesh->UnlockVertexBuffer();
}

void CResourceManager::RenderMesh(const MeshDrawRecord& record, bool additive)
{
    // An owner whose row was missing never filled its record.
    if (!record.position)
        return;
    try {
        gDevice->SetRenderState(gfx::kRsEdgeAntialias, 1);
        MeshEntry* entry = GetMesh(record.meshId);
        if (!entry->mesh)
            return;
        gDevice->SetTransform(gfx::kTransformWorld,
                              ObjectWorldMatrix(*record.scale, *record.rotation, *record.position));
        bool wire = gWireFrame != 0 || *record.wireFrame != 0;
        gDevice->SetRenderState(gfx::kRsFillMode, wire ? gfx::kFillWireframe : gfx::kFillSolid);

        int alpha = *record.alpha;
        uint32_t colour = *record.colour;
        if (colour == 0xFFFFFFFFu && alpha > 254) {
            gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
            mMeshMaterial = UniformMaterial(0.5f, 0.5f, 0.5f, 0.5f);
        } else {
            mMeshMaterial = TintMaterial(colour, alpha);
            if (alpha < 255 && !gNoSourceBlendCaps) {
                uint32_t a = static_cast<uint32_t>(alpha) & 0xFF;
                uint32_t rgb = colour & ((a << 16) | (a << 8) | a);
                SetTranslucentBlend((a << 24) | rgb);
            } else if (alpha >= 255) {
                gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
            }
        }

        bool glowPass = gShadersSupported && gGlowEnabled;
        gfx::Texture* glowTexture =
            record.glowSpriteId != 0 && glowPass ? FindSpriteTexture(record.glowSpriteId) : nullptr;
        bool hasGlowSprite = record.glowSpriteId != 0;
        const bool inView =
            !entry->unitSphere || !OutsideView(*record.position, BoundingRadius(*record.scale));
        MeshDrawer draw(entry->mesh, inView);
        uint32_t subset = 0;
        for (auto path = entry->texturePaths.begin(); path != entry->texturePaths.end(); ++path, ++subset) {
            bool plus = TextureNameBeginsWith(*path, '+');
            auto partner = plus ? std::next(path) : entry->texturePaths.end();
            auto own = mPathTextures.find(*path);
            if (own == mPathTextures.end()) {
                // The "-" partner of a skipped "+" texture belongs to the same subset.
                if (plus && partner != entry->texturePaths.end())
                    path = partner;
                continue;
            }
            bool blend = TextureNameBeginsWith(*path, '-') || additive;
            gfx::Texture* texture =
                record.textureSpriteId != 0 ? FindSpriteTexture(record.textureSpriteId) : own->second;
            draw.Material(mMeshMaterial);
            draw.Texture(texture);
            draw.Subset(subset);
            if (plus) {
                blend = true;
                if (partner == entry->texturePaths.end())
                    continue;
                // The partner's path shares this subset whether or not its texture loaded.
                path = partner;
                auto minus = mPathTextures.find(*partner);
                if (minus == mPathTextures.end())
                    continue;
                draw.Texture(minus->second);
            }
            if (!glowPass) {
                if (blend) {
                    SetBlend(gfx::kBlendDestAlpha, gfx::kBlendDestAlpha);
                    for (int copy = 0; copy < 5; ++copy)
                        draw.Subset(subset);
                    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
                }
                continue;
            }
            draw.Target(gGlowSurface);
            gDevice->SetRenderState(gfx::kRsZEnable, 1);
            gDevice->SetRenderState(gfx::kRsZFunc, gfx::kCmpLessEqual);
            const bool silhouette = !blend && !hasGlowSprite;
            if (silhouette) {
                draw.Material(gMeshMaterial);
                draw.Texture(nullptr);
            } else if (!blend) {
                draw.Texture(glowTexture);
            }
            // Only colour in the glow target makes the glow pass show.
            if (draw.InView() && !(silhouette && BlackSilhouette()))
                mGlowTargetDrawn = true;
            // Until colour comes, the target's alpha is not read.
            if (!(silhouette && !mGlowTargetDrawn && SilhouetteOnlyAdds()))
                draw.Subset(subset);
            draw.Target(gBackBuffer);
            gDevice->SetRenderState(gfx::kRsZEnable, 1);
            SetBlend(gfx::kBlendDestAlpha, gfx::kBlendDestAlpha);
            if (!blend && hasGlowSprite) {
                draw.Texture(glowTexture);
                draw.Subset(subset);
            } else if (blend) {
                draw.Subset(subset);
            }
            gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
        }
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
    } catch (...) {
        PostFlightMessage("Exception Caught Rendering Mesh");
    }
}

void CResourceManager::ReleaseTrailQuad()
{
    auto cached = mMeshes.find(kTrailQuadMeshId);
    if (cached != mMeshes.end()) {
        if (cached->second->mesh)
            cached->second->mesh->Release();
        delete cached->second;
        mMeshes.erase(cached);
    }
    mTrailQuad = nullptr;
}

bool CResourceManager::DrawTrailCopy(const gfx::Matrix& world, uint32_t colour, int alpha, gfx::Texture* texture)
{
    gfx::Material material =
        colour == 0xFFFFFFFFu && alpha == 255 ? UniformMaterial(0.5f, 0.5f, 0.5f, 0.5f) : TintMaterial(colour, alpha);
    gDevice->SetTransform(gfx::kTransformWorld, world);
    SetBlend(gfx::kBlendDestAlpha, gfx::kBlendDestAlpha);
    bool ok = !gfx::Failed(gDevice->SetMaterial(material)) && !gfx::Failed(gDevice->SetTexture(0, texture)) &&
              !gfx::Failed(mTrailQuad->DrawSubset(gDevice, 0));
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
    return ok;
}

void CResourceManager::DrawTrail(const TrailDrawRecord& record)
{
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
    gDevice->SetRenderState(gfx::kRsFillMode, gfx::kFillSolid);
    if (!record.position)
        return;
    int n = std::min(*record.copyCount, kMaxTrailCopies);
    if (n <= 0)
        n = 1;
    Vec3 p = *record.position;
    const int a0 = *record.alpha;
    const float s0 = *record.scale;
    if (!mTrailQuad)
        mTrailQuad = GetMesh(kTrailQuadMeshId)->mesh;
    if (!mTrailQuad)
        return;
    gfx::Texture* texture = FindSpriteTexture(record.spriteId);

    // The camera's orientation without its position: the square always faces the camera.
    gfx::Matrix billboard = gfx::MatrixIdentity();
    gfx::MatrixInverse(gCamera.GetView(), &billboard);
    const Vec3 step = Vec3::Scaled(*record.direction, *record.copySpacing);
    int a = a0;
    for (int k = 0; k < n; ++k) {
        p = Vec3::Difference(p, step);
        a -= a0 * k / (n + 5);
        float s = n > 4 ? (1.0f - static_cast<float>(k) / static_cast<float>(n + 5)) * s0 : s0;
        billboard.m[3][0] = p.x;
        billboard.m[3][1] = p.y;
        billboard.m[3][2] = p.z;
        gfx::Matrix world = gfx::MatrixMultiply(gfx::MatrixRotationZ(*record.angle), gfx::MatrixScaling(s, s, s));
        world = gfx::MatrixMultiply(world, billboard);
        if (!DrawTrailCopy(world, *record.colour, a, texture)) {
            os::PostFailureQuit("the drawing device refused to draw sprite %d", record.spriteId);
            return;
        }
    }
}
