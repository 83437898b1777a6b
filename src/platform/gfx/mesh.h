// Triangle meshes with subsets by attribute id: one vertex buffer in a flexible vertex
// format, three indices and one attribute id per face, drawn a subset at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/device.h"
#include "platform/gfx/gfx_types.h"

namespace gfx {

// A material of a mesh file, with its texture file name exactly as the file wrote it
// (empty when the material has no texture).
struct MeshMaterial {
    Material material;
    std::string textureFilename;
};

// The "no neighbour" entry of an adjacency array.
constexpr uint32_t kNoAdjacentFace = 0xFFFFFFFFu;

class Mesh : public Resource {
public:
    // A mesh that owns copies of the data: vertices holds vertexCount vertices of the format's
    // size, indices three per face, attributes one per face. Null when the sizes disagree, a
    // format has no position, or an index is out of range.
    static Mesh* Create(uint32_t fvf, std::vector<uint8_t> vertices, std::vector<uint32_t> indices,
                        std::vector<uint32_t> attributes);

    uint32_t GetNumVertices() const { return mVertexCount; }
    uint32_t GetNumFaces() const { return static_cast<uint32_t>(mAttributes.size()); }
    uint32_t GetFvf() const { return mFvf; }
    uint32_t GetVertexStride() const { return mStride; }

    // The vertices, in place; writes show in later draws. Locks nest; each needs its unlock.
    // kLockReadOnly is accepted and changes nothing here.
    Result LockVertexBuffer(uint32_t flags, void** data);
    // kInvalidCall when the buffer is not locked.
    Result UnlockVertexBuffer();

    const std::vector<uint32_t>& GetIndices() const { return mIndices; }
    const std::vector<uint32_t>& GetAttributes() const { return mAttributes; }
    const uint8_t* GetVertexData() const { return mVertices.data(); }

    // Draws the faces whose attribute id is attributeId, in face order, in the mesh's own
    // vertex format. An id without faces draws nothing and succeeds.
    Result DrawSubset(Device* device, uint32_t attributeId);

    // Three entries per face: the face across the edge (v0 v1), (v1 v2), (v2 v0), or
    // kNoAdjacentFace. Vertices whose positions differ by at most epsilon in every axis count
    // as one point; an edge shared by more than two faces links the first two in face order.
    Result GenerateAdjacency(float epsilon, std::vector<uint32_t>* adjacency) const;

private:
    Mesh() = default;
    void BuildSubsets();

    uint32_t mFvf = 0;
    uint32_t mStride = 0;
    uint32_t mVertexCount = 0;
    uint32_t mLockCount = 0;
    std::vector<uint8_t> mVertices;
    std::vector<uint32_t> mIndices;
    std::vector<uint32_t> mAttributes;
    // Indices of each attribute id's faces, gathered once so a draw is one call, and the largest
    // of each, so a draw need not look for it.
    std::vector<std::vector<uint32_t>> mSubsetIndices;
    std::vector<uint32_t> mSubsetLargest;
};

}  // namespace gfx
