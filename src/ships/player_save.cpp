// Loading a saved pilot and writing the pilot back to the save database.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "quests/quest.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "world/system_check.h"

namespace {

// device_number 10 and up are weapon slots.
constexpr int kFirstWeaponNumber = 10;

// Up to the first empty slot, with the ammunition the ship keeps for each device.
template <typename Device>
void CollectSlots(const CPlayerShip& ship, Device* const* list, int count, std::array<PlayerSaveSlot, 10>& slots)
{
    for (int i = 0; i < count; ++i)
        slots[i] = PlayerSaveSlot{list[i]->mDeviceId, ship.GetAmmo(list[i]->mDeviceId)};
}

}  // namespace

CPlayerShip::CPlayerShip(int playerId)
{
    const PlayerRecord* found = gGameDatabase.GetPlayer(playerId);
    if (!found) {
        mPlayerId = playerId;
        mActive = mVisible = 0;
        return;
    }
    const PlayerRecord saved = *found;
    mLevel = std::max(saved.level, 1);
    mLevelUps = saved.level_up;
    mCommunication = saved.com_level;
    mEngineering = saved.eng_level;
    mNavigation = saved.nav_level;
    mScience = saved.sci_level;
    mTactical = saved.tac_level;
    mExperience = saved.experience;
    // Levels earned while away are taken quietly.
    RecomputeNextLevel();
    while (mExperience >= mNextLevelExperience) {
        mExperience -= mNextLevelExperience;
        ++mLevelUps;
        ++mLevel;
        RecomputeNextLevel();
    }
    mCredits = saved.credits;
    mSystemId = mHomeSystemId = saved.system_id;
    mHomeX = saved.x_pos;
    mHomeY = saved.y_pos;
    // A content update may have taken the save point's system away; the pilot flies on from the start.
    if (const char* refusal = SystemRefusal(saved.system_id)) {
        if (StartInFirstSystem())
            std::fprintf(stderr, "varnok: pilot %d was saved in system %d, which %s; it starts in the first system\n",
                         saved.player_id, saved.system_id, refusal);
    } else if (!HomeIsFinite() && StartInFirstSystem()) {
        std::fprintf(stderr, "varnok: pilot %d was saved at a point off every map; it starts at the new pilot's point\n",
                     saved.player_id);
    }
    mPlayerId = saved.player_id;
    CopyBounded(mPilotName, kPilotNameSize, saved.character_name);
    mCompounds[0] = saved.common_compounds;
    mCompounds[1] = saved.uncommon_compounds;
    mCompounds[2] = saved.rare_compounds;
    mCompounds[3] = saved.exotic_compounds;
    mCompounds[4] = saved.undiscovered_compounds;
    mAffiliate = saved.affiliate;
    SetUpHull(saved.ship_id, Vec3(mHomeX, mHomeY, 30.0f));
    FitDevices(saved.engine_device_id, saved.armor_device_id, saved.shield_device_id);
    if (mEngine)
        mEngine->mFuel = saved.fuel;

    RowList<PlayerDeviceRow> devices;
    for (const PlayerDeviceRow* row : gGameDatabase.GetPlayerDevices(devices, playerId)) {
        mAmmo[row->device_id] = row->amount;
        // A device the content no longer has ends the game before a save could drop it; a full
        // list takes no more.
        if (row->device_number >= kFirstWeaponNumber) {
            FitOwnWeapon(row->device_id);
        } else {
            CDeviceInfo* device = gGameDatabase.CreateOwnedDevice(row->device_id);
            if (!AddCarriedDevice(device))
                delete device;
        }
    }
    SelectSlot(0);
    mHullRegenerationPeriod = std::max(10000 - 250 * mEngineering, 50);

    RowList<PlayerQuestRow> quests;
    for (const PlayerQuestRow* row : gGameDatabase.GetPlayerQuests(quests, playerId)) {
        // Quests under way are not kept across a load: their triggers offer them again.
        if (!row->complete || mCompletedQuests.count(row->quest_id))
            continue;
        auto* quest = new CQuest(row->quest_id);
        quest->mState = kQuestComplete;
        quest->LoadFinalConversation();
        mCompletedQuests[row->quest_id] = quest;
    }
}

bool CPlayerShip::HomeIsFinite() const
{
    return std::isfinite(mHomeX) && std::isfinite(mHomeY);
}

void CPlayerShip::Save()
{
    // A save point off every map (a station placed there) is one the save could not read back.
    if (!HomeIsFinite()) {
        std::fprintf(stderr, "varnok: pilot %d docked at a point off every map; it is saved at the new pilot's point\n",
                     mPlayerId);
        HomeAtStart();
    }
    PlayerSaveData pilot;
    pilot.player_id = mPlayerId;
    pilot.object_id = mId;
    pilot.ship_id = mShipId;
    pilot.system_id = mHomeSystemId;
    pilot.x_pos = mHomeX;
    pilot.y_pos = mHomeY;
    pilot.credits = mCredits;
    pilot.experience = mExperience;
    pilot.com_level = mCommunication;
    pilot.eng_level = mEngineering;
    pilot.nav_level = mNavigation;
    pilot.sci_level = mScience;
    pilot.tac_level = mTactical;
    pilot.level = mLevel;
    pilot.level_up = mLevelUps;
    pilot.character_name = mPilotName;
    pilot.common_compounds = mCompounds[0];
    pilot.uncommon_compounds = mCompounds[1];
    pilot.rare_compounds = mCompounds[2];
    pilot.exotic_compounds = mCompounds[3];
    pilot.undiscovered_compounds = mCompounds[4];
    pilot.color_mod = mColour;
    pilot.next_level = mNextLevelExperience;
    pilot.engine_device_id = mEngine ? mEngine->mDeviceId : 0;
    pilot.fuel = mEngine ? mEngine->mFuel : 0;
    pilot.shield_device_id = mShield ? mShield->mDeviceId : 0;
    pilot.armor_device_id = mArmor ? mArmor->mDeviceId : 0;
    pilot.alignment = mAffiliate;
    CollectSlots(*this, mCarried, mCarriedCount, pilot.carried);
    CollectSlots(*this, mWeapons, mWeaponCount, pilot.weapons);
    pilot.visited_systems.assign(mVisitedSystems.begin(), mVisitedSystems.end());
    for (const auto& [questId, quest] : mCompletedQuests)
        pilot.completed_quests.push_back(questId);
    gGameDatabase.SavePlayer(pilot);
}
