// Mesh shapes. Ships point along +y (heading 0) with their top toward the camera (-z).
#include "meshes.h"

#include <cmath>
#include <functional>
#include <string>

#include "mesh_builder.h"

namespace assetgen {

namespace {

XMaterial Mat(const std::string& texture, float emissive = 0, float alpha = 1)
{
    XMaterial m;
    m.texture = texture;
    m.emissive = emissive;
    m.a = alpha;
    return m;
}

void Save(CAssetWriter& out, const std::string& file, const std::function<void(CMeshBuilder&)>& build)
{
    CMeshBuilder b;
    build(b);
    std::string name = file.substr(0, file.find('.'));
    out.Mesh(file, b.ToX(name));
}

// A hull: fuselage along y, swept wings, engine pods at the back.
void Hull(CMeshBuilder& b, const std::string& texture, float length, float span, int engines, float bulk)
{
    b.Use(b.AddMaterial(Mat(texture)));
    int glow = b.AddMaterial(Mat("exhaust.png", 1));
    b.Cylinder({0, 0, 0}, 1, length, 0.18f * bulk, 10, 0.05f);
    b.Sphere({0, length * 0.1f, -0.1f * bulk}, {0.1f * bulk, 0.22f, 0.08f * bulk}, 10, 6);
    b.Box({span * 0.25f, -length * 0.12f, 0}, {span * 0.25f, length * 0.14f, 0.025f});
    b.Box({-span * 0.25f, -length * 0.12f, 0}, {span * 0.25f, length * 0.14f, 0.025f});
    for (int i = 0; i < engines; ++i) {
        float x = engines == 1 ? 0 : (static_cast<float>(i) / static_cast<float>(engines - 1) - 0.5f) * span * 0.6f;
        b.Use(0);
        b.Cylinder({x, -length * 0.42f, 0}, 1, length * 0.22f, 0.07f * bulk, 8);
        b.Use(glow);
        b.Sphere({x, -length * 0.54f, 0}, {0.05f * bulk, 0.03f, 0.05f * bulk}, 8, 4);
    }
}

// Lattice segment along x: two rails and diagonal braces.
void Lattice(CMeshBuilder& b, float length)
{
    b.Use(b.AddMaterial(Mat("metal.png")));
    b.Box({0, 0.2f, 0}, {length / 2, 0.03f, 0.03f});
    b.Box({0, -0.2f, 0}, {length / 2, 0.03f, 0.03f});
    int n = 4;
    for (int i = 0; i <= n; ++i) {
        float x = -length / 2 + length * static_cast<float>(i) / static_cast<float>(n);
        b.Box({x, 0, 0}, {0.025f, 0.2f, 0.025f});
    }
}

void Rock(CMeshBuilder& b, const std::string& texture, V3 radii, unsigned seed)
{
    b.Use(b.AddMaterial(Mat(texture)));
    b.Sphere({0, 0, 0}, radii, 14, 9, 0.35f, seed);
}

}  // namespace

void WriteMeshes(CAssetWriter& out)
{
    // The trail square: a camera-facing unit quad; its texture is the sprite of whatever it draws.
    Save(out, "trail.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat(""));
        b.FacingQuad(-0.5f, -0.5f, 0.5f, 0.5f);
    });
    // The backdrop and glow planes are scaled to some two thousand units across: their textures
    // tile, so a screen shows a whole star field instead of a few stretched texels.
    Save(out, "plane.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("plane.png"));
        b.FacingQuad(-0.7071f, -0.7071f, 0.7071f, 0.7071f, 0, 12);
    });
    Save(out, "strip.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("beam.png", 1));
        b.FacingQuad(-0.7071f, -0.7071f, 0.7071f, 0.7071f);
    });
    // The system's edge: a strip of square cells just inside it, mitred at the corners; the mesh is
    // scaled to its bounding sphere, so the edge is its outline. The plane is drawn solid, so its
    // texture is clear between thin lines and space shows through the cells.
    Save(out, "boundary.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("boundary.png", 1));
        const float o = 0.7071f, cell = o / 50;
        const V3 n{0, 0, -1};
        // The top side, turned a quarter at a time; u counts cells along the side, v 0 on the edge.
        const float corners[4][2] = {{-o + cell, o - cell}, {-o, o}, {o, o}, {o - cell, o - cell}};
        for (int side = 0; side < 4; ++side) {
            int v[4];
            for (int i = 0; i < 4; ++i) {
                float x = corners[i][0], y = corners[i][1];
                for (int turn = 0; turn < side; ++turn) {
                    const float was = x;
                    x = -y;
                    y = was;
                }
                v[i] = b.Vertex({x, y, 0}, n, corners[i][0] / cell, (o - corners[i][1]) / cell);
            }
            b.Quad(v[0], v[1], v[2], v[3]);
        }
    });

    // Bodies in space.
    Save(out, "planet.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("planet_terra.png"));
        b.Sphere({0, 0, 0}, {1, 1, 1}, 32, 16);
    });
    Save(out, "sun.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("sun.png", 1));
        b.Sphere({0, 0, 0}, {1, 1, 1}, 32, 16);
    });
    Save(out, "wormhole.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("wormhole.png", 0.8f));
        b.Torus({0, 0, 0}, 0.8f, 0.2f, 32, 10);
    });
    Save(out, "asteroid.x", [](CMeshBuilder& b) { Rock(b, "rock.png", {1, 0.8f, 0.7f}, 3); });
    Save(out, "asteroid_break.x", [](CMeshBuilder& b) { Rock(b, "rock.png", {1, 0.9f, 0.85f}, 13); });
    Save(out, "moonlet.x", [](CMeshBuilder& b) { Rock(b, "moon.png", {1, 1, 0.95f}, 12); });
    Save(out, "debris.x", [](CMeshBuilder& b) { Rock(b, "metal.png", {1, 0.4f, 0.15f}, 7); });
    const char* kCompounds[] = {"common", "uncommon", "rare", "exotic"};
    for (int i = 0; i < 4; ++i)
        Save(out, std::string("compound_") + kCompounds[i] + ".x", [i, &kCompounds](CMeshBuilder& b) {
            b.Use(b.AddMaterial(Mat(std::string("crystal_") + kCompounds[i] + ".png", 0.3f)));
            b.Cylinder({0, 0, 0}, 1, 1.6f, 0.35f, 6, 0.0f);
            b.Cylinder({0.3f, -0.2f, 0}, 0, 1.0f, 0.22f, 6, 0.0f);
            b.Cylinder({-0.25f, -0.3f, 0.1f}, 2, 0.9f, 0.2f, 6, 0.0f);
        });

    // Stations and structures; the serviced station has lit windows ("+" texture with its "-" glow).
    // A station is docked at by touching it within (ship size + station size) / 2, two thirds of
    // its drawn radius for a courier: the solid body stays inside that, only thin masts beyond.
    Save(out, "station.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("station.png")));
        b.Sphere({0, 0, 0}, {0.42f, 0.42f, 0.42f}, 16, 10);
        b.Torus({0, 0, 0}, 0.53f, 0.07f, 36, 8);
        for (int i = 0; i < 4; ++i) {
            float a = static_cast<float>(i) * 1.5708f;
            b.Box({std::cos(a) * 0.76f, std::sin(a) * 0.76f, 0},
                  {0.02f + 0.18f * std::fabs(std::cos(a)), 0.02f + 0.18f * std::fabs(std::sin(a)), 0.02f});
        }
        b.Use(b.AddMaterial(Mat("+lights.png")));
        b.Cylinder({0, 0, 0}, 2, 0.3f, 0.43f, 16);
    });
    Save(out, "depot.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("metal.png")));
        b.Box({0, 0, 0}, {0.26f, 0.55f, 0.26f});
        b.Torus({0, 0.35f, 0}, 0.55f, 0.06f, 24, 6);
        b.Torus({0, -0.35f, 0}, 0.55f, 0.06f, 24, 6);
        b.Cylinder({0, 0.75f, 0}, 1, 0.4f, 0.05f, 8, 0.02f);
    });
    Save(out, "scaffold.x", [](CMeshBuilder& b) { Lattice(b, 2.0f); });
    Save(out, "scaffold_ghost.x", [](CMeshBuilder& b) {
        Lattice(b, 2.0f);
        b.Use(b.AddMaterial(Mat("grid.png", 0.6f, 0.6f)));
        b.Box({0, 0, 0}, {1.0f, 0.01f, 0.01f});
    });
    Save(out, "outpost_base.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("station.png")));
        b.Cylinder({0, 0, 0.1f}, 2, 0.2f, 0.9f, 16, 0.7f);
        for (int i = 0; i < 3; ++i) {
            float a = static_cast<float>(i) * 2.0944f;
            b.Box({std::cos(a) * 0.7f, std::sin(a) * 0.7f, 0.1f}, {0.15f, 0.15f, 0.15f});
        }
    });
    Save(out, "turret.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("metal.png")));
        b.Sphere({0, 0, 0}, {0.45f, 0.45f, 0.3f}, 14, 8);
        b.Cylinder({0.12f, 0.6f, 0}, 1, 0.9f, 0.06f, 8);
        b.Cylinder({-0.12f, 0.6f, 0}, 1, 0.9f, 0.06f, 8);
    });
    Save(out, "mine.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("mine.png")));
        b.Sphere({0, 0, 0}, {0.5f, 0.5f, 0.5f}, 12, 8);
        const V3 spikes[6] = {{0.7f, 0, 0}, {-0.7f, 0, 0}, {0, 0.7f, 0}, {0, -0.7f, 0}, {0, 0, 0.7f}, {0, 0, -0.7f}};
        for (int i = 0; i < 6; ++i)
            b.Cylinder(spikes[i], i / 2, 0.4f, 0.08f, 6, 0.08f);
        b.Use(b.AddMaterial(Mat("spark.png", 1)));
        b.Sphere({0, 0, -0.5f}, {0.1f, 0.1f, 0.05f}, 8, 4);
    });
    Save(out, "mine_charge.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("mine.png", 0.2f)));
        b.Sphere({0, 0, 0}, {0.5f, 0.5f, 0.35f}, 10, 6);
        b.Torus({0, 0, 0}, 0.6f, 0.08f, 16, 6);
    });
    Save(out, "health.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("health.png", 0.3f)));
        b.Box({0, 0, 0}, {0.6f, 0.2f, 0.2f});
        b.Box({0, 0, 0}, {0.2f, 0.6f, 0.2f});
    });
    Save(out, "device.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("device.png")));
        b.Box({0, 0, 0}, {0.5f, 0.35f, 0.3f});
        b.Use(b.AddMaterial(Mat("exhaust.png", 1)));
        b.Cylinder({0, 0, -0.35f}, 2, 0.1f, 0.15f, 10);
    });
    Save(out, "ailment.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("sparkle.png", 1));
        b.Sphere({0, 0, 0}, {1, 1, 1}, 4, 2);
    });

    // Shots.
    Save(out, "shock_ring.x", [](CMeshBuilder& b) {
        b.AddMaterial(Mat("shock_ring.png", 1));
        b.Torus({0, 0, 0}, 0.9f, 0.1f, 40, 6, 0.3f);
    });
    Save(out, "missile.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("metal.png")));
        b.Cylinder({0, -0.1f, 0}, 1, 1.2f, 0.12f, 8);
        b.Cylinder({0, 0.65f, 0}, 1, 0.3f, 0.12f, 8, 0.0f);
        b.Box({0, -0.6f, 0}, {0.3f, 0.08f, 0.02f});
        b.Use(b.AddMaterial(Mat("exhaust.png", 1)));
        b.Sphere({0, -0.75f, 0}, {0.1f, 0.08f, 0.1f}, 8, 4);
    });

    // Hulls of the player (three sizes) and of computer ships.
    Save(out, "hull_small.x", [](CMeshBuilder& b) { Hull(b, "hull_lawful.png", 1.6f, 1.2f, 1, 1.0f); });
    Save(out, "hull_medium.x", [](CMeshBuilder& b) { Hull(b, "hull_lawful.png", 1.8f, 1.5f, 2, 1.3f); });
    Save(out, "hull_large.x", [](CMeshBuilder& b) {
        Hull(b, "hull_lawful.png", 1.8f, 1.0f, 3, 2.0f);
        b.Use(0);
        b.Box({0, -0.1f, 0.05f}, {0.35f, 0.45f, 0.15f});
    });
    Save(out, "hull_pirate.x", [](CMeshBuilder& b) {
        Hull(b, "hull_pirate.png", 1.5f, 1.6f, 2, 1.1f);
        b.Use(0);
        b.Box({0.5f, 0.2f, 0}, {0.04f, 0.35f, 0.03f});
        b.Box({-0.5f, 0.2f, 0}, {0.04f, 0.35f, 0.03f});
    });
    Save(out, "hull_miner.x", [](CMeshBuilder& b) {
        Hull(b, "hull_miner.png", 1.4f, 1.0f, 2, 1.8f);
        b.Use(0);
        b.Box({0.2f, 0.8f, 0}, {0.05f, 0.15f, 0.05f});
        b.Box({-0.2f, 0.8f, 0}, {0.05f, 0.15f, 0.05f});
    });
    Save(out, "hull_alien.x", [](CMeshBuilder& b) {
        b.Use(b.AddMaterial(Mat("hull_alien.png", 0.2f)));
        b.Sphere({0, 0, 0}, {0.45f, 0.6f, 0.25f}, 16, 8);
        b.Torus({0, 0, 0}, 0.75f, 0.1f, 24, 6);
    });
}

}  // namespace assetgen
