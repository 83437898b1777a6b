// The lead computer ship: construction from its row, its frame, drawing, firing and loot.
#include "ships/lead_ship_ai.h"

#include <cstdlib>

#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "ships/ailment.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/ship_clocks.h"
#include "world/object_kinds.h"

SharedSearch CLeadShipAI::sSearch;

namespace {
constexpr int kHealthOdds = 3;
constexpr int kRepairPerLevel = 3;
constexpr int kLootPicks = 8;
}  // namespace

CTask::CTask(int taskId)
{
    const TaskRecord* row = gGameDatabase.GetTask(taskId);
    if (!row)
        return;
    mTaskId = row->task_id;
    mTaskSequence = row->task_sequence;
    mTaskType = row->task_type;
    mPoint = Vec3(row->x_pos, row->y_pos, 30.0f);
    mObjectId = row->object_id;
    mRepeat = row->repeat ? 1 : 0;
    mPriority = row->priority;
}

CLeadShipAI::CLeadShipAI(int objectId)
{
    mId = objectId;
    mType = kTypeLeadShip;
    mTaskIterator = mTasks.end();
    const LeadShipAIRecord* found = gGameDatabase.GetLeadShipAI(objectId);
    if (!found) {
        os::PostFailureQuit("no lead ship row for object %d", objectId);
        return;
    }
    // Copied: the task and weapon queries below reuse the database's record.
    const LeadShipAIRecord row = *found;
    SetUpComputerShip(*this, row, mDistances);
    mLeadId = row.lead_ship_ai_id;
    RowList<TaskIdRow> taskRows;
    std::vector<int> taskIds;
    for (const TaskIdRow* task : gGameDatabase.GetTaskIds(taskRows, mLeadId))
        taskIds.push_back(task->task_id);
    for (int taskId : taskIds)
        mTasks.push_back(new CTask(taskId));
    mTaskIterator = mTasks.begin();
    const int weaponIds[] = {row.range_weapon_device_id, row.melee_weapon_device_id, row.stealth_weapon_device_id,
                             row.bonus_weapon_device_id, row.mining_weapon_device_id};
    for (int slot = 0; slot < kComputerWeaponSlots; ++slot)
        mWeapons.Set(slot, weaponIds[slot]);
    mDropDeviceId = row.drop_device_id;
    SetHullMesh(row.mesh_id);
    FitDevices(row.engine_device_id, row.armor_device_id, row.shield_device_id);
    mMessageDistanceSq = row.message_distance_sq;
    SetShipTexts(row.ship_type, row.alignment);
}

CLeadShipAI::~CLeadShipAI()
{
    for (CTask* task : mTasks)
        delete task;
}

void CLeadShipAI::Update()
{
    if (!BeginComputerFrame())
        return;
    ClampDestination();
    UpdateFade();
    if (std::rand() % 10 == 0)
        Think();
    FlyComputerFrame(gShipClocks.leadExhaustMs);
}

void CLeadShipAI::Render()
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
}

void CLeadShipAI::FireWeapon(const Vec3* point)
{
    FireSelectedWeapon(*this, point);
}

void CLeadShipAI::SelectWeapon(int deviceId)
{
    for (int slot = 0; slot < kComputerWeaponSlots; ++slot) {
        if (mWeapons.ids[slot] == deviceId) {
            mSelectedWeapon = mWeapons.records[slot];
            return;
        }
    }
}

void CLeadShipAI::DropLoot()
{
    const int deviceId = mDropDeviceId != 0 ? mDropDeviceId : LootPick(*this, mWeapons, std::rand() % kLootPicks);
    DropComputerLoot(*this, deviceId, kHealthOdds, kRepairPerLevel);
}

CWorldObject* MakeLeadShip(int objectId)
{
    return new CLeadShipAI(objectId);
}

void FileLeadShip(CWorldObject* object, const ObjectIdRow&)
{
    auto* ship = static_cast<CLeadShipAI*>(object);
    gResourceManager->RegisterLeadShip(ship, ship->mLeadId);
}

void ForgetLeadShipSearch()
{
    CLeadShipAI::sSearch.Clear();
}
