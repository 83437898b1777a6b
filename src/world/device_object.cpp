// Device objects: spin, pulse, drift and the pick-up into the player's carried devices.
#include "world/device_object.h"

#include <cstdio>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/player_view.h"

namespace {

constexpr int kDeviceBlip = 304;
constexpr float kDroppedSize = 2.0f;
constexpr float kFlightPlaneZ = 30.0f;
constexpr float kSpinStep = 0.174533f;
constexpr float kFullTurn = 6.28318f;

}  // namespace

CWorldObject* MakeDeviceObject(int objectId)
{
    return new CDeviceObject(objectId);
}

CWorldObject* SpawnDeviceObject(int deviceId, const Vec3& position)
{
    return new CDeviceObject(deviceId, position);
}

const char* GetDeviceName(int deviceId)
{
    const DeviceMainRecord* device = gGameDatabase.GetDeviceMain(deviceId);
    return device ? device->device_name : "";
}

CDeviceObject::CDeviceObject(int objectId)
{
    mId = objectId;
    Prepare();
    const DeviceObjectRecord* row = gGameDatabase.GetDeviceObject(objectId);
    if (!row) {
        os::PostFailureQuit("no device object row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypeDeviceObject, kDeviceBlip);
    mDeviceObjectId = row->device_object_id;
    mDeviceId = row->device_id;
    mMeshId = row->display_mesh_id;
    FillMeshRecord(mMesh, mMeshId);
}

CDeviceObject::CDeviceObject(int deviceId, const Vec3& position)
{
    mId = gResourceManager->NextTempObjectId();
    Prepare();
    mActive = 1;
    mVisible = 1;
    mDeviceObjectId = mId;
    mDeviceId = deviceId;
    mSystemId = gResourceManager->mCurrentSystemId;
    if (const DeviceMainRecord* device = gGameDatabase.GetDeviceMain(deviceId)) {
        CopyBounded(mName, kObjectNameSize, device->device_name);
        mMeshId = device->display_mesh_id;
    }
    mHomePosition = position;
    mPosition = Vec3(position.x, position.y, kFlightPlaneZ);
    mSize = kDroppedSize;
    mScale = Vec3(kDroppedSize, kDroppedSize, kDroppedSize);
    FillMeshRecord(mMesh, mMeshId);
}

void CDeviceObject::Prepare()
{
    mSolid = 0;
    mExperienceValue = 0;
    mRespawnTime = 0;
    mVelocity = Vec3();
    SetRadarSprite(kDeviceBlip);
    mType = kTypeDeviceObject;
    mRotation = Vec3();
    mAlpha = 255;
    mColour = 0xFFFFFFFFu;
    mMeshFlag = 0;
    mMarked = 0;
}

void CDeviceObject::Update()
{
    if (!mActive)
        return;
    mColour = GreenPulse(gPulse);
    mRotation.z += kSpinStep * gFrameScale;
    mRotation.z = WrappedAngle(mRotation.z, kFullTurn);
    Drift();
}

void CDeviceObject::Render()
{
    if (!mActive)
        return;
    gResourceManager->RenderMesh(mMesh, false);
    EmitTrail();
}

void CDeviceObject::DrawRadar()
{
    DrawRadarBlip();
}

void CDeviceObject::Interact(CWorldObject* other)
{
    if (!mActive || !IsPlayer(other) || !Touches(other))
        return;
    // With no free place the object stays for the next contact.
    if (!gPlayerView->TakeDevice(mDeviceId))
        return;
    gResourceManager->PlaySoundAt(SoundRequest{kPickUpSound, &mPosition});
    char line[80];
    std::snprintf(line, sizeof line, "%s acquired", GetDeviceName(mDeviceId));
    PostPickupMessage(line);
    mActive = 0;
    gPlayerView->UpdateQuests();
}
