// CObjectControl: a mesh shown on a screen (hulls, stations), turning and optionally orbiting.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/vec3.h"

class CObjectControl {
public:
    // Built from the object control row of the id; a missing row ends the game and leaves the
    // control hidden.
    explicit CObjectControl(int objectControlId);
    CObjectControl(const CObjectControl&) = delete;
    CObjectControl& operator=(const CObjectControl&) = delete;

    // Orbits about the y axis, turns by its rotation speed, then draws its mesh; only while visible.
    void Draw();

    int objectControlId = 0;
    int screenId = 0;
    int alpha = 255;
    uint32_t colour = 0x00FFFFFF;
    uint8_t meshFlag = 0;
    int meshId = 0;
    MeshDrawRecord meshRecord;
    Vec3 position;
    Vec3 rotation;
    Vec3 rotationSpeed;
    Vec3 scale;
    uint8_t orbit = 0;
    Vec3 orbitCentre;
    float orbitSpeed = 0.0f;
    uint8_t visible = 0;
};
