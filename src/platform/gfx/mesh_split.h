// Breaking a mesh into pieces with a bounded number of vertices each (debris).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/mesh.h"

namespace gfx {

// Walks the faces in index order and starts a new piece whenever the next face would take the
// current one past maxVertices distinct vertices; a limit below 3 counts as 3. Every face lands
// in exactly one piece, keeps its attribute id and its winding; a piece holds copies of the
// vertices it uses, in first-use order. The adjacency array (three per face, may be null) is
// accepted for the caller's convenience and does not change the partition.
// Each new piece has one reference for the caller. A mesh without faces gives no pieces.
Result SplitMesh(const Mesh& mesh, const uint32_t* adjacency, uint32_t maxVertices, std::vector<Mesh*>* pieces);

}  // namespace gfx
