// CResourceManager::LaunchWeapon: where firing any weapon device takes effect, whoever fires it.
#include <algorithm>
#include <cstdio>
#include <set>

#include "core/message_log.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/beam_shot.h"
#include "ships/charge_shot.h"
#include "ships/projectile_shot.h"
#include "ships/ship.h"
#include "ships/shockwave_shot.h"
#include "ships/weapon_records.h"
#include "world/mine.h"
#include "world/phantom.h"
#include "world/system_check.h"

namespace {

constexpr int kCloakSound = 54;
constexpr int kPortalSound = 54;
// Rings are drawn below the flight plane, each at its own depth.
constexpr float kRingDepthPerId = 0.00001f;
constexpr float kRingDepthBase = 16.0f;
// The portal always leads to the portal system and back.
constexpr int kPortalSystem = 2;
const Vec3 kPortalArrival(-100.0f, 0.0f, 30.0f);
// Links a chain may run through; one that leads back to its own weapon would never end.
constexpr int kChainDepthLimit = 8;

// The links behind a launch whose owner is a shot carrying a chain (a projectile that ended).
int LinksBehind(const CActor* owner)
{
    const auto* shot = dynamic_cast<const CShot*>(owner);
    return shot ? shot->mChainDepth + 1 : 0;
}

// One line for each weapon whose chain was stopped, once for the run.
void ReportDeepChain(int deviceId)
{
    static std::set<int> reported;
    if (reported.insert(deviceId).second)
        std::fprintf(stderr,
                     "varnok: the chain reaching weapon %d runs deeper than %d links (it leads back to "
                     "itself?); it stops there\n",
                     deviceId, kChainDepthLimit);
}

// Content may have lost the portal system's row or its size; a trip there would strand the pilot,
// so the portal stays shut, said once on stderr.
bool PortalSystemOpen()
{
    const char* refusal = SystemRefusal(kPortalSystem);
    static bool reported = false;
    if (refusal && !reported) {
        std::fprintf(stderr, "varnok: the portal leads to system %d, which %s; it stays shut\n", kPortalSystem,
                     refusal);
        reported = true;
    }
    return !refusal;
}

}  // namespace

bool CResourceManager::FileLaunched(CWorldObject* object, int launchSoundId)
{
    // A refused object is deleted by the filing, so it makes no sound either.
    if (!object || !object->mActive) {
        delete object;
        return false;
    }
    if (!FileObject(mObjects, object))
        return false;
    mLaunchSound = SoundRequest{launchSoundId, &object->mPosition};
    PlaySoundAt(mLaunchSound);
    return true;
}

void CResourceManager::PlayLaunchSoundAtEye(int soundId)
{
    // The interface position plays at the listener: full loudness, centred.
    mLaunchSound = SoundRequest{soundId, &gZeroVector};
    PlaySoundAt(mLaunchSound);
}

