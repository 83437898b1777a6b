// The shield: reading its row, attaching it to a hull, the hit flash.
#include "ships/shield.h"

#include <algorithm>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/ship.h"

namespace {

constexpr int kFlashStart = 250;
constexpr float kShieldMargin = 1.01f;
constexpr float kFlashGrowth = 1.025f;

}  // namespace

CShield::CShield(int deviceId)
{
    mDeviceType = kDeviceShield;
    mDeviceId = deviceId;
    mFlash.scale = &mShieldScale;
    mFlash.alpha = &mHitFlash;
    mFlash.colour = &mShieldColour;
    const ShieldRecord* row = gGameDatabase.GetShield(deviceId);
    if (!row) {
        os::PostFailureQuit("no shield row for device %d", deviceId);
        return;
    }
    SetHead(deviceId, kDeviceShield, row->device_name, row->display_mesh_id, row->credit_value);
    mAilmentId = row->ailment_id;
    mDamageType = row->device_mod;
    mShieldId = row->shield_id;
    mMaxPoints = row->max_hit_points;
    mPoints = mMaxPoints;
    mArmorClass = row->armor_class;
    SetRate(row->regeneration_rate);
    mSpriteIds.assign(static_cast<size_t>(std::max(0, row->num_sprites)), row->sprite_id);
    mShieldColour = row->color_mod;
}

void CShield::Attach(CShip* owner)
{
    mOwner = owner;
    mFlash.meshId = owner->mHullMeshId;
    mFlash.position = &owner->mPosition;
    mFlash.rotation = &owner->mRotation;
    mFlash.wireFrame = &owner->mMeshFlag;
    mShieldScale = Vec3::Scaled(owner->mScale, kShieldMargin);
    mShieldScale.z *= kShieldMargin;
    ScalePeriod(owner->GetShieldRegenFactor());
}

int CShield::Absorb(int amount, int damageType)
{
    mHitFlash = kFlashStart;
    return CDefenseDevice::Absorb(amount, damageType);
}

void CShield::DrawHitFlash()
{
    if (!mOwner || mHitFlash <= 0) {
        mHitFlash = 0;
        return;
    }
    const Vec3 scale = mShieldScale;
    gResourceManager->RenderMesh(mFlash, false);
    mShieldScale = Vec3::Scaled(mShieldScale, kFlashGrowth);
    gResourceManager->RenderMesh(mFlash, false);
    mShieldScale = Vec3::Scaled(mShieldScale, kFlashGrowth);
    gResourceManager->RenderMesh(mFlash, false);
    mShieldScale = scale;
    mHitFlash -= std::max(1, static_cast<int>(10.0f * gFrameScale));
}
