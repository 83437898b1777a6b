// Splitting a mesh into pieces: a greedy walk over the faces in index order.
#include "platform/gfx/mesh_split.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace gfx {

namespace {

struct PieceBuilder {
    const Mesh& source;
    std::unordered_map<uint32_t, uint32_t> remap;  // source vertex -> piece vertex
    std::vector<uint8_t> vertices;
    std::vector<uint32_t> indices;
    std::vector<uint32_t> attributes;

    uint32_t NewVerticesOf(uint32_t face) const
    {
        const uint32_t* v = &source.GetIndices()[face * 3];
        uint32_t fresh = 0;
        for (int k = 0; k < 3; ++k) {
            bool seenEarlierInFace = (k > 0 && v[k] == v[0]) || (k > 1 && v[k] == v[1]);
            if (!seenEarlierInFace && !remap.count(v[k]))
                ++fresh;
        }
        return fresh;
    }

    void Add(uint32_t face)
    {
        uint32_t stride = source.GetVertexStride();
        for (int k = 0; k < 3; ++k) {
            uint32_t v = source.GetIndices()[face * 3 + k];
            auto [it, inserted] = remap.emplace(v, static_cast<uint32_t>(remap.size()));
            if (inserted) {
                const uint8_t* from = source.GetVertexData() + static_cast<size_t>(v) * stride;
                vertices.insert(vertices.end(), from, from + stride);
            }
            indices.push_back(it->second);
        }
        attributes.push_back(source.GetAttributes()[face]);
    }

    Mesh* Finish()
    {
        Mesh* piece = Mesh::Create(source.GetFvf(), std::move(vertices), std::move(indices), std::move(attributes));
        remap.clear();
        vertices.clear();
        indices.clear();
        attributes.clear();
        return piece;
    }
};

}  // namespace

Result SplitMesh(const Mesh& mesh, const uint32_t*, uint32_t maxVertices, std::vector<Mesh*>* pieces)
{
    if (!pieces)
        return kInvalidCall;
    pieces->clear();
    uint32_t limit = std::max(maxVertices, 3u);
    PieceBuilder builder{mesh, {}, {}, {}, {}};
    for (uint32_t face = 0; face < mesh.GetNumFaces(); ++face) {
        if (!builder.attributes.empty() && builder.remap.size() + builder.NewVerticesOf(face) > limit)
            pieces->push_back(builder.Finish());
        builder.Add(face);
    }
    if (!builder.attributes.empty())
        pieces->push_back(builder.Finish());
    return kOk;
}

}  // namespace gfx
