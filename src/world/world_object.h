// CWorldObject: the root of everything that exists in a solar system, with the fields every
// object has and the radar, marker and boundary helpers the kinds share.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/draw_records.h"
#include "core/vec3.h"

// ObjectType values the constructors set.
enum ObjectTypeId {
    kTypeLeadShip = 1,
    kTypeWingman = 2,
    kTypeNetwork = 3,
    kTypeResource = 4,
    kTypeWormhole = 5,
    kTypeStation = 6,
    kTypePlanet = 7,
    kTypeDeviceObject = 8,
    kTypeGoto = 9,
    kTypeOrbit = 11,
    kTypeNebula = 12,
    kTypePlayer = 13,
    kTypeScaffold = 14,
    kTypeFountain = 15,
    kTypeMine = 16,
    kTypeOutpost = 17,
    kTypePhantom = 18,
    kTypeVortex = 19,
    kTypeShot = 20,
    kTypeHealth = 21,
};

// The Alignment of wormholes, planets, resources and fountains.
constexpr int kAffiliateNature = 4;

// Room of an object's name, terminating zero included.
constexpr int kObjectNameSize = 51;

// The common columns of an object's content row.
struct ObjectRow {
    int objectId = 0;
    int systemId = 0;
    const char* name = "";
    float x = 0.0f;
    float y = 0.0f;
    float size = 0.0f;
};

// Ownership: the world maps of CResourceManager own every object; nothing else deletes one.
// Whatever keeps an object across frames keeps its id and looks it up with FindObject.
constexpr float kReachEverywhere = std::numeric_limits<float>::infinity();

class CWorldObject {
public:
    // The three draw records are zeroed; the kind's constructor fills the rest.
    CWorldObject();
    virtual ~CWorldObject() = default;
    CWorldObject(const CWorldObject&) = delete;
    CWorldObject& operator=(const CWorldObject&) = delete;

    // Ships force z to 30.
    virtual void SetDestination(const Vec3& point) = 0;
    virtual void SetPosition(const Vec3& point) = 0;
    virtual void SetAngles(const Vec3& angles) = 0;
    virtual void SetInvulnerable(bool invulnerable) = 0;
    // True when this hit destroyed the object.
    virtual bool TakeDamage(int amount, int damageType) = 0;
    virtual void Update() = 0;
    // Draws while visible and active.
    virtual void Render() = 0;
    virtual void DrawRadar() = 0;
    // Contact with another object; each kind first tests whether the pair can touch at all.
    virtual void Interact(CWorldObject* other) = 0;
    // How far Interact can act from the object's position in the flight plane, beyond the other's
    // size; every other object is out of its reach. kReachEverywhere when nothing bounds it.
    virtual float ContactReach() const { return kReachEverywhere; }
    virtual int GetMaxHitPoints() = 0;
    virtual int GetHitPoints() = 0;
    // Copies the name into out, which has room for kObjectNameSize characters.
    virtual void GetName(char* out) = 0;
    virtual void Push(const Vec3& impulse) = 0;
    // The mesh shown and broken into debris; a negative value is minus a sprite id.
    virtual int GetMeshId() = 0;
    // Does the segment from `from` toward `to` hit the object for a mover of that radius?
    virtual bool HitTestSegment(const Vec3* from, const Vec3* to, float radius) = 0;
    // Four corners of a square around the object at the mover's height.
    virtual void GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover) = 0;

    // The blip's sprite, drawn at the blip's place in the object's colour at unit scale.
    void SetRadarSprite(int spriteId);
    // The shared radar body: the blip at the object's place on the radar square, then the
    // marker. Only the left and top edges are clipped.
    void DrawRadarBlip();
    // The marker ring pulsing around the blip while the object is marked.
    void DrawMinimapBlip();
    // A marker sparkle at most every 500 ms while marked.
    void EmitTrail();
    // Puts the position back inside the system's rectangle.
    void ClampToSystem();

    int mAlpha = 0;
    uint32_t mColour = 0;
    int mId = 0;
    int mMaxHitPoints = 0;
    int mHitPoints = 0;
    // The experience that destroying the object pays to the player.
    int mExperienceValue = 0;
    int mSystemId = 0;
    // Milliseconds until a destroyed object comes back; 0 = never.
    int mRespawnTime = 0;
    int mRespawnClock = 0;
    // Planets push solid objects out of their surface.
    uint8_t mSolid = 0;
    char mName[kObjectNameSize] = {};
    int mRadarSpriteId = 0;
    SpriteDrawRecord mRadarBlip;
    SpriteDrawRecord mMarkerSprite;
    int mRadarX = 0;
    int mRadarY = 0;
    Vec3 mPosition;
    Vec3 mHomePosition;
    Vec3 mDirection;
    // Angles in radians; z is the heading.
    Vec3 mRotation;
    Vec3 mScale;
    // Movement per unit of gFrameScale.
    Vec3 mVelocity;
    float mMoveSpeed = 0.0f;
    float mSize = 0.0f;
    // Objects of different affiliate are enemies.
    int mAffiliate = 0;
    int mType = 0;
    uint8_t mVisible = 0;
    uint8_t mInvulnerable = 0;
    // 0 = dead or collected: the pass skips the object and deletes it when it is a shot.
    uint8_t mActive = 0;
    uint8_t mMeshFlag = 0;
    // A quest points at the object.
    uint8_t mMarked = 0;
    TrailDrawRecord mMarker;
    uint32_t mMarkerColour = 0;
    int mMarkerAlpha = 0;
    // The 3-D marker's size, which the marker record points at.
    float mMarkerScale = 0.0f;
    float mMarkerPulse = 1.0f;
    uint8_t mMarkerGrowing = 0;
    int mMarkerClock = 0;

protected:
    // The common part of building from a content row: live, visible, in the flight plane at
    // the row's place and scaled by its size, name truncated to the field.
    void PlaceFromRow(const ObjectRow& row, int type, int radarSpriteId);
    // Points the record at this object's live fields.
    void FillMeshRecord(MeshDrawRecord& record, int meshId);
    // The blip's place on the radar square, moved up and left by offset pixels.
    void PlaceRadarBlip(float offset);
};

// Copies text into a field of `size` bytes, truncated, always terminated.
void CopyBounded(char* field, int size, const char* text);
