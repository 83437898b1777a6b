// CObjectControl: construction from its row, motion and drawing.
#include "ui/object_control.h"

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "ui/control_util.h"

namespace {

constexpr float kFullTurn = 6.28318f;

// Only a full turn or more is wrapped; negative angles are left alone.
float WrapAngle(float angle)
{
    return angle >= kFullTurn ? WrappedAngle(angle, kFullTurn) : angle;
}

}  // namespace

CObjectControl::CObjectControl(int id)
{
    objectControlId = id;
    meshRecord.position = &position;
    meshRecord.rotation = &rotation;
    meshRecord.scale = &scale;
    meshRecord.alpha = &alpha;
    meshRecord.wireFrame = &meshFlag;
    meshRecord.colour = &colour;

    const ObjectControlRecord* row = gGameDatabase.GetObjectControl(id);
    if (!row) {
        ReportMissingControlRow("object control", id);
        return;
    }
    screenId = row->screen_id;
    meshId = row->mesh_id;
    position = Vec3(row->x_pos, row->y_pos, row->z_pos);
    rotation = Vec3(row->x_rot, row->y_rot, row->z_rot);
    rotationSpeed = Vec3(row->x_rotv, row->y_rotv, row->z_rotv);
    scale = Vec3(row->scale, row->scale, row->scale);
    orbit = row->orbit ? 1 : 0;
    if (orbit)
        orbitCentre = Vec3(row->x_orb, row->y_orb, row->z_orb);
    orbitSpeed = row->velocity;
    visible = row->visible ? 1 : 0;
    meshRecord.meshId = meshId;
}

void CObjectControl::Draw()
{
    if (!visible)
        return;
    if (orbit) {
        gfx::Matrix turn = gfx::MatrixRotationY(gFrameScale * orbitSpeed);
        Vec3 offset = Vec3::Difference(position, orbitCentre);
        position = Vec3::Sum(orbitCentre, Vec3::FromGfx(gfx::Vec3TransformCoord(offset.ToGfx(), turn)));
    }
    Vec3::Add(rotation, Vec3::Scaled(rotationSpeed, gFrameScale));
    rotation = Vec3(WrapAngle(rotation.x), WrapAngle(rotation.y), WrapAngle(rotation.z));
    gResourceManager->RenderMesh(meshRecord, false);
}
