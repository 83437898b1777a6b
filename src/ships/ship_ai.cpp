// The computer wingman: construction from its row, its frame, its think, drawing and loot.
#include "ships/ship_ai.h"

#include <cstdlib>

#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "ships/ailment.h"
#include "ships/engine.h"
#include "ships/lead_ship_ai.h"
#include "ships/shield.h"
#include "ships/ship_clocks.h"
#include "world/object_kinds.h"

SharedSearch CShipAI::sSearch;

namespace {
constexpr ThreatRules kWingmanRules = {40, true};
constexpr int kHealthOdds = 5;
constexpr int kRepairPerLevel = 2;
constexpr int kLootPicks = 8;
}  // namespace

CShipAI::CShipAI(int objectId)
{
    mId = objectId;
    mType = kTypeWingman;
    const ShipAIRecord* found = gGameDatabase.GetShipAI(objectId);
    if (!found) {
        os::PostFailureQuit("no wingman row for object %d", objectId);
        return;
    }
    // Copied: the weapon and device queries below reuse the database's record.
    const ShipAIRecord row = *found;
    SetUpComputerShip(*this, row, mDistances);
    mType = kTypeWingman;
    mLeadId = row.lead_ship_ai_id;
    const int weaponIds[] = {row.range_weapon_device_id, row.melee_weapon_device_id, row.stealth_weapon_device_id,
                             row.bonus_weapon_device_id};
    for (int slot = 0; slot < kMiningSlot; ++slot)
        mWeapons.Set(slot, weaponIds[slot]);
    mOffset = Vec3(row.x_rel, row.y_rel, 0.0f);
    SetHullMesh(row.mesh_id);
    FitDevices(row.engine_device_id, row.armor_device_id, row.shield_device_id);
    SetShipTexts(row.ship_type, row.alignment);
}

void CShipAI::Update()
{
    if (!BeginComputerFrame())
        return;
    if (std::rand() % 30 == 0)
        Think();
    UpdateFade();
    FlyComputerFrame(gShipClocks.wingmanExhaustMs);
}

void CShipAI::Render()
{
    if (!mVisible || !mActive)
        return;
    for (CAilment* ailment : mAilments) {
        if (ailment)
            ailment->EmitParticle(this);
    }
    gResourceManager->RenderMesh(mHullRecord, false);
    if (mShield)
        mShield->DrawHitFlash();
    EmitTrail();
    if (mEngine)
        mEngine->RegenerateEnergy();
}

void CShipAI::SelectWeapon(int deviceId)
{
    for (int slot = 0; slot < kComputerWeaponSlots; ++slot) {
        if (mWeapons.ids[slot] == deviceId && mWeapons.records[slot]) {
            mSelectedWeapon = mWeapons.records[slot];
            return;
        }
    }
}

void CShipAI::DropLoot()
{
    DropComputerLoot(*this, LootPick(*this, mWeapons, std::rand() % kLootPicks), kHealthOdds, kRepairPerLevel);
}

CLeadShipAI* CShipAI::Lead()
{
    CLeadShipAI* lead = gResourceManager->FindLeadShip(mLeadId);
    return lead && lead->mType == kTypeLeadShip ? lead : nullptr;
}

void CShipAI::Think()
{
    if (!mActive)
        return;
    CLeadShipAI* lead = Lead();
    if (!lead)
        return;
    if (!lead->mCurrentTask || !lead->mActive) {
        // Without orders the wingman heads for its quadrant's far corner, past the system's edge.
        const float w = gResourceManager->mSystemWidth;
        const float h = gResourceManager->mSystemHeight;
        mDestination.x = mDestination.x > 0.0f ? w : -w;
        mDestination.y = mDestination.y > 0.0f ? h : -h;
        return;
    }
    MirrorTask(*lead);
    RunThreatStep(*this, mWeapons, mDistances, sSearch, kWingmanRules);
}

void CShipAI::MirrorTask(CLeadShipAI& lead)
{
    const CTask& task = *lead.mCurrentTask;
    switch (task.mTaskType) {
    case kTaskAttack:
    case kTaskCharge: {
        const bool attack = task.mTaskType == kTaskAttack;
        if (!SelectFirstFitted(*this, mWeapons, attack ? kRangeSlot : kMeleeSlot, attack ? kMeleeSlot : kRangeSlot))
            return;
        if (CWorldObject* target = gResourceManager->FindObject(task.mObjectId))
            FireAt(target);
        return;
    }
    case kTaskMove:
        if (mWeapons.Fitted(kStealthSlot) && !mStealth) {
            SelectWeapon(mWeapons.ids[kStealthSlot]);
            Fire(&mPosition);
        }
        if (!Vec3::Equals(mPosition, task.mPoint))
            SetDestination(Vec3::Sum(lead.mPosition, mOffset));
        return;
    case kTaskFlee:
        if (Vec3::Equals(mDestination, task.mPoint))
            return;
        SetDestination(lead.mPosition);
        if (mWeapons.Fitted(kRangeSlot)) {
            sSearch.shipSq = gResourceManager->FindNearestEnemyShip(this, sSearch.ship);
            if (sSearch.ship)
                FireAt(sSearch.ship);
        }
        return;
    default:
        return;
    }
}

CWorldObject* MakeWingman(int objectId)
{
    return new CShipAI(objectId);
}

void ForgetWingmanSearch()
{
    CShipAI::sSearch.Clear();
}
