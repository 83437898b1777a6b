// CResourceManager: the one owner of the game's device resources (textures, sprites,
// backdrops, meshes, fonts, particles, shaders, sounds) and of the current solar system's
// content. The world side is declared here and filled by the world code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/draw_records.h"
#include "core/mesh_entry.h"
#include "core/sound_globals.h"
#include "core/vec3.h"
#include "platform/audio/device.h"
#include "platform/gfx/device.h"

namespace gfx {
class Mesh;
class Sprite;
}  // namespace gfx

class CActor;
class CDeviceInfo;
class CLeadShipAI;
class CQuestTrigger;
class CWeaponInfo;
class CWorldObject;
struct ObjectKind;
struct ParticleEffectRecord;

// A live particle: a camera-facing square that moves, grows, spins and fades.
struct Particle {
    int particleId = 0;
    int spriteId = 0;
    int duration = 0;  // ms
    int maxTrail = 0;
    float trailSpacing = 0.0f;
    float deceleration = 0.0f;
    float speed = 0.0f;
    float size = 0.0f;
    float growth = 0.0f;
    float angle = 0.0f;  // radians
    Vec3 direction;
    Vec3 position;
    // The live position the particle sticks to, or null for a free particle.
    const Vec3* follow = nullptr;
    int lifeLeft = 0;  // ms
    int alpha = 0;
    uint32_t colour = 0;
};

// Font sizes of the glyph maps.
enum GlyphSize { kGlyphSmall = 0, kGlyphMedium = 1, kGlyphLarge = 2 };

class CResourceManager {
public:
    CResourceManager();
    ~CResourceManager();
    CResourceManager(const CResourceManager&) = delete;
    CResourceManager& operator=(const CResourceManager&) = delete;

    // Device resources made once the device exists: shaders, the full-screen quad, the sprite
    // drawer, fonts and fixed states. Whatever an earlier device set-up made is released
    // first. Shaders that cannot be made turn the glow pass off (gShadersSupported and
    // gGlowEnabled cleared) and the rest is still made. Returns the first failing code, else 0.
    gfx::Result InitDeviceResources();
    // Adds the frame's glowing parts over the back buffer, pulsing with gPulse.
    void DrawGlowPass();

    // Sound. Ownership: the multimap holds one reference to each of its buffers, and the
    // background sound holds one more of its own (the same buffer is also in the multimap).
    // Whoever drops a buffer releases exactly the reference it held, once.

    // (Re)creates the sound device, releasing every buffer of the old one first. Audio that
    // cannot start is replaced by the silent device (one line on stderr), so this returns 0
    // and sets gSoundReady.
    audio::Result InitSound();
    // Loads the sound's file into a new buffer and files it under the id; null when the device
    // is not ready, the id has no row, or the file is missing, broken or empty.
    audio::SoundBuffer* LoadSound(int soundId);
    // Plays a sound once at a place in the world, at most five copies of one sound at a time.
    void PlaySoundAt(const SoundRequest& request);
    // Loops the sound as the current screen's background, stopping the one before it.
    void PlaySound(int soundId);
    // Loads the file at a game path ("sound\\beep.wav") into a new buffer filed under the id:
    // what LoadSound does once it has the row.
    audio::SoundBuffer* LoadSoundFile(int soundId, const char* path);
    // Stops and releases the background sound and every filed buffer (device reset, device
    // re-creation, shutdown).
    void ReleaseSoundBuffers();
    // Releases the multimap's reference to every filed buffer (device loss); the background
    // sound keeps its own reference and plays on.
    void EmptySoundBufferMap();

    // Textures, sprites and backdrops. The caches hold one reference per entry.
    gfx::Texture* CreateTextureFromFile(const std::string& path);
    gfx::Texture* GetSpriteTexture(int spriteId);
    gfx::Texture* FindSpriteTexture(int spriteId);
    gfx::Surface* LoadBackdrop(int spriteId);
    // Copies the left `width` columns of the sprite's 800x600 backdrop into the back buffer.
    void DrawScreenSprite(int spriteId, int width);
    void DrawSpriteTransformed(const SpriteDrawRecord& record);
    void DrawSpriteFrame(const SpriteFrameRecord& record);
    // Zeroed when the sprite has no texture.
    gfx::SurfaceDesc GetSpriteSize(int spriteId);

