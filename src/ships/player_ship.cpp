// The player ship's construction as a new pilot, its skill factors, the world's view of the
// player, and the global that holds the pilot.
#include "ships/player_ship.h"

#include <algorithm>
#include <cstring>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/engine.h"
#include "ships/weapon_records.h"
#include "world/system_check.h"

namespace {

constexpr int kPlayerObjectId = 1;
constexpr int kFirstSystemId = 1;
constexpr float kStartX = 50.0f;
constexpr float kStartY = -70.0f;
constexpr int kArrowSprite = 15204;
// The arrow is one opaque copy.
constexpr int kArrowAlpha = 255;
constexpr int kArrowCopies = 1;
constexpr float kArrowSpacing = 0.0f;
constexpr int kStartingCredits = 500;
constexpr int kBonusCredits = 10000;
constexpr int kSkillBonus = 100;
constexpr int kAllSkillsBonus = 25;

// Typed exactly, a name gives its bonus: credits, one skill each, then every skill.
constexpr const char* kBonusNames[] = {"Midas Vell",  "Orin Starwake", "Tamsin Forge", "Quill Arden",
                                       "Brakk Oduya", "Sable Merrow",  "Nyx Halloran"};

}  // namespace

CPlayerShip::CPlayerShip(int shipId, const char* name, int weapon1DeviceId, int weapon2DeviceId, int engineDeviceId,
                         int shieldDeviceId, int armorDeviceId, int engineering, int tactical, int navigation,
                         int communication, int science, uint32_t, int affiliate)
    : mEngineering(engineering),
      mTactical(tactical),
      mNavigation(navigation),
      mCommunication(communication),
      mScience(science)
{
    mPlayerId = gGameDatabase.NewPlayerId();
    CopyBounded(mPilotName, kPilotNameSize, name ? name : "");
    mAffiliate = affiliate;
    StartInFirstSystem();
    SetUpHull(shipId, Vec3(mHomeX, mHomeY, 30.0f));
    FitDevices(engineDeviceId, armorDeviceId, shieldDeviceId);
    for (int deviceId : {weapon1DeviceId, weapon2DeviceId}) {
        if (deviceId != 0)
            FitOwnWeapon(deviceId);
    }
    SelectSlot(0);
    RecomputeNextLevel();
    mHullRegenerationPeriod = std::max(10000 - 250 * mEngineering, 50);
    mCredits = kStartingCredits;
    ApplyNameBonus();
}

bool CPlayerShip::StartInFirstSystem()
{
    mSystemId = kFirstSystemId;
    HomeAtStart();
    // A pilot there could never leave its station: nothing of the game can be played.
    if (const char* refusal = SystemRefusal(kFirstSystemId)) {
        os::PostFailureQuit("system %d, where pilots start, %s", kFirstSystemId, refusal);
        return false;
    }
    return true;
}

void CPlayerShip::HomeAtStart()
{
    mHomeSystemId = kFirstSystemId;
    mHomeX = kStartX;
    mHomeY = kStartY;
}

void CPlayerShip::SetUpHull(int shipId, const Vec3& position)
{
    mId = kPlayerObjectId;
    mType = kTypePlayer;
    mAlpha = 255;
    mColour = 0xFFFFFFFFu;
    mActive = mVisible = mSolid = 1;
    mShipId = shipId;
    SetRadarSprite(kPilotShipBlip);
    mArrowRecord = TrailDrawRecord{kArrowSprite, &mArrowPosition, &gZeroVector,  &mArrowAngle,  &mSize,
                                   &kArrowAlpha, &mArrowColour,   &kArrowCopies, &kArrowSpacing};
    mPosition = mDestination = mHomePosition = position;
    if (const ShipRecord* hull = gGameDatabase.GetShip(shipId))
        ApplyHull(*hull);
}

void CPlayerShip::ApplyNameBonus()
{
    const auto* match = std::find_if(std::begin(kBonusNames), std::end(kBonusNames),
                                     [&](const char* bonus) { return std::strcmp(bonus, mPilotName) == 0; });
    const auto index = match - std::begin(kBonusNames);
    int* const oneSkill[] = {&mNavigation, &mEngineering, &mScience, &mTactical, &mCommunication};
    if (index == 0) {
        mCredits = kBonusCredits;
    } else if (index >= 1 && index <= 5) {
        *oneSkill[index - 1] += kSkillBonus;
    } else if (index == 6) {
        for (int* skill : oneSkill)
            *skill += kAllSkillsBonus;
    }
}

float CPlayerShip::GetArmorRegenFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mEngineering);
}

float CPlayerShip::GetDamageFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mTactical);
}

float CPlayerShip::GetSpeedFactor()
{
    return 1.0f + 0.3f * static_cast<float>(mNavigation);
}

float CPlayerShip::GetAccelerationFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mNavigation);
}

float CPlayerShip::GetFuelEfficiencyFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mNavigation);
}

float CPlayerShip::GetScienceFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mScience);
}

float CPlayerShip::GetEnergyRegenFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mScience);
}

float CPlayerShip::GetShieldRegenFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mScience);
}

void CPlayerShip::AddVisitedSystem(int systemId)
{
    mVisitedSystems.insert(systemId);
}

void CPlayerShip::ClearTargets()
{
    mTarget = nullptr;
    mGuideTarget = nullptr;
}

void CPlayerShip::ForgetObject(const CWorldObject* object)
{
    if (mTarget == object)
        mTarget = nullptr;
    if (mGuideTarget == object)
        mGuideTarget = nullptr;
}

void CPlayerShip::ClearChargeShot()
{
    mActiveChargeId = 0;
}

void CPlayerShip::StopForTrip()
{
    mMoveSpeed = 0.0f;
    if (mEngine)
        mEngine->mSpeed = 0.0f;
}

void ReplacePlayerShip(CPlayerShip* ship)
{
    CPlayerShip* old = gPlayerShip;
    gPlayerShip = ship;
    gPlayerView = ship;
    gQuestPilot = ship;
    if (old != ship)
        delete old;
}