// Shockwaves, charges and mines start at the origin; beams, projectiles and phantoms at the owner.
void CResourceManager::LaunchWeapon(int deviceId, CActor* owner, const Vec3* origin, const Vec3* target)
{
    // Nothing fires from nowhere or at nothing.
    if (!owner || !origin || !target)
        return;
    if (mChainCut)
        return;
    const int depth = mLaunchNesting + LinksBehind(owner);
    if (depth > kChainDepthLimit) {
        ReportDeepChain(deviceId);
        mChainCut = mLaunchNesting > 0;
        return;
    }
    ++mLaunchNesting;
    try {
        const int weaponType = GetWeaponType(deviceId);
        // Only ships cloak; launching anything uncloaks the launcher.
        CShip* ship = dynamic_cast<CShip*>(owner);
        const uint8_t wasCloaked = ship ? ship->mStealth : 0;
        if (ship) {
            ship->mStealth = 0;
            ship->mVisible = 1;
        }

        switch (weaponType) {
        case kWeaponBeam: {
            auto* shot = new CBeamShot(deviceId, owner, target);
            shot->mChainDepth = depth;
            const int sound = shot->mWeaponRecord ? shot->mWeaponRecord->mLaunchSoundId : 0;
            FileLaunched(shot, sound);
            break;
        }
        case kWeaponProjectile: {
            auto* shot = new CProjectileShot(deviceId, owner, target);
            shot->mChainDepth = depth;
            const int sound = shot->mWeaponRecord ? shot->mWeaponRecord->mLaunchSoundId : 0;
            FileLaunched(shot, sound);
            break;
        }
        case kWeaponCloak:
            if (ship) {
                ship->mStealth = wasCloaked ? 0 : 1;
                PlayLaunchSoundAtEye(kCloakSound);
            }
            break;
        case kWeaponCharge: {
            // One charge at a time, and only a ship can hold one.
            if (!ship || ship->mActiveChargeId != 0)
                break;
            auto* shot = new CChargeShot(deviceId, ship, origin);
            shot->mChainDepth = depth;
            const int id = shot->mId;
            const int sound = shot->mWeaponRecord ? shot->mWeaponRecord->mLaunchSoundId : 0;
            if (FileLaunched(shot, sound))
                ship->mActiveChargeId = id;
            break;
        }
        case kWeaponShockwave: {
            auto* shot = new CShockwaveShot(deviceId, owner, origin);
            shot->mChainDepth = depth;
            const int sound = shot->mWeaponRecord ? shot->mWeaponRecord->mLaunchSoundId : 0;
            if (FileLaunched(shot, sound))
                shot->mPosition.z = static_cast<float>(shot->mId) * kRingDepthPerId + kRingDepthBase;
            break;
        }
        case kWeaponMine: {
            auto* record = dynamic_cast<CMineWeapon*>(GetDeviceWeaponInfo(deviceId));
            if (!record)
                break;
            FileLaunched(new CMineObject(origin->x, origin->y, origin->z, record->mDestructDeviceId, record->mRange,
                                         record->mMeshId, owner->mAffiliate),
                         record->mLaunchSoundId);
            break;
        }
        case kWeaponPhantom: {
            auto* record = dynamic_cast<CPhantomWeapon*>(GetWeaponInfo(deviceId, kWeaponPhantom));
            if (!record)
                break;
            const Vec3& at = owner->mPosition;
            FileLaunched(new CPhantomObject(at.x, at.y, at.z, record->mDamage, record->mSize, record->mRange,
                                            record->mParticleId, record->mParticleDelay, record->mVelocity,
                                            record->mAliveTime, owner->mAffiliate),
                         record->mLaunchSoundId);
            break;
        }
        case kWeaponPortal:
            if (mPortalAllowed && mCurrentSystemId % 100 != kPortalSystem && PortalSystemOpen()) {
                mPortalTargetSystem = kPortalSystem;
                mArrivalPoint = kPortalArrival;
                PostFlightMessage("Opening Portal to Lustalla");
                StartPortalEffect();
                PlayLaunchSoundAtEye(kPortalSound);
                mPortalPosition = *target;
            } else {
                PostFlightMessage("Portal can not be opened.");
            }
            break;
        case kWeaponHealth: {
            auto* record = dynamic_cast<CHealthWeapon*>(GetWeaponInfo(deviceId, kWeaponHealth));
            if (!record) {
                PostFlightMessage("Failed to Repair Ship Structure");
                break;
            }
            int amount = static_cast<int>(static_cast<float>(owner->mMaxHitPoints) * record->mHealFraction);
            amount = std::min(amount, owner->mMaxHitPoints - owner->mHitPoints);
            owner->mHitPoints += amount;
            PlayLaunchSoundAtEye(record->mLaunchSoundId);
            break;
        }
        default:
            break;
        }
    } catch (...) {
        PostFlightMessage("Exception Caught Launching Weapon");
    }
    if (--mLaunchNesting == 0)
        mChainCut = false;
}
