// Triangle meshes built from primitives and written as text DirectX .x files.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

struct V3 {
    float x = 0, y = 0, z = 0;
};

struct XMaterial {
    float r = 1, g = 1, b = 1, a = 1;
    float power = 20;
    float specular = 0.3f;
    float emissive = 0;
    std::string texture;  // file name in raster/, empty for none
};

class CMeshBuilder {
public:
    // Materials are chosen per face; Use() sets the one later faces take.
    int AddMaterial(const XMaterial& m);
    void Use(int material) { current_ = material; }

    // One vertex; returns its index.
    int Vertex(V3 p, V3 n, float u, float v);
    // Triangle wound clockwise as seen from the side its normals face (the front in a left-handed view).
    void Triangle(int a, int b, int c);
    void Quad(int a, int b, int c, int d);

    // Primitives; each is placed by a centre and sizes, with its own vertices.
    void Sphere(V3 centre, V3 radii, int slices, int stacks, float roughness = 0, unsigned seed = 0);
    void Box(V3 centre, V3 half);
    // Ring about the z axis: major radius R, tube radius r.
    void Torus(V3 centre, float major, float minor, int segments, int sides, float zScale = 1);
    // Cylinder along the given axis (0 x, 1 y, 2 z) with end caps; radius2 < 0 means same radius.
    void Cylinder(V3 centre, int axis, float length, float radius, int sides, float radius2 = -1);
    // Flat square in the z = 0 plane facing -z, UV 0..1.
    // Texture coordinates run from 0 to repeat across the quad, so a texture can tile it.
    void FacingQuad(float x0, float y0, float x1, float y1, float z = 0, float repeat = 1);

    // The .x text: header, materials inline in the material list, normals and texture coordinates.
    std::string ToX(const std::string& name) const;

private:
    struct Vert {
        V3 p, n;
        float u, v;
    };
    std::vector<Vert> verts_;
    std::vector<int> faces_;     // 3 per triangle
    std::vector<int> faceMats_;  // 1 per triangle
    std::vector<XMaterial> mats_;
    int current_ = 0;
};

}  // namespace assetgen
