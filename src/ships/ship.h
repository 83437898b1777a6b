// CShip: the base of every ship in a solar system: the hull, the shield, armor and engine, the
// ailment slots, the destination and waypoints, ship-to-ship contact, the damage chain with its
// destruction, and the per-frame steps the concrete ships' updates call.
#pragma once

#include <cstdint>
#include <list>

#include "core/draw_records.h"
#include "core/vec3.h"
#include "ships/ailment.h"
#include "world/actor.h"

class CArmor;
class CDeviceInfo;
class CEngine;
class CShield;

// Room of the ship name and the alignment text, terminating zero included.
constexpr int kShipTextSize = 30;

// The radar blip of a ship a player flies, on this peer or another.
constexpr int kPilotShipBlip = 319;

// Ownership: a ship owns its shield, armor, engine and ailments and deletes them; the world map
// that holds the ship owns the ship. The selected weapon belongs to whoever made it.
class CShip : public CActor {
public:
    CShip();
    ~CShip() override;

    // The destination and the position stay in the flight plane.
    void SetDestination(const Vec3& point) override;
    void SetPosition(const Vec3& point) override;
    void SetAngles(const Vec3& angles) override;
    void SetInvulnerable(bool invulnerable) override;
    // Shield, then armor, then hull; true when this hit destroyed the ship.
    bool TakeDamage(int amount, int damageType) override;
    // The minimap blip; the player's own blip pulses.
    void DrawRadar() override;
    // Ships of one affiliate are set apart; anything else solid is rammed.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize); }
    // Hull plus shield plus armor.
    int GetMaxHitPoints() override;
    int GetHitPoints() override;
    // The hull's type name, not the object's name.
    void GetName(char* out) override;
    // Never faster than MaxPushSpeed; a ship of size 0, or an impulse that would leave the
    // velocity not finite, is not moved.
    void Push(const Vec3& impulse) override;
    // 60 / size: the fastest a push moves the ship.
    float MaxPushSpeed() const;

    // Takes the ailment when its friendliness matches and its type's slot is free.
    void ApplyAilment(int ailmentId, bool friendly) override;
    void SetEngineEnergy(int energy) override;
    int GetAffiliate() override;
    void AddShieldPoints(int points) override;
    void AddEngineEnergy(int energy) override;
    int GetAlpha() override;
    // An alpha of 0 also hides the ship.
    void SetAlpha(int alpha) override;
    void SetVisible(bool visible) override;
    void FireAt(CWorldObject* target) override;
    // Hull points times the factor, at least 1.
    void ScaleHitPoints(float factor) override;
    // No ship's attack changes through it.
    void SetAttackFactor(float factor) override;

    // The slot of that AilmentType, null for any other type.
    virtual CAilment* GetAilment(int ailmentType);
    virtual Vec3& GetPosition(Vec3& out);
    virtual Vec3& GetVelocity(Vec3& out);
    virtual float GetHeading();
    virtual float GetSize();
    virtual void DropLoot() = 0;
    virtual void SelectWeaponSlot(int index) = 0;
    virtual void SelectWeapon(int deviceId) = 0;
    // Full repair: live, hull, energy, shield and armor at their maxima, harmful ailments gone;
    // bonuses stay.
    CShip* Restore();

    // The per-frame steps of the concrete updates.
    // Fades out while cloaked, in otherwise (to 160 for a ghost-coloured ship).
    void UpdateFade();
    // Keeps the destination inside the current system.
    void ClampDestination();
    // Shield, armor and hull regeneration.
    void UpdateSubsystems();
    // Expires ailments whose time is up and applies the others.
    void UpdateAilments();
    // A computer ship's frame before it thinks: the respawn count of a dead ship, the flight
    // plane. False when nothing else runs this frame (dead, or no engine).
    bool BeginComputerFrame();
    // A computer ship's frame after it thinks: steering, thrust, ailments, movement, tumbling,
    // turning, smoke, regeneration and exhaust. exhaustClock is shared by the ship's class.
    void FlyComputerFrame(int& exhaustClock);

    // Cleared each frame by the "no recharge" ailment: the engine then regenerates no energy.
    uint8_t mRecharge = 1;
    // Cloaked: the ship fades out; any positive hit clears it.
    uint8_t mStealth = 0;
    // Object id of the ship's live charge shot; 0 = none.
    int mActiveChargeId = 0;
    int mHullMeshId = 0;
    CShield* mShield = nullptr;
    CArmor* mArmor = nullptr;
    CEngine* mEngine = nullptr;
    uint8_t mArrived = 1;
    // Following the waypoint list.
    uint8_t mFollowingWaypoints = 0;
    std::list<Vec3> mWaypoints;
    // The hull mesh's bounding box size.
    Vec3 mHullExtent;
    MeshDrawRecord mHullRecord;
    // Compounds dropped at destruction.
    int mCompoundAmount = 0;
    int mCompoundClass = 0;
    int mShipId = 0;
    int mHullRegenerationPeriod = 0;
    int mHullRegenerationAccumulator = 0;
    int mSmokeClock = 0;
    CDeviceInfo* mSelectedWeapon = nullptr;
    CAilment* mAilments[kAilmentTypeCount] = {};
    Vec3 mDestination;
    Vec3 mTargetRotation;
    Vec3 mExhaustPoint;
    char mShipName[kShipTextSize] = {};
    char mAlignment[kShipTextSize] = {};
    int mShipLevel = 0;
    // Milliseconds since a computer ship last fired.
    int mWeaponCooldown = 0;
    // The part of a fade step that the whole alpha has not taken yet.
    float mFadeCarry = 0.0f;

protected:
    // For the concrete constructors: the hull's name and alignment, bounded to their fields.
    void SetShipTexts(const char* shipName, const char* alignment);
    // The hull mesh: its draw record and its bounding box size.
    void SetHullMesh(int meshId);
    // Fits the devices the concrete constructor names (0 = none) and attaches them; call it
    // once the size and the hull mesh are set.
    void FitDevices(int engineDeviceId, int armorDeviceId, int shieldDeviceId);
    // Moves by step towards the destination, then drifts and tumbles while pushed.
    void MoveAndTumble(float step);
    // Turns the heading towards the target by turn, banking, and levels the pitch.
    void Turn(float turn);
    // A damaged hull's smoke: adds the frame to the smoke clock (capped at 800 ms) and gives the
    // milliseconds between puffs, shorter the worse the damage and never below 300; 0 with the
    // hull whole or gone.
    int StepSmokeClock();
    // A hit uncloaks the ship, and its shield and armor take their part; what the hull takes.
    int AbsorbHit(int amount, int damageType);
    // The destruction of step 4: sound, compounds, loot, experience, credits.
    void Destroy();
    // Breaks the hull into debris near the camera.
    void BreakUp();

private:
    void StepAlpha(float step);
    void SmokeWhenDamaged();
    void EmitExhaust(int& exhaustClock);
};
