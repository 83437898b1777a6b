// The ship base: construction, devices and the small operations every ship shares.
#include "ships/ship.h"

#include <algorithm>

#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;

}  // namespace

CShip::CShip() = default;

CShip::~CShip()
{
    delete mShield;
    delete mArmor;
    delete mEngine;
    for (CAilment*& ailment : mAilments) {
        delete ailment;
        ailment = nullptr;
    }
}

void CShip::SetShipTexts(const char* shipName, const char* alignment)
{
    CopyBounded(mShipName, kShipTextSize, shipName);
    CopyBounded(mAlignment, kShipTextSize, alignment);
}

void CShip::SetHullMesh(int meshId)
{
    mHullMeshId = meshId;
    FillMeshRecord(mHullRecord, meshId);
    MeshEntry* entry = gResourceManager->GetMesh(meshId);
    mHullExtent = entry && entry->mesh ? gResourceManager->MeshExtent(entry->mesh) : Vec3();
}

void CShip::FitDevices(int engineDeviceId, int armorDeviceId, int shieldDeviceId)
{
    if (engineDeviceId != 0)
        mEngine = new CEngine(engineDeviceId, this);
    if (armorDeviceId != 0) {
        mArmor = new CArmor(armorDeviceId);
        mArmor->Attach(this);
    }
    if (shieldDeviceId != 0) {
        mShield = new CShield(shieldDeviceId);
        mShield->Attach(this);
    }
}

void CShip::SetDestination(const Vec3& point)
{
    mDestination = point;
    mDestination.z = kFlightPlaneZ;
}

void CShip::SetPosition(const Vec3& point)
{
    mPosition = point;
    mPosition.z = kFlightPlaneZ;
}

void CShip::SetAngles(const Vec3& angles)
{
    mRotation = angles;
}

void CShip::SetInvulnerable(bool)
{
}

int CShip::GetMaxHitPoints()
{
    return mMaxHitPoints + (mShield ? mShield->mMaxPoints : 0) + (mArmor ? mArmor->mMaxPoints : 0);
}

int CShip::GetHitPoints()
{
    return mHitPoints + (mShield ? mShield->mPoints : 0) + (mArmor ? mArmor->mPoints : 0);
}

void CShip::GetName(char* out)
{
    CopyBounded(out, kShipTextSize, mShipName);
}

void CShip::SetEngineEnergy(int energy)
{
    if (mEngine)
        mEngine->mEnergy = energy;
}

int CShip::GetAffiliate()
{
    return 0;
}

void CShip::AddShieldPoints(int points)
{
    if (mShield)
        mShield->mPoints = std::min(mShield->mPoints + points, mShield->mMaxPoints);
}

void CShip::AddEngineEnergy(int energy)
{
    if (mEngine)
        mEngine->mEnergy = std::min(mEngine->mEnergy + energy, mEngine->mMaxEnergy);
}

int CShip::GetAlpha()
{
    return mAlpha;
}

void CShip::SetAlpha(int alpha)
{
    mAlpha = alpha;
    if (alpha == 0)
        mVisible = 0;
}

void CShip::SetVisible(bool visible)
{
    mVisible = visible ? 1 : 0;
}

void CShip::FireAt(CWorldObject* target)
{
    Fire(&target->mPosition);
}

void CShip::ScaleHitPoints(float factor)
{
    mHitPoints = std::max(1, static_cast<int>(static_cast<float>(mHitPoints) * factor));
}

void CShip::SetAttackFactor(float)
{
}

CAilment* CShip::GetAilment(int ailmentType)
{
    if (ailmentType < 1 || ailmentType > kAilmentTypeCount)
        return nullptr;
    return mAilments[ailmentType - 1];
}

Vec3& CShip::GetPosition(Vec3& out)
{
    out = mPosition;
    return out;
}

Vec3& CShip::GetVelocity(Vec3& out)
{
    out = mVelocity;
    return out;
}

float CShip::GetHeading()
{
    return mRotation.z;
}

float CShip::GetSize()
{
    return mSize;
}

void CShip::UpdateSubsystems()
{
    if (mShield)
        mShield->Regenerate();
    if (mArmor)
        mArmor->Regenerate();
    mHullRegenerationAccumulator += static_cast<int>(gFrameTimeMs);
    while (mHullRegenerationPeriod >= 1 && mHullRegenerationAccumulator > mHullRegenerationPeriod) {
        mHullRegenerationAccumulator -= mHullRegenerationPeriod;
        if (mHitPoints < mMaxHitPoints)
            ++mHitPoints;
    }
    mHitPoints = std::min(mHitPoints, mMaxHitPoints);
}
