// Meshes: storage, subset drawing and face adjacency.
#include "platform/gfx/mesh.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numeric>
#include <utility>

#include "platform/gfx/math.h"

namespace gfx {

Mesh* Mesh::Create(uint32_t fvf, std::vector<uint8_t> vertices, std::vector<uint32_t> indices,
                   std::vector<uint32_t> attributes)
{
    uint32_t stride = FvfVertexSize(fvf);
    if ((fvf & kFvfPositionMask) == 0 || stride == 0 || vertices.size() % stride != 0)
        return nullptr;
    if (indices.size() != attributes.size() * 3)
        return nullptr;
    uint32_t vertexCount = static_cast<uint32_t>(vertices.size() / stride);
    for (uint32_t index : indices)
        if (index >= vertexCount)
            return nullptr;
    Mesh* mesh = new Mesh;
    mesh->mFvf = fvf;
    mesh->mStride = stride;
    mesh->mVertexCount = vertexCount;
    mesh->mVertices = std::move(vertices);
    mesh->mIndices = std::move(indices);
    mesh->mAttributes = std::move(attributes);
    mesh->BuildSubsets();
    return mesh;
}

void Mesh::BuildSubsets()
{
    uint32_t highest = 0;
    for (uint32_t id : mAttributes)
        highest = std::max(highest, id);
    mSubsetIndices.assign(mAttributes.empty() ? 0 : highest + 1, {});
    mSubsetLargest.assign(mSubsetIndices.size(), 0);
    for (size_t face = 0; face < mAttributes.size(); ++face) {
        auto& list = mSubsetIndices[mAttributes[face]];
        list.insert(list.end(), mIndices.begin() + face * 3, mIndices.begin() + face * 3 + 3);
        uint32_t& largest = mSubsetLargest[mAttributes[face]];
        largest = std::max({largest, mIndices[face * 3], mIndices[face * 3 + 1], mIndices[face * 3 + 2]});
    }
}

Result Mesh::LockVertexBuffer(uint32_t, void** data)
{
    if (!data)
        return kInvalidCall;
    ++mLockCount;
    *data = mVertices.data();
    return kOk;
}

Result Mesh::UnlockVertexBuffer()
{
    if (mLockCount == 0)
        return kInvalidCall;
    --mLockCount;
    return kOk;
}

Result Mesh::DrawSubset(Device* device, uint32_t attributeId)
{
    if (!device)
        return kInvalidCall;
    if (attributeId >= mSubsetIndices.size() || mSubsetIndices[attributeId].empty())
        return kOk;
    const auto& indices = mSubsetIndices[attributeId];
    Result r = device->SetVertexShader(mFvf);
    if (Failed(r))
        return r;
    return device->DrawIndexedPrimitiveUPUpTo(kPrimTriangleList, mVertexCount,
                                              static_cast<uint32_t>(indices.size() / 3), indices.data(),
                                              mSubsetLargest[attributeId], mVertices.data(), mStride);
}

Result Mesh::GenerateAdjacency(float epsilon, std::vector<uint32_t>* adjacency) const
{
    if (!adjacency || !(epsilon >= 0.0f))
        return kInvalidCall;

    // Each vertex's representative: the lowest index of the vertices at the same point.
    std::vector<Vector3> positions(mVertexCount);
    for (uint32_t i = 0; i < mVertexCount; ++i)
        std::memcpy(&positions[i], mVertices.data() + static_cast<size_t>(i) * mStride, sizeof(Vector3));
    std::vector<uint32_t> byX(mVertexCount);
    std::iota(byX.begin(), byX.end(), 0u);
    std::stable_sort(byX.begin(), byX.end(), [&](uint32_t a, uint32_t b) { return positions[a].x < positions[b].x; });
    std::vector<uint32_t> rep(mVertexCount);
    std::iota(rep.begin(), rep.end(), 0u);
    for (size_t i = 0; i < byX.size(); ++i) {
        const Vector3& p = positions[byX[i]];
        for (size_t j = i + 1; j < byX.size() && positions[byX[j]].x - p.x <= epsilon; ++j) {
            const Vector3& q = positions[byX[j]];
            if (std::fabs(q.y - p.y) <= epsilon && std::fabs(q.z - p.z) <= epsilon) {
                uint32_t low = std::min(rep[byX[i]], rep[byX[j]]);
                rep[byX[i]] = rep[byX[j]] = low;
            }
        }
    }

    uint32_t faces = GetNumFaces();
    adjacency->assign(static_cast<size_t>(faces) * 3, kNoAdjacentFace);
    // Undirected edge -> the first (face, edge) slot still waiting for its partner.
    std::map<std::pair<uint32_t, uint32_t>, uint32_t> open;
    for (uint32_t face = 0; face < faces; ++face) {
        for (uint32_t edge = 0; edge < 3; ++edge) {
            uint32_t a = rep[mIndices[face * 3 + edge]];
            uint32_t b = rep[mIndices[face * 3 + (edge + 1) % 3]];
            if (a == b)
                continue;  // a collapsed edge has no neighbour
            auto key = std::minmax(a, b);
            auto found = open.find(key);
            if (found == open.end()) {
                open.emplace(key, face * 3 + edge);
            } else if (found->second != kNoAdjacentFace) {
                uint32_t slot = found->second;
                (*adjacency)[slot] = face;
                (*adjacency)[face * 3 + edge] = slot / 3;
                found->second = kNoAdjacentFace;
            }
        }
    }
    return kOk;
}

}  // namespace gfx