    // Meshes and trails.
    MeshEntry* GetMesh(int meshId);
    // Centres the mesh on its bounding sphere and scales it to radius 1.
    gfx::Result NormalizeMesh(gfx::Mesh* mesh);
    // additive draws every subset the way a "-" texture is drawn. A record never filled draws
    // nothing.
    void RenderMesh(const MeshDrawRecord& record, bool additive);
    void DrawTrail(const TrailDrawRecord& record);
    // Releases the trail square and forgets it and its cache entry (device loss).
    void ReleaseTrailQuad();

    // Sprite fonts.
    void LoadFonts();
    // Sprite id of the character's glyph in that size (0, 1, else large); 0 when it has none.
    int GetGlyph(char character, int size);

    // Particles and debris.
    void AddParticle(int particleId, const Vec3* position, const Vec3* direction, uint32_t colour, float sizeFactor,
                     const Vec3* follow);
    // Takes the piece when it is near the camera; otherwise deletes it. Either way the caller
    // no longer owns it.
    void QueueParticle(DebrisRecord* piece);
    void UpdateParticles();

    // After a device reset: releases every cached device resource and the particles. The shell
    // then enters the current screen again, so it reloads what it shows.
    void ReleaseAll();
    // The cache-emptying steps of ReleaseAll, also used when a solar system is entered.
    void ReleaseSpriteTextures();
    void ReleasePathTextures();
    void ReleaseMeshes();
    void ReleaseBackdrops();
    void DeleteParticles();
    // Deletes the shaders and releases the sprite drawer and the full-screen quad, while the
    // device they were made on still exists.
    void ReleaseDeviceResources();

    // The size of the mesh's axis-aligned bounding box; (0, 0, 0) when its vertices cannot be read.
    Vec3 MeshExtent(gfx::Mesh* mesh);

    // The world: the current solar system and everything in it (src/world/). The maps own their
    // objects; a temporary id is never one that a map holds.

    // Leaves the current system and builds the system of that id (or the state of it that a
    // state trigger picks) with its placed objects, quest-step objects and quest triggers.
    void EnterSystem(int systemId);
    // Builds the objects of a quest step into the object map.
    void AddQuestStepObjects(int systemId, int questStepId);
    // The frame's world pass: updates, draws and touches every object, removes dead shots,
    // carries the player through wormholes and the portal.
    void UpdateObjects();
    // The reduced pass behind the conversation panel: draws and moves, no contacts.
    void AnimateObjects();
    void StartPortalEffect();
    // Shuts the portal and forgets where it leads and where it returns to: every flight (a load,
    // a new pilot, a network game) starts with it as the game began. A trip leaves it alone.
    void ClosePortal();
    // 100001 to 101000, counting down and skipping every id in use.
    int NextTempObjectId();
    // An id NextTempObjectId can hand out, here or in a peer's game.
    static bool IsTempObjectId(int id);
    // Run-time objects, within the visit's spawn caps; a refused spawn makes nothing.
    void SpawnResource(int compoundClass, int amount, float x, float y, float z);
    void SpawnDeviceObject(int deviceId, float x, float y, float z);
    void SpawnHealthObject(int repairPercentage, float x, float y, float z);
    // Files an object made at run time in the object map; false, with the object deleted, when
    // its id is taken.
    bool AddObject(CWorldObject* object);
    // The object of that id in the object, wormhole or sun map, else null (nebulae are not found).
    CWorldObject* FindObject(int objectId);
    CLeadShipAI* FindLeadShip(int leadId);
    void RegisterLeadShip(CLeadShipAI* ship, int leadId);
    // The nearest object of its kind and its squared distance; null and 0 when there is none.
    // Ties go to the lower id.
    float FindNearestResource(CWorldObject*& nearest);
    float FindNearestEnemyShip(CWorldObject* asker, CWorldObject*& nearest);
    float FindNearestEnemyOutpost(CWorldObject* asker, CWorldObject*& nearest);
    // The live object within its size of the point, highest id first, wormholes after.
    CWorldObject* FindObjectAt(const Vec3* point);
    // The nearest planet, orbit object or scaffold that the segment hits within 31.6 units of
    // its start, or null.
    CWorldObject* FindBlockingObstacle(Vec3 start, Vec3 end, CWorldObject* ship);
    // The quest of the first satisfied quest trigger, which is used up; 0 when none.
    int TakeAvailableQuest();
    // Deletes every object of the four maps, every other player's ship and every quest trigger,
    // and forgets the lead ships, the player's targets and what the computer ships found.
    void DeleteWorldObjects();

