// The shot base: owner lookup, experience forwarding and the damage roll every kind shares.
#include "ships/shot.h"

#include <cstdlib>

#include "engine/resource_manager.h"
#include "ships/weapon_records.h"
#include "world/player_view.h"

namespace {

// A ship of another player in the lobby.
constexpr int kTypeRemoteShip = 3;

}  // namespace

CShot::CShot(CActor* owner)
{
    mType = kTypeShot;
    mActive = 1;
    mVisible = 1;
    if (!owner)
        return;
    mAffiliate = owner->mAffiliate;
    mOwnerIsPlayer = gPlayerView && gPlayerView->Ship() == owner ? 1 : 0;
    mOwnerId = owner->mId;
}

void CShot::AddExperience(int experience)
{
    if (mOwnerIsPlayer && gPlayerView)
        gPlayerView->AddExperience(experience);
}

Vec3& CShot::GetPosition(Vec3& out)
{
    out = mPosition;
    return out;
}

Vec3& CShot::GetVelocity(Vec3& out)
{
    out = mVelocity;
    return out;
}

CActor* CShot::Owner() const
{
    if (mOwnerIsPlayer)
        return gPlayerView ? dynamic_cast<CActor*>(gPlayerView->Ship()) : nullptr;
    if (mOwnerId == 0 || !gResourceManager)
        return nullptr;
    return dynamic_cast<CActor*>(gResourceManager->FindObject(mOwnerId));
}

CActor* CShot::LiveOwner() const
{
    CActor* owner = Owner();
    return owner && owner->mActive ? owner : nullptr;
}

void CShot::Strike(CWorldObject& other, int amount, int damageType)
{
    if (gPlayerView && gPlayerView->Ship() == &other)
        mStruckThePlayer = 1;
    if (auto* witness = dynamic_cast<CShotWitness*>(&other))
        witness->StruckBy(*this, amount);
    other.TakeDamage(amount, damageType);
}

int CShot::RollDamage(const CWeaponInfo& record)
{
    int amount = record.mMinDamage;
    if (record.mVariableDamage > 0)
        amount += rand() % record.mVariableDamage;
    return amount;
}

bool IsShipType(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman || type == kTypeRemoteShip;
}
