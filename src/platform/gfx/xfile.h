// Loading meshes from text-format .x files into one mesh with a subset per material.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/mesh.h"

namespace gfx {

// Reads every mesh of the file's frame hierarchy (frame transforms applied) into one mesh, in
// the file's own coordinates and winding: attribute id = index into *materials, materials in
// file order, mesh after mesh. The vertices are the file's, in its order; a vertex that carries
// different normals in different faces is repeated after them. Polygons are split into fans.
// Vertex format: position, then normal, diffuse colour and one uv set as the file has them.
// A mesh without a material list gets one grey, untextured material.
// The path may be written with backslashes. Binary and compressed files are refused.
// On failure nothing is returned and *error (when given) says why; the caller reports it.
Result LoadMeshFromX(const std::string& path, Mesh** mesh, std::vector<MeshMaterial>* materials,
                     std::string* error = nullptr);

// The same from the file's text already in memory.
Result LoadMeshFromXText(std::string_view text, Mesh** mesh, std::vector<MeshMaterial>* materials,
                         std::string* error = nullptr);

}  // namespace gfx