    // Other players' ships (src/world/other_players.cpp). Files one, in no system until its
    // player tells one; false, with the ship deleted, when its id is taken.
    bool AddOtherPlayer(CWorldObject* ship);
    // Its player is in that system now: the ship flies here or waits elsewhere.
    void SetOtherPlayerSystem(int id, int systemId);
    // Another player's ship, here or elsewhere; null for every other id.
    CWorldObject* FindOtherPlayer(int id);
    // Each other player's ship goes where its player's system says: into mObjects or out of it.
    void PlaceOtherPlayers();

    // Weapons (src/ships/). The one place a weapon device takes effect, whoever fires it; the
    // caller has already checked cooldown, energy and ammo. Without an owner, origin or target
    // nothing happens.
    void LaunchWeapon(int deviceId, CActor* owner, const Vec3* origin, const Vec3* target);
    // The cached record of the device, built on a miss; null for a weapon type outside 1-9.
    CWeaponInfo* GetWeaponInfo(int deviceId, int weaponType);
    // The device's weapon type; 0 for a device that is no weapon (nothing is cached for it).
    int GetWeaponType(int deviceId);
    CWeaponInfo* GetDeviceWeaponInfo(int deviceId);
    // The longest range of the content's beams, projectiles and shockwaves, at least 0; read once.
    float LongestWeaponRange();
    // Deletes every cached weapon record (shutdown).
    void DeleteWeaponRecords();

    // Shaders of the glow pass (assembled code and device handles).
    std::vector<uint32_t> mGlowVertexShaderCode;
    uint32_t mGlowVertexShader = 0;
    std::vector<uint32_t> mGlowPixelShaderCode;
    uint32_t mGlowPixelShader = 0;
    std::vector<uint32_t> mCopyPixelShaderCode;
    uint32_t mCopyPixelShader = 0;
    std::vector<uint32_t> mCopyVertexShaderCode;
    std::string mAssemblerErrors;
    // Whether anything may have been drawn into the glow target since the glow pass cleared it.
    bool mGlowTargetDrawn = true;

    // The portal effect and the current system (world side).
    TrailDrawRecord mPortalEffect;
    Vec3 mPortalPosition;
    float mPortalScale = 0.0f;
    float mPortalAngle = 0.0f;
    uint8_t mPortalActive = 0;
    // Filled and played by every weapon launch.
    SoundRequest mLaunchSound;
    float mSystemWidth = 0.0f;
    float mSystemHeight = 0.0f;
    int mCurrentSystemId = 0;
    // The system as it was entered, before a state trigger put a variant in its place: players
    // of one system meet there whichever variant each of them flies in.
    int mPlaceSystemId = 0;
    char mSystemName[204] = {};
    int mSystemType = 0;
    int mTempIdCounter = 500;
    Vec3 mArrivalPoint{-100.0f, 0.0f, 30.0f};
    int mPortalTargetSystem = 2;
    uint8_t mPortalAllowed = 1;
    // Lead ships by their lead_ship_ai_id.
    std::map<int, CLeadShipAI*> mLeadShips;
    // From this many objects on, the world pass offers each object only those within its reach;
    // below it, filing them by the grid costs more than the pairs it spares.
    size_t mContactGridFrom = 400;
    // System to enter at the next world pass; 0 = none.
    int mNextSystem = 0;
    int mLiveParticleCount = 0;
    int mSpawnCounter = 0;
    // Quest triggers waiting to be offered, and the one reached last.
    std::list<CQuestTrigger*> mPendingQuestTriggers;
    std::list<CQuestTrigger*>::iterator mPendingQuestTrigger = mPendingQuestTriggers.end();

    // The trail square: mesh 0, owned by the mesh cache.
    gfx::Mesh* mTrailQuad = nullptr;
    // Refilled for every particle drawn.
    TrailDrawRecord mScratchTrail;

    // Objects of the system by id: nebulae, wormholes and suns apart from everything else.
    std::map<int, CWorldObject*> mObjects;
    std::map<int, CWorldObject*> mNebulae;
    std::map<int, CWorldObject*> mWormholes;
    std::map<int, CWorldObject*> mSuns;
    // Other players' ships by id, each ship itself with the system its player is in. Those of this
    // system fly in mObjects; the others wait in mElsewhere, where nothing updates, draws, finds or
    // hits them.
    struct OtherPlayer {
        CWorldObject* ship;
        int systemId;
    };
    std::map<int, OtherPlayer> mOtherPlayers;
    std::map<int, CWorldObject*> mElsewhere;

    // Weapon types and weapon records by device id, built once per device.
    std::map<int, int> mWeaponTypes;
    std::map<int, CWeaponInfo*> mWeaponRecords;
    std::optional<float> mLongestWeaponRange;

