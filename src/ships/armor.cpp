// The armor: reading its row and attaching it to a hull.
#include "ships/armor.h"

#include "db/game_database.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"
#include "ships/ship.h"

CArmor::CArmor(int deviceId)
{
    mDeviceType = kDeviceArmor;
    mDeviceId = deviceId;
    const ArmorRecord* row = gGameDatabase.GetArmor(deviceId);
    if (!row) {
        os::PostFailureQuit("no armor row for device %d", deviceId);
        return;
    }
    SetHead(deviceId, kDeviceArmor, row->device_name, row->display_mesh_id, row->credit_value);
    mAilmentId = row->ailment_id;
    mDamageType = row->device_mod;
    mArmorId = row->armor_id;
    mArmorClass = row->armor_class;
    mMaxPoints = row->max_hit_points;
    mPoints = mMaxPoints;
    SetRate(row->regeneration_rate);
}

void CArmor::Attach(CShip* owner)
{
    mOwner = owner;
    ScalePeriod(owner->GetArmorRegenFactor());
}
