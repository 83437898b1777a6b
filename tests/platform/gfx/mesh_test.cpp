// Meshes: construction checks, vertex locks, subset draws, adjacency and splitting.
#include "platform/gfx/mesh.h"

#include <cstring>
#include <set>

#include <gtest/gtest.h>

#include "platform/gfx/draw_recorder.h"
#include "platform/gfx/mesh_split.h"

namespace gfx {
namespace {

struct Vertex {
    float x, y, z;
};

std::vector<uint8_t> Bytes(const std::vector<Vertex>& v)
{
    std::vector<uint8_t> bytes(v.size() * sizeof(Vertex));
    std::memcpy(bytes.data(), v.data(), bytes.size());
    return bytes;
}

Vertex VertexOf(const Mesh& mesh, uint32_t index)
{
    Vertex v;
    std::memcpy(&v, mesh.GetVertexData() + index * mesh.GetVertexStride(), sizeof v);
    return v;
}

// A strip of n quads along x, each two faces; attribute of quad q = q % 2.
Mesh* Strip(uint32_t quads)
{
    std::vector<Vertex> v;
    for (uint32_t i = 0; i <= quads; ++i) {
        v.push_back({float(i), 0, 0});
        v.push_back({float(i), 1, 0});
    }
    std::vector<uint32_t> indices, attributes;
    for (uint32_t q = 0; q < quads; ++q) {
        uint32_t a = q * 2, b = a + 1, c = a + 2, d = a + 3;
        indices.insert(indices.end(), {a, b, d, a, d, c});
        attributes.insert(attributes.end(), {q % 2, q % 2});
    }
    return Mesh::Create(kFvfXyz, Bytes(v), indices, attributes);
}

TEST(MeshCreate, RefusesInconsistentData)
{
    std::vector<Vertex> tri = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    EXPECT_EQ(Mesh::Create(kFvfXyz, Bytes(tri), {0, 1, 3}, {0}), nullptr);               // index past the end
    EXPECT_EQ(Mesh::Create(kFvfXyz, Bytes(tri), {0, 1, 2}, {0, 0}), nullptr);            // two ids, one face
    EXPECT_EQ(Mesh::Create(kFvfXyz | kFvfNormal, Bytes(tri), {0, 1, 2}, {0}), nullptr);  // 36 bytes, stride 24
    EXPECT_EQ(Mesh::Create(kFvfNormal, Bytes(tri), {}, {}), nullptr);                    // no position
    Mesh* mesh = Mesh::Create(kFvfXyz, Bytes(tri), {0, 1, 2}, {4});
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->GetNumVertices(), 3u);
    EXPECT_EQ(mesh->GetNumFaces(), 1u);
    EXPECT_EQ(mesh->GetFvf(), uint32_t(kFvfXyz));
    EXPECT_EQ(mesh->Release(), 0u);
}

TEST(MeshVertexLock, WritesReachLaterDrawsAndUnlocksBalance)
{
    Mesh* mesh = Strip(1);
    void* data = nullptr;
    ASSERT_EQ(mesh->LockVertexBuffer(0, &data), kOk);
    static_cast<Vertex*>(data)[3].z = 7;
    void* again = nullptr;
    ASSERT_EQ(mesh->LockVertexBuffer(kLockReadOnly, &again), kOk);
    EXPECT_EQ(again, data);
    EXPECT_EQ(mesh->UnlockVertexBuffer(), kOk);
    EXPECT_EQ(mesh->UnlockVertexBuffer(), kOk);
    EXPECT_EQ(mesh->UnlockVertexBuffer(), kInvalidCall);
    EXPECT_EQ(mesh->LockVertexBuffer(0, nullptr), kInvalidCall);

    DrawRecorder device;
    ASSERT_EQ(mesh->DrawSubset(&device, 0), kOk);
    ASSERT_EQ(device.draws.size(), 1u);
    Vertex drawn;
    std::memcpy(&drawn, static_cast<const uint8_t*>(device.draws[0].vertices) + 3 * sizeof(Vertex), sizeof drawn);
    EXPECT_EQ(drawn.z, 7);
    mesh->Release();
}

TEST(MeshDrawSubset, DrawsOnlyThatAttributeInFaceOrder)
{
    std::vector<Vertex> v = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    Mesh* mesh = Mesh::Create(kFvfXyz, Bytes(v), {0, 1, 2, 1, 3, 2, 2, 1, 0, 3, 1, 2}, {1, 0, 1, 0});
    ASSERT_NE(mesh, nullptr);
    DrawRecorder device;
    ASSERT_EQ(mesh->DrawSubset(&device, 1), kOk);
    ASSERT_EQ(device.draws.size(), 1u);
    const auto& d = device.draws[0];
    EXPECT_EQ(d.fvf, uint32_t(kFvfXyz));
    EXPECT_EQ(d.primitiveCount, 2u);
    EXPECT_EQ(d.vertexCount, 4u);
    EXPECT_EQ(d.stride, 12u);
    EXPECT_EQ(d.indices, (std::vector<uint32_t>{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(d.largest, 2u);

    ASSERT_EQ(mesh->DrawSubset(&device, 0), kOk);
    EXPECT_EQ(device.draws[1].indices, (std::vector<uint32_t>{1, 3, 2, 3, 1, 2}));
    EXPECT_EQ(device.draws[1].largest, 3u);
    // No faces with that id: nothing drawn, no failure.
    EXPECT_EQ(mesh->DrawSubset(&device, 2), kOk);
    EXPECT_EQ(mesh->DrawSubset(&device, 99), kOk);
    EXPECT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(mesh->DrawSubset(nullptr, 0), kInvalidCall);
    mesh->Release();
}

TEST(MeshAdjacency, SharedEdgesLinkFacesAcrossSplitVertices)
{
    // Two triangles of a square whose shared edge uses separate but equal vertices, and a far
    // triangle touching nothing.
    std::vector<Vertex> v = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}, {1, 1, 0},
                             {0, 1, 0}, {5, 5, 5}, {6, 5, 5}, {5, 6, 5}};
    Mesh* mesh = Mesh::Create(kFvfXyz, Bytes(v), {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0});
    std::vector<uint32_t> adj;
    ASSERT_EQ(mesh->GenerateAdjacency(0.0f, &adj), kOk);
    const uint32_t n = kNoAdjacentFace;
    EXPECT_EQ(adj, (std::vector<uint32_t>{n, n, 1, 0, n, n, n, n, n}));

    // Within epsilon, nearly equal corners join; outside it they do not.
    v[4] = {1.0005f, 1, 0};
    Mesh* near = Mesh::Create(kFvfXyz, Bytes(v), {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0});
    ASSERT_EQ(near->GenerateAdjacency(0.001f, &adj), kOk);
    EXPECT_EQ(adj[2], 1u);
    ASSERT_EQ(near->GenerateAdjacency(0.0f, &adj), kOk);
    EXPECT_EQ(adj[2], n);
    EXPECT_EQ(near->GenerateAdjacency(-1.0f, &adj), kInvalidCall);
    near->Release();
    mesh->Release();
}

TEST(MeshAdjacency, StripNeighbours)
{
    Mesh* mesh = Strip(2);
    std::vector<uint32_t> adj;
    ASSERT_EQ(mesh->GenerateAdjacency(0.0f, &adj), kOk);
    // Face 1 (a d c of quad 0) meets face 0 across (a d) and face 2 across (d c).
    EXPECT_EQ(adj[3], 0u);
    EXPECT_EQ(adj[4], 2u);
    EXPECT_EQ(adj[5], kNoAdjacentFace);
    // Every link is mutual.
    for (uint32_t f = 0; f < mesh->GetNumFaces(); ++f)
        for (uint32_t e = 0; e < 3; ++e)
            if (adj[f * 3 + e] != kNoAdjacentFace) {
                uint32_t g = adj[f * 3 + e];
                EXPECT_TRUE(adj[g * 3] == f || adj[g * 3 + 1] == f || adj[g * 3 + 2] == f);
            }
    mesh->Release();
}

void ExpectPartition(const Mesh& whole, const std::vector<Mesh*>& pieces, uint32_t limit)
{
    // Faces come out in index order: walk the pieces and compare face by face.
    uint32_t face = 0;
    for (Mesh* piece : pieces) {
        ASSERT_NE(piece, nullptr);
        EXPECT_LE(piece->GetNumVertices(), limit);
        EXPECT_GT(piece->GetNumFaces(), 0u);
        EXPECT_EQ(piece->GetFvf(), whole.GetFvf());
        for (uint32_t f = 0; f < piece->GetNumFaces(); ++f, ++face) {
            ASSERT_LT(face, whole.GetNumFaces());
            EXPECT_EQ(piece->GetAttributes()[f], whole.GetAttributes()[face]);
            for (int k = 0; k < 3; ++k) {
                Vertex a = VertexOf(*piece, piece->GetIndices()[f * 3 + k]);
                Vertex b = VertexOf(whole, whole.GetIndices()[face * 3 + k]);
                EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "face " << face << " corner " << k;
            }
        }
    }
    EXPECT_EQ(face, whole.GetNumFaces());
}

TEST(MeshSplit, EveryFaceInExactlyOnePieceWithItsAttribute)
{
    Mesh* mesh = Strip(6);  // 14 vertices, 12 faces
    std::vector<uint32_t> adj;
    ASSERT_EQ(mesh->GenerateAdjacency(0.0f, &adj), kOk);
    std::vector<Mesh*> pieces;
    ASSERT_EQ(SplitMesh(*mesh, adj.data(), mesh->GetNumVertices() / 3, &pieces), kOk);
    EXPECT_GE(pieces.size(), 3u);
    ExpectPartition(*mesh, pieces, 4);
    // The greedy walk: a quad is four vertices, so each piece is one quad.
    EXPECT_EQ(pieces.size(), 6u);
    for (Mesh* piece : pieces)
        EXPECT_EQ(piece->Release(), 0u);
    mesh->Release();
}

TEST(MeshSplit, SmallLimitsAndEmptyMeshes)
{
    Mesh* mesh = Strip(2);
    std::vector<Mesh*> pieces;
    // A limit below three still fits one triangle per piece.
    ASSERT_EQ(SplitMesh(*mesh, nullptr, 1, &pieces), kOk);
    EXPECT_EQ(pieces.size(), 4u);
    ExpectPartition(*mesh, pieces, 3);
    for (Mesh* piece : pieces)
        piece->Release();
    // A limit above the whole mesh gives one copy of it.
    ASSERT_EQ(SplitMesh(*mesh, nullptr, 1000, &pieces), kOk);
    ASSERT_EQ(pieces.size(), 1u);
    ExpectPartition(*mesh, pieces, mesh->GetNumVertices());
    pieces[0]->Release();
    mesh->Release();

    Mesh* empty = Mesh::Create(kFvfXyz, {}, {}, {});
    ASSERT_NE(empty, nullptr);
    ASSERT_EQ(SplitMesh(*empty, nullptr, 3, &pieces), kOk);
    EXPECT_TRUE(pieces.empty());
    EXPECT_EQ(SplitMesh(*empty, nullptr, 3, nullptr), kInvalidCall);
    empty->Release();
}

TEST(MeshSplit, PiecesDrawTheirOwnSubsets)
{
    Mesh* mesh = Strip(4);
    std::vector<Mesh*> pieces;
    ASSERT_EQ(SplitMesh(*mesh, nullptr, 4, &pieces), kOk);
    ASSERT_EQ(pieces.size(), 4u);
    DrawRecorder device;
    // Piece 1 is quad 1, attribute 1 only.
    EXPECT_EQ(pieces[1]->DrawSubset(&device, 0), kOk);
    EXPECT_TRUE(device.draws.empty());
    EXPECT_EQ(pieces[1]->DrawSubset(&device, 1), kOk);
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(device.draws[0].primitiveCount, 2u);
    EXPECT_EQ(device.draws[0].vertexCount, 4u);
    for (Mesh* piece : pieces)
        piece->Release();
    mesh->Release();
}

}  // namespace
}  // namespace gfx
