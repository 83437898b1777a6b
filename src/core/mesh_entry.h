// A loaded mesh with the texture paths of its materials: what the mesh cache keeps per id and
// what a debris piece carries.
#pragma once

#include <list>
#include <string>

namespace gfx {
class Mesh;
}

struct MeshEntry {
    int id = 0;
    gfx::Mesh* mesh = nullptr;
    // The mesh was normalised, so it lies within the unit sphere about its origin.
    bool unitSphere = false;
    // One path per textured material in material order; a "+" texture's path is followed by
    // the path of its "-" partner.
    std::list<std::string> texturePaths;
};

// The first character of a texture path's file name: "raster\" is seven characters long.
constexpr size_t kTextureNameOffset = 7;

// The file name of a texture path begins with c ('+' or '-').
inline bool TextureNameBeginsWith(const std::string& path, char c)
{
    return path.size() > kTextureNameOffset && path[kTextureNameOffset] == c;
}
