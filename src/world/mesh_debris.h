// Breaking a mesh into debris: the pieces of at most a third of its vertices, each handed to the
// caller to place and then queued as a drifting, spinning piece.
#pragma once

#include <functional>

#include "core/draw_records.h"

// Splits the cached mesh (loaded when missing); place fills each piece, told the piece count.
// A mesh without adjacency posts the quit message. False when nothing was queued.
bool QueueMeshDebris(int meshId, const std::function<void(DebrisRecord& piece, int pieceCount)>& place);
// A random offset across a body of that size; a body smaller than 1 gives none.
float DebrisScatter(float size);
// (0, 1, 0) turned by a random angle in [-3.14, 3.14).
Vec3 RandomDebrisHeading();
