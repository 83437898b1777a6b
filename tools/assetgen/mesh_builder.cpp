// Primitive shapes and the .x writer.
#include "mesh_builder.h"

#include <cmath>
#include <cstdio>

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265f;

V3 Sub(V3 a, V3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 Cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Dot(V3 a, V3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 Unit(V3 a)
{
    float l = std::sqrt(Dot(a, a));
    return l > 0 ? V3{a.x / l, a.y / l, a.z / l} : V3{0, 0, -1};
}

// Fixed formatting so the files are byte-identical from run to run.
void Num(std::string& out, float v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", static_cast<double>(v) == 0.0 ? 0.0 : static_cast<double>(v));
    out += buf;
}

unsigned Mix(unsigned h)
{
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    return h;
}

}  // namespace

int CMeshBuilder::AddMaterial(const XMaterial& m)
{
    mats_.push_back(m);
    return static_cast<int>(mats_.size()) - 1;
}

int CMeshBuilder::Vertex(V3 p, V3 n, float u, float v)
{
    verts_.push_back({p, Unit(n), u, v});
    return static_cast<int>(verts_.size()) - 1;
}

void CMeshBuilder::Triangle(int a, int b, int c)
{
    // In a left-handed view a clockwise front face has cross(b - a, c - a) pointing at the viewer,
    // so the face is flipped when that cross product disagrees with the vertex normals.
    const Vert &va = verts_[a], &vb = verts_[b], &vc = verts_[c];
    V3 face = Cross(Sub(vb.p, va.p), Sub(vc.p, va.p));
    V3 normal{va.n.x + vb.n.x + vc.n.x, va.n.y + vb.n.y + vc.n.y, va.n.z + vb.n.z + vc.n.z};
    if (Dot(face, normal) < 0)
        std::swap(b, c);
    faces_.insert(faces_.end(), {a, b, c});
    faceMats_.push_back(current_);
}

void CMeshBuilder::Quad(int a, int b, int c, int d)
{
    Triangle(a, b, c);
    Triangle(a, c, d);
}

void CMeshBuilder::Sphere(V3 centre, V3 radii, int slices, int stacks, float roughness, unsigned seed)
{
    int base = static_cast<int>(verts_.size());
    for (int i = 0; i <= stacks; ++i) {
        float phi = kPi * static_cast<float>(i) / static_cast<float>(stacks);
        for (int j = 0; j <= slices; ++j) {
            float theta = 2 * kPi * static_cast<float>(j) / static_cast<float>(slices);
            V3 n{std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
            float k = 1;
            if (roughness > 0) {
                // The seam column repeats the first so the surface stays closed.
                int jj = j % slices, ii = (i == 0 || i == stacks) ? 0 : jj;
                k = 1 + roughness * (static_cast<float>(Mix(seed + static_cast<unsigned>(i * 131 + ii * 7919)) & 0xff) /
                                         255.0f -
                                     0.5f);
            }
            V3 p{centre.x + n.x * radii.x * k, centre.y + n.y * radii.y * k, centre.z + n.z * radii.z * k};
            Vertex(p, n, static_cast<float>(j) / static_cast<float>(slices),
                   static_cast<float>(i) / static_cast<float>(stacks));
        }
    }
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            int a = base + i * (slices + 1) + j, b = a + 1, c = a + slices + 1, d = c + 1;
            if (i > 0)
                Triangle(a, b, d);
            if (i < stacks - 1)
                Triangle(a, d, c);
        }
}

void CMeshBuilder::Box(V3 c, V3 h)
{
    const V3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (const V3& n : normals) {
        // Two axes spanning the face.
        V3 s = std::fabs(n.x) > 0 ? V3{0, 1, 0} : V3{1, 0, 0};
        V3 t = Cross(n, s);
        int idx[4];
        const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (int k = 0; k < 4; ++k) {
            float a = corners[k][0], b = corners[k][1];
            V3 p{c.x + (n.x + s.x * a + t.x * b) * h.x, c.y + (n.y + s.y * a + t.y * b) * h.y,
                 c.z + (n.z + s.z * a + t.z * b) * h.z};
            idx[k] = Vertex(p, n, (a + 1) / 2, (b + 1) / 2);
        }
        Quad(idx[0], idx[1], idx[2], idx[3]);
    }
}

void CMeshBuilder::Torus(V3 c, float major, float minor, int segments, int sides, float zScale)
{
    int base = static_cast<int>(verts_.size());
    for (int i = 0; i <= segments; ++i) {
        float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(segments);
        for (int j = 0; j <= sides; ++j) {
            float b = 2 * kPi * static_cast<float>(j) / static_cast<float>(sides);
            V3 n{std::cos(a) * std::cos(b), std::sin(a) * std::cos(b), std::sin(b)};
            V3 p{c.x + std::cos(a) * (major + minor * std::cos(b)), c.y + std::sin(a) * (major + minor * std::cos(b)),
                 c.z + minor * std::sin(b) * zScale};
            Vertex(p, n, static_cast<float>(i) / static_cast<float>(segments) * 4,
                   static_cast<float>(j) / static_cast<float>(sides));
        }
    }
    for (int i = 0; i < segments; ++i)
        for (int j = 0; j < sides; ++j) {
            int a = base + i * (sides + 1) + j, b = a + 1, cc = a + sides + 1, d = cc + 1;
            Quad(a, b, d, cc);
        }
}

void CMeshBuilder::Cylinder(V3 c, int axis, float length, float radius, int sides, float radius2)
{
    if (radius2 < 0)
        radius2 = radius;
    auto place = [&](float along, float u, float v) {
        V3 p{u, v, along};  // local: z is the axis
        if (axis == 0)
            return V3{c.x + p.z, c.y + p.x, c.z + p.y};
        if (axis == 1)
            return V3{c.x + p.y, c.y + p.z, c.z + p.x};
        return V3{c.x + p.x, c.y + p.y, c.z + p.z};
    };
    auto dir = [&](float along, float u, float v) {
        if (axis == 0)
            return V3{along, u, v};
        if (axis == 1)
            return V3{v, along, u};
        return V3{u, v, along};
    };
    float h = length / 2;
    int base = static_cast<int>(verts_.size());
    for (int i = 0; i <= sides; ++i) {
        float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(sides);
        float ca = std::cos(a), sa = std::sin(a);
        float slope = (radius - radius2) / length;
        Vertex(place(-h, ca * radius, sa * radius), dir(slope, ca, sa),
               static_cast<float>(i) / static_cast<float>(sides), 0);
        Vertex(place(h, ca * radius2, sa * radius2), dir(slope, ca, sa),
               static_cast<float>(i) / static_cast<float>(sides), 1);
    }
    for (int i = 0; i < sides; ++i) {
        int a = base + i * 2;
        Quad(a, a + 1, a + 3, a + 2);
    }
    for (int end = 0; end < 2; ++end) {
        float along = end ? h : -h, r = end ? radius2 : radius, s = end ? 1.0f : -1.0f;
        if (r <= 0)
            continue;
        int centre = Vertex(place(along, 0, 0), dir(s, 0, 0), 0.5f, 0.5f);
        int first = static_cast<int>(verts_.size());
        for (int i = 0; i <= sides; ++i) {
            float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(sides);
            Vertex(place(along, std::cos(a) * r, std::sin(a) * r), dir(s, 0, 0), 0.5f + 0.5f * std::cos(a),
                   0.5f + 0.5f * std::sin(a));
        }
        for (int i = 0; i < sides; ++i)
            Triangle(centre, first + i, first + i + 1);
    }
}

void CMeshBuilder::FacingQuad(float x0, float y0, float x1, float y1, float z, float repeat)
{
    V3 n{0, 0, -1};
    int a = Vertex({x0, y0, z}, n, 0, repeat);
    int b = Vertex({x0, y1, z}, n, 0, 0);
    int c = Vertex({x1, y1, z}, n, repeat, 0);
    int d = Vertex({x1, y0, z}, n, repeat, repeat);
    Quad(a, b, c, d);
}

std::string CMeshBuilder::ToX(const std::string& name) const
{
    std::string out = "xof 0302txt 0032\n\n";
    out += "Mesh " + name + " {\n " + std::to_string(verts_.size()) + ";\n";
    auto list = [&out](size_t count, auto&& item) {
        for (size_t i = 0; i < count; ++i) {
            out += " ";
            item(i);
            out += i + 1 < count ? ",\n" : ";\n";
        }
    };
    auto vec = [&out](V3 v) {
        Num(out, v.x);
        out += ";";
        Num(out, v.y);
        out += ";";
        Num(out, v.z);
        out += ";";
    };
    auto faceList = [&] {
        out += " " + std::to_string(faceMats_.size()) + ";\n";
        list(faceMats_.size(), [&](size_t f) {
            out += "3;" + std::to_string(faces_[f * 3]) + "," + std::to_string(faces_[f * 3 + 1]) + "," +
                   std::to_string(faces_[f * 3 + 2]) + ";";
        });
    };
    list(verts_.size(), [&](size_t i) { vec(verts_[i].p); });
    faceList();

    out += "\n MeshNormals {\n " + std::to_string(verts_.size()) + ";\n";
    list(verts_.size(), [&](size_t i) { vec(verts_[i].n); });
    faceList();
    out += " }\n\n MeshTextureCoords {\n " + std::to_string(verts_.size()) + ";\n";
    list(verts_.size(), [&](size_t i) {
        Num(out, verts_[i].u);
        out += ";";
        Num(out, verts_[i].v);
        out += ";";
    });
    out += " }\n\n MeshMaterialList {\n " + std::to_string(mats_.size()) + ";\n " + std::to_string(faceMats_.size()) +
           ";\n";
    list(faceMats_.size(), [&](size_t f) { out += std::to_string(faceMats_[f]); });
    for (const XMaterial& m : mats_) {
        out += "\n  Material {\n   ";
        for (float v : {m.r, m.g, m.b, m.a}) {
            Num(out, v);
            out += ";";
        }
        out += ";\n   ";
        Num(out, m.power);
        out += ";\n   ";
        for (int k = 0; k < 3; ++k) {
            Num(out, m.specular);
            out += ";";
        }
        out += ";\n   ";
        for (float v : {m.r * m.emissive, m.g * m.emissive, m.b * m.emissive}) {
            Num(out, v);
            out += ";";
        }
        out += ";\n";
        if (!m.texture.empty())
            out += "   TextureFilename {\n    \"" + m.texture + "\";\n   }\n";
        out += "  }\n";
    }
    out += " }\n}\n";
    return out;
}

}  // namespace assetgen