    gfx::Light mLight;
    // Rewritten by every mesh draw.
    gfx::Material mMeshMaterial;

    std::list<Particle*> mParticles;
    std::map<int, ParticleEffectRecord*> mParticleDefinitions;
    std::list<DebrisRecord*> mDebris;

    std::map<int, gfx::Texture*> mSpriteTextures;
    // Every texture loaded from a file, by its game path ("raster\x.png").
    std::map<std::string, gfx::Texture*> mPathTextures;
    std::map<int, MeshEntry*> mMeshes;
    std::map<int, gfx::Surface*> mBackdrops;

    std::map<char, int> mLargeGlyphs;
    std::map<char, int> mMediumGlyphs;
    std::map<char, int> mSmallGlyphs;
    uint8_t mFontsLoaded = 0;

    gfx::Sprite* mSpriteDrawer = nullptr;

    using SoundBufferMap = std::multimap<int, audio::SoundBuffer*>;
    SoundBufferMap mSoundBuffers;
    // The last equal range looked up.
    SoundBufferMap::iterator mSoundRangeBegin = mSoundBuffers.end();
    SoundBufferMap::iterator mSoundRangeEnd = mSoundBuffers.end();
    audio::Device* mSoundDevice = nullptr;
    audio::SoundBuffer* mBackgroundSound = nullptr;

private:
    // Assembles the four shader texts and makes the three shaders the glow pass uses.
    gfx::Result CreateShaders();
    // The world's own steps.
    void ReleaseIdleSoundBuffers();
    void BuildKind(const ObjectKind& kind, int systemId, int questStepId, bool placed);
    // Deletes an object taken out of its map; whatever held it forgets it first.
    void DeleteObject(CWorldObject* object);
    // Files the object under its id unless the id is taken, in which case the object is deleted.
    bool FileObject(std::map<int, CWorldObject*>& map, CWorldObject* object);
    bool IdInUse(int id) const;
    // Counts the spawn; false when it is over the cap.
    bool TakeSpawnSlot(int cap);
    // Files a launched object and plays its launch sound at it; false when its id was taken.
    bool FileLaunched(CWorldObject* object, int launchSoundId);
    // Launches running now, one inside the other: a beam fires its chain from its constructor.
    int mLaunchNesting = 0;
    // Set when a chain ran too deep inside the running launch: the rest of it is refused too.
    bool mChainCut = false;
    // Plays a launch sound centred, at full loudness.
    void PlayLaunchSoundAtEye(int soundId);
    // Enters the pending system as a wormhole does: through the in-flight screen, then quests.
    void EnterPendingSystem();
    // Step 2 of the pass: the objects touch each other and the player; true when a quest step's
    // wormhole sent the player on and the pass is over.
    bool TouchObjects(CWorldObject* player);
    // Every pair in turn, or with a crowd only the pairs within reach; the same contacts in the same order.
    bool TouchAllObjects(CWorldObject* player);
    bool TouchNearObjects(CWorldObject* player);
    // The object and the player touch each other; true when a wormhole sent the player on.
    bool TouchPlayer(CWorldObject* a, CWorldObject* player);
    // Step 12 of the pass: grows, turns and draws the portal and takes the player through it.
    void UpdatePortal();
    void TakePortalTrip();
    // Restores a lost buffer, sets its levels for that place and plays it once.
    void PlayBufferAt(audio::SoundBuffer* buffer, const Vec3& position, const Vec3& listener);
    // Draws one square of a trail with its material and texture; false when a call failed.
    bool DrawTrailCopy(const gfx::Matrix& world, uint32_t colour, int alpha, gfx::Texture* texture);
    void DrawDebrisPiece(DebrisRecord& piece, uint32_t tint);
    void UpdateParticle(Particle& particle);
    ParticleEffectRecord* FindParticleDefinition(int particleId);
    void DrawSpriteRect(int spriteId, const gfx::Rect* source, int x, int y, uint32_t colour, float xScale,
                        float yScale);
};

// Black with alpha 1: the silhouette that hides glow behind a mesh.
extern gfx::Material gMeshMaterial;
// The full-screen quad of the glow pass: four clip-space corners with texture coordinates.
extern gfx::VertexBuffer* gQuadVertexBuffer;
// The four tap weights of the last glow pass.
extern float gGlowWeights[4];
// Draws every mesh as wire frame.
extern uint8_t gWireFrame;

extern CResourceManager* gResourceManager;
