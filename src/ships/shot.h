// CShot: the base of every shot in flight (beam, projectile, shockwave, charge). Shots live in
// the world's object map and deal their damage from their own Interact.
#pragma once

#include "world/actor.h"

class CAilment;
class CShot;
class CWeaponInfo;

// An object that learns which shot struck it, besides taking the blow's damage.
class CShotWitness {
public:
    virtual void StruckBy(const CShot& shot, int amount) = 0;

protected:
    ~CShotWitness() = default;
};

// Ownership: the world map owns the shot, the weapon record cache owns its record. The owner is
// held by id and looked up at each use, so an owner deleted meanwhile is simply gone.
class CShot : public CActor {
public:
    // Type shot, live, nothing to damage; the owner (null for none) gives its id and affiliate.
    explicit CShot(CActor* owner);

    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool) override {}
    // Shots cannot be damaged.
    bool TakeDamage(int, int) override { return false; }
    void DrawRadar() override {}
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char* out) override { out[0] = '\0'; }
    void Push(const Vec3& impulse) override { mVelocity = impulse; }
    int GetMeshId() override { return 0; }

    void ApplyAilment(int, bool) override {}
    void SetEngineEnergy(int) override {}
    int GetAffiliate() override { return mAffiliate; }
    void AddShieldPoints(int) override {}
    void AddEngineEnergy(int) override {}
    int GetAlpha() override { return mAlpha; }
    void SetAlpha(int alpha) override { mAlpha = alpha; }
    void SetVisible(bool visible) override { mVisible = visible ? 1 : 0; }
    void FireAt(CWorldObject*) override {}
    void Fire(const Vec3*) override {}
    void ScaleHitPoints(float) override {}
    void SetAttackFactor(float) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    // Experience earned by a shot of the player's goes to the player.
    void AddExperience(int experience) override;
    float GetArmorRegenFactor() override { return 1.0f; }
    float GetDamageFactor() override { return 1.0f; }
    float GetSpeedFactor() override { return 1.0f; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return 1.0f; }
    float GetShieldRegenFactor() override { return 1.0f; }

    virtual CAilment* GetAilment(int) { return nullptr; }
    virtual Vec3& GetPosition(Vec3& out);
    // The point the shot flies to; (0, 0, 0) for the kinds that fly nowhere.
    virtual Vec3& GetTargetPoint(Vec3& out) = 0;
    virtual Vec3& GetVelocity(Vec3& out);
    virtual float GetHeading() { return mRotation.z; }
    virtual float GetSize() { return mSize; }

    // The owner when it still exists, else null ("owner gone").
    CActor* Owner() const;
    // The owner when it exists and is live.
    CActor* LiveOwner() const;
    bool OwnerIsPlayer() const { return mOwnerIsPlayer != 0; }

    // One blow of this shot: the damage, told to a witness first.
    void Strike(CWorldObject& other, int amount, int damageType);
    // The shot struck the player's own ship in this world.
    bool StruckThePlayer() const { return mStruckThePlayer != 0; }

    // Chain links that led to this shot: 0 for a shot its owner fired itself.
    int mChainDepth = 0;

protected:
    // A hit's amount before the owner's factor: minimum plus rand() % variable when above 0.
    static int RollDamage(const CWeaponInfo& record);

private:
    // 0 with no owner.
    int mOwnerId = 0;
    // The player ship is not filed in the object map; it is found through the player view.
    uint8_t mOwnerIsPlayer = 0;
    uint8_t mStruckThePlayer = 0;
};
// Ships are the kinds that take ailments from hits.
bool IsShipType(int type);
