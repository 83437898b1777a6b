// CGameDatabase: every statement the game sends to its content and save databases, and the records they fill.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "db/records_player.h"
#include "db/records_quests.h"
#include "db/records_screens.h"
#include "db/records_ships.h"
#include "db/records_world.h"

struct sqlite3;
class CDeviceInfo;

// What a list query hands back: pointers into rows that the database object owns.
template <class Row>
using RowList = std::list<Row*>;

// NewPlayerId's answer when the pilot-id pool has no free id: above any pilot limit, so the
// pool reads as full and no existing pilot's id is ever handed out again.
constexpr int32_t kNoFreePlayerId = INT32_MAX;
// What NextPlayerQuestId gives when the largest id has no 32-bit id above it.
constexpr int32_t kNoPlayerQuestId = INT32_MIN;
// What FindControlWithoutKind gives when every control of the screen has its kind's row.
constexpr int32_t kNoControl = -1;
// What FindObjectWithoutKind gives when every object has its kind's row.
constexpr int32_t kNoObject = -1;

// Ownership, for every query method:
// - a record query returns a record that stays valid until the next call of the same method
//   (any arguments); with several rows the last one wins; with no row it returns null;
// - a list query fills the caller's list with pointers to rows that stay valid until the next
//   call of the same method, which frees them before it runs;
// - a row with the wrong number of columns is skipped; NULL reads as 0, 0.0, false or "";
// - a statement that fails posts the quit message, and the method still returns.
// Callers copy what they need at once and keep no pointer into a record or row.
class CGameDatabase {
public:
    CGameDatabase();
    ~CGameDatabase();
    CGameDatabase(const CGameDatabase&) = delete;
    CGameDatabase& operator=(const CGameDatabase&) = delete;

    // Opens "config\varnok.dat" and "config\pe.dat" below the working directory. A file that is
    // missing or not a database, or a save file the game cannot write, ends the game as a failure
    // with one line on stderr naming it, and gives false. Neither file is ever created. A save
    // database without its settings row is given one with the shipped options.
    bool Open();
    bool Open(const std::string& contentFile, const std::string& saveFile);
    void Close();

    // Galaxy and solar systems.
    SystemRecord* GetSystem(int32_t systemId);
    RowList<GalaxySystemRow>& GetGalaxySystems(RowList<GalaxySystemRow>& out, int32_t galaxyId);
    // Links from or to the visited systems (ids of system variants count as their base system).
    RowList<SystemLinkRow>& GetSystemLinks(RowList<SystemLinkRow>& out, int32_t galaxyId,
                                           const std::vector<int32_t>& visitedSystems);

    // Objects of a system: questStepId 0 gives the system's own, another value a quest step's.
    RowList<ObjectIdRow>& GetResourceObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetFountainObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetVortexObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetPhantomObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetOutpostObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetMineObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetOrbitObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetScaffoldObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetNebulaObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetStationObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetPlanetObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetWormholeObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetGotoObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetDeviceObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetHealthObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetLeadShipAIIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    RowList<ObjectIdRow>& GetShipAIIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId);
    // The lowest object of the system at the quest step that no kind's table (planet_object,
    // station_object_xref, nebula_object and the others above) names.
    int32_t FindObjectWithoutKind(int32_t systemId, int32_t questStepId);
    // Lead and wingman computer ships of a quest step whose affiliate is not the given alignment.
    RowList<ShipObjectIdRow>& GetEnemyShipIds(RowList<ShipObjectIdRow>& out, int32_t systemId, int32_t questStepId,
                                              int32_t alignment);

    FountainObjectRecord* GetFountainObject(int32_t objectId);
    VortexObjectRecord* GetVortexObject(int32_t objectId);
    PhantomObjectRecord* GetPhantomObject(int32_t objectId);
    OutpostObjectRecord* GetOutpostObject(int32_t objectId);
    MineObjectRecord* GetMineObject(int32_t objectId);
    ResourceObjectRecord* GetResourceObject(int32_t objectId);
    OrbitObjectRecord* GetOrbitObject(int32_t objectId);
    ScaffoldObjectRecord* GetScaffoldObject(int32_t objectId);
    NebulaObjectRecord* GetNebulaObject(int32_t objectId);
    StationRecord* GetStation(int32_t objectId);
    PlanetObjectRecord* GetPlanetObject(int32_t objectId);
    // Where a traveller from jumpSystemId arrives in systemId: the wormhole there that leads back.
    WormholeArrivalRecord* GetWormholeArrival(int32_t jumpSystemId, int32_t systemId);
    WormholeObjectRecord* GetWormholeObject(int32_t objectId);
    GotoObjectRecord* GetGotoObject(int32_t objectId);
    DeviceObjectRecord* GetDeviceObject(int32_t objectId);
    HealthObjectRecord* GetHealthObject(int32_t objectId);

    // Devices, weapons, ailments and particles.
    // The one device factory: a new device of the class its type names, owned by the caller;
    // null for device id 0 and for an id or type no class is built for. Defined with the
    // device classes (src/ships/device_factory.cpp), which the database code cannot see.
    CDeviceInfo* CreateDevice(int32_t deviceId);
    // As CreateDevice, for a device the pilot owns: one that cannot be built ends the game with a
    // line naming the device and the table that lacks its row, and gives null.
    CDeviceInfo* CreateOwnedDevice(int32_t deviceId);
    DeviceMainRecord* GetDeviceMain(int32_t deviceId);
    DeviceTypeRecord* GetDeviceType(int32_t deviceId);
    WeaponTypeRecord* GetWeaponType(int32_t deviceId);
    DeviceRecord* GetDevice(int32_t deviceId);
    ShieldRecord* GetShield(int32_t deviceId);
    EngineRecord* GetEngine(int32_t deviceId);
    ArmorRecord* GetArmor(int32_t deviceId);
    BeamWeaponRecord* GetBeamWeapon(int32_t deviceId);
    ProjectileWeaponRecord* GetProjectileWeapon(int32_t deviceId);
    ShockwaveWeaponRecord* GetShockwaveWeapon(int32_t deviceId);
    MineWeaponRecord* GetMineWeapon(int32_t deviceId);
    PhantomWeaponRecord* GetPhantomWeapon(int32_t deviceId);
    ChargeWeaponRecord* GetChargeWeapon(int32_t deviceId);
    CloakWeaponRecord* GetCloakWeapon(int32_t deviceId);
    HealthWeaponRecord* GetHealthWeapon(int32_t deviceId);
    PortalWeaponRecord* GetPortalWeapon(int32_t deviceId);
    AilmentRecord* GetAilment(int32_t ailmentId);
    ParticleEffectRecord* GetParticleEffect(int32_t particleId);
    RowList<DeviceParticleRow>& GetDeviceParticles(RowList<DeviceParticleRow>& out, int32_t deviceId);
    RowList<ChainWeaponRow>& GetChainWeapons(RowList<ChainWeaponRow>& out, int32_t weaponDeviceId);
    // The longest range of the beam, projectile and shockwave rows (0 without any).
    WeaponRangeRecord* GetLongestWeaponRange();
    // How many criteria rows of the device the pilot meets (ship_level is not compared).
    CountRecord* CountDeviceCriteriaMet(int32_t deviceId, const DeviceCriteriaValues& pilot);
    DeviceCriteriaRecord* GetDeviceCriteria(int32_t deviceId, const char* alignment);
    // Devices for sale whose criteria the values meet, in a new random order each call.
    RowList<DeviceForSaleRow>& GetDevicesForSale(RowList<DeviceForSaleRow>& out, const char* alignment, int32_t level,
                                                 int32_t shipLevel, float shipSize, int32_t comLevel, int32_t engLevel,
                                                 int32_t navLevel, int32_t sciLevel, int32_t tacLevel);
    RowList<DeviceDescriptionRow>& GetDeviceDescription(RowList<DeviceDescriptionRow>& out, int32_t deviceId);

    // Hulls and computer ships.
    ShipRecord* GetShip(int32_t shipId);
    RowList<CreateShipRow>& GetCreateShips(RowList<CreateShipRow>& out);
    RowList<UpgradeShipRow>& GetUpgradeShips(RowList<UpgradeShipRow>& out, const char* alignment, int32_t size);
    RowList<ShipDescriptionRow>& GetShipDescription(RowList<ShipDescriptionRow>& out, int32_t shipId);
    ShipAIRecord* GetShipAI(int32_t objectId);
    LeadShipAIRecord* GetLeadShipAI(int32_t objectId);
    RowList<LeadShipMessageRow>& GetLeadShipMessages(RowList<LeadShipMessageRow>& out, int32_t leadShipAIId);
    TaskRecord* GetTask(int32_t taskId);
    RowList<TaskIdRow>& GetTaskIds(RowList<TaskIdRow>& out, int32_t leadShipAIId);

    // Quests, steps, conversations and triggers.
    QuestRecord* GetQuest(int32_t questId);
    RowList<QuestLineRow>& GetQuestDescription(RowList<QuestLineRow>& out, int32_t questId);
    RowList<QuestStepIdRow>& GetQuestStepIds(RowList<QuestStepIdRow>& out, int32_t questId);
    QuestStepRecord* GetQuestStep(int32_t questStepId);
    RowList<DisabledWormholeRow>& GetDisabledWormholes(RowList<DisabledWormholeRow>& out, int32_t questStepId);
    RowList<ConversationLineRow>& GetConversation(RowList<ConversationLineRow>& out, int32_t questStepId, int32_t feed);
    RowList<ConversationLineRow>& GetConversationFeeds(RowList<ConversationLineRow>& out, int32_t questStepId);
    int32_t GetMaxConversationFeed(int32_t questStepId);
    RowList<QuestOfferRow>& GetOfferedQuests(RowList<QuestOfferRow>& out, int32_t level, const char* alignment);
    int32_t GetPreviousQuestId(int32_t questId);
    int32_t GetNextQuestId(int32_t questId);
    // Systems where the first step of a quest waits that the listed quests open up.
    std::list<int32_t>& GetQuestSystems(std::list<int32_t>& out, const char* alignment,
                                        const std::vector<int32_t>& questIds);
    RowList<QuestTriggerIdRow>& GetQuestTriggerIds(RowList<QuestTriggerIdRow>& out, int32_t systemId,
                                                   const char* alignment);
    // The triggers that offer the quest, wherever they stand.
    RowList<QuestTriggerIdRow>& GetTriggersOfQuest(RowList<QuestTriggerIdRow>& out, int32_t questId);
    QuestTriggerRecord* GetQuestTrigger(int32_t questTriggerId);
    RowList<StateTriggerIdRow>& GetStateTriggerIds(RowList<StateTriggerIdRow>& out, int32_t systemId);
    StateTriggerRecord* GetStateTrigger(int32_t stateTriggerId);

    // Screens and controls; the five marked ones give null after a failed statement.
    ScreenRecord* GetScreen(int32_t screenId);
    RowList<ControlIdRow>& GetButtonIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetSpriteControlIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetMovieControlIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetMouseOverButtonIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetTextControlIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetCheckBoxIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetSliderIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetDragButtonIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ControlIdRow>& GetSnapControlIds(RowList<ControlIdRow>& out, int32_t screenId);
    RowList<ObjectControlIdRow>& GetObjectControlIds(RowList<ObjectControlIdRow>& out, int32_t screenId);
    // The lowest control of the screen that no button, text, sprite or other kind's row names.
    int32_t FindControlWithoutKind(int32_t screenId);
    DragButtonRecord* GetDragButton(int32_t controlId);        // null after failure
    SnapControlRecord* GetSnapControl(int32_t controlId);      // null after failure
    ButtonRecord* GetButton(int32_t controlId);                // null after failure
    SpriteControlRecord* GetSpriteControl(int32_t controlId);  // null after failure
    MovieControlRecord* GetMovieControl(int32_t controlId);    // null after failure
    MouseOverButtonRecord* GetMouseOverButton(int32_t controlId);
    TextControlRecord* GetTextControl(int32_t controlId);
    CheckBoxRecord* GetCheckBox(int32_t controlId);
    SliderRecord* GetSlider(int32_t controlId);
    ObjectControlRecord* GetObjectControl(int32_t objectControlId);

    // Resource files: the id and the game path ("sound\x.wav", "x\x.x", "raster\x.png").
    ResourceFileRecord* GetSound(int32_t soundId);
    ResourceFileRecord* GetMesh(int32_t meshId);
    ResourceFileRecord* GetSprite(int32_t spriteId);
    RowList<FontGlyphRow>& GetFontGlyphs(RowList<FontGlyphRow>& out, const char* fontSize);
    RowList<HostRow>& GetHosts(RowList<HostRow>& out);
    // Stores the address exactly as typed, with the description "User Added Host" and port 6734.
    void AddHost(const char* address);

    // Pilots and settings (save database).
    int32_t GetCurrentPlayerId();  // -1 when no existing pilot is current
    RowList<PilotRow>& GetPilots(RowList<PilotRow>& out);
    PlayerRecord* GetPlayer(int32_t playerId);
    RowList<PlayerDeviceRow>& GetPlayerDevices(RowList<PlayerDeviceRow>& out, int32_t playerId);
    RowList<PlayerQuestRow>& GetPlayerQuests(RowList<PlayerQuestRow>& out, int32_t playerId);
    // Empties the set and fills it with the pilot's visited systems.
    void LoadVisitedSystems(int32_t playerId, std::set<int32_t>& visited);
    // The lowest pool id that no pilot uses; kNoFreePlayerId when there is none.
    int32_t NewPlayerId();
    // One above the highest player_quest_id; 0 in an empty table; kNoPlayerQuestId when the
    // highest id has none above it (a save that needs one then fails and keeps the previous save).
    int32_t NextPlayerQuestId();
    // Removes the pilot's player, player_quest and player_device rows.
    void DeletePlayer(int32_t playerId);
    // The settings row, or null when the table is empty.
    SettingsRecord* LoadSettings();
    void SaveSettings(const SettingsRecord& settings);
    // Writes the pilot in one transaction: either the whole save lands or the previous one stays.
    // The pilot becomes the current one.
    void SavePlayer(const PlayerSaveData& pilot);

private:
    // Each gives what keeps the file from the game, or nothing when it is fit.
    std::optional<std::string> OpenFile(const std::string& gamePath, sqlite3** handle);
    static std::optional<std::string> CannotWrite(const std::string& gamePath, sqlite3* db);
    // Makes the settings row with the shipped options when the table has none, saying so once.
    bool MakeMissingSettingsRow();
    bool SaveStatement(const std::string& sql);
    bool SavePilotRow(const PlayerSaveData& pilot);
    bool DeletePlayerDevices(int32_t playerId);
    bool SavePlayerDevices(const PlayerSaveData& pilot);
    bool SavePlayerSystems(const PlayerSaveData& pilot);
    bool SavePlayerQuests(const PlayerSaveData& pilot);

    template <class T>
    using OwnedRows = std::list<std::unique_ptr<T>>;
    template <class T>
    using OwnedRecord = std::unique_ptr<T>;

    sqlite3* mContent = nullptr;
    sqlite3* mSave = nullptr;

    // Scalar results.
    int32_t mNewPlayerId = 0;
    int32_t mCurrentPlayerId = 0;
    int32_t mNextPlayerQuestId = 0;
    int32_t mMaxConversationFeed = 0;
    int32_t mPreviousQuestId = 0;
    int32_t mNextQuestId = 0;
    int32_t mPlayerCount = 0;
    int32_t mControlWithoutKind = 0;
    int32_t mObjectWithoutKind = 0;
    int32_t mSettingsCount = 0;

    // World.
    OwnedRecord<SystemRecord> mSystem;
    OwnedRows<GalaxySystemRow> mGalaxySystems;
    OwnedRows<SystemLinkRow> mSystemLinks;
    OwnedRows<ObjectIdRow> mResourceObjectIds;
    OwnedRows<ObjectIdRow> mFountainObjectIds;
    OwnedRows<ObjectIdRow> mVortexObjectIds;
    OwnedRows<ObjectIdRow> mPhantomObjectIds;
    OwnedRows<ObjectIdRow> mOutpostObjectIds;
    OwnedRows<ObjectIdRow> mMineObjectIds;
    OwnedRows<ObjectIdRow> mOrbitObjectIds;
    OwnedRows<ObjectIdRow> mScaffoldObjectIds;
    OwnedRows<ObjectIdRow> mNebulaObjectIds;
    OwnedRows<ObjectIdRow> mStationObjectIds;
    OwnedRows<ObjectIdRow> mPlanetObjectIds;
    OwnedRows<ObjectIdRow> mWormholeObjectIds;
    OwnedRows<ObjectIdRow> mGotoObjectIds;
    OwnedRows<ObjectIdRow> mDeviceObjectIds;
    OwnedRows<ObjectIdRow> mHealthObjectIds;
    OwnedRows<ObjectIdRow> mLeadShipAIIds;
    OwnedRows<ObjectIdRow> mShipAIIds;
    OwnedRows<ShipObjectIdRow> mEnemyShipIds;
    OwnedRecord<FountainObjectRecord> mFountainObject;
    OwnedRecord<VortexObjectRecord> mVortexObject;
    OwnedRecord<PhantomObjectRecord> mPhantomObject;
    OwnedRecord<OutpostObjectRecord> mOutpostObject;
    OwnedRecord<MineObjectRecord> mMineObject;
    OwnedRecord<ResourceObjectRecord> mResourceObject;
    OwnedRecord<OrbitObjectRecord> mOrbitObject;
    OwnedRecord<ScaffoldObjectRecord> mScaffoldObject;
    OwnedRecord<NebulaObjectRecord> mNebulaObject;
    OwnedRecord<StationRecord> mStation;
    OwnedRecord<PlanetObjectRecord> mPlanetObject;
    OwnedRecord<WormholeArrivalRecord> mWormholeArrival;
    OwnedRecord<WormholeObjectRecord> mWormholeObject;
    OwnedRecord<GotoObjectRecord> mGotoObject;
    OwnedRecord<DeviceObjectRecord> mDeviceObject;
    OwnedRecord<HealthObjectRecord> mHealthObject;

    // Devices and ships.
    OwnedRecord<DeviceMainRecord> mDeviceMain;
    OwnedRecord<DeviceTypeRecord> mDeviceType;
    OwnedRecord<WeaponTypeRecord> mWeaponType;
    OwnedRecord<DeviceRecord> mDevice;
    OwnedRecord<ShieldRecord> mShield;
    OwnedRecord<EngineRecord> mEngine;
    OwnedRecord<ArmorRecord> mArmor;
    OwnedRecord<BeamWeaponRecord> mBeamWeapon;
    OwnedRecord<ProjectileWeaponRecord> mProjectileWeapon;
    OwnedRecord<ShockwaveWeaponRecord> mShockwaveWeapon;
    OwnedRecord<MineWeaponRecord> mMineWeapon;
    OwnedRecord<PhantomWeaponRecord> mPhantomWeapon;
    OwnedRecord<ChargeWeaponRecord> mChargeWeapon;
    OwnedRecord<CloakWeaponRecord> mCloakWeapon;
    OwnedRecord<HealthWeaponRecord> mHealthWeapon;
    OwnedRecord<PortalWeaponRecord> mPortalWeapon;
    OwnedRecord<AilmentRecord> mAilment;
    OwnedRecord<ParticleEffectRecord> mParticleEffect;
    OwnedRows<DeviceParticleRow> mDeviceParticles;
    OwnedRows<ChainWeaponRow> mChainWeapons;
    OwnedRecord<WeaponRangeRecord> mLongestWeaponRange;
    OwnedRecord<CountRecord> mDeviceCriteriaMet;
    OwnedRecord<DeviceCriteriaRecord> mDeviceCriteria;
    OwnedRows<DeviceForSaleRow> mDevicesForSale;
    OwnedRows<DeviceDescriptionRow> mDeviceDescription;
    OwnedRecord<ShipRecord> mShip;
    OwnedRows<CreateShipRow> mCreateShips;
    OwnedRows<UpgradeShipRow> mUpgradeShips;
    OwnedRows<ShipDescriptionRow> mShipDescription;
    OwnedRecord<ShipAIRecord> mShipAI;
    OwnedRecord<LeadShipAIRecord> mLeadShipAI;
    OwnedRows<LeadShipMessageRow> mLeadShipMessages;
    OwnedRecord<TaskRecord> mTask;
    OwnedRows<TaskIdRow> mTaskIds;

    // Quests.
    OwnedRecord<QuestRecord> mQuest;
    OwnedRows<QuestLineRow> mQuestDescription;
    OwnedRows<QuestStepIdRow> mQuestStepIds;
    OwnedRecord<QuestStepRecord> mQuestStep;
    OwnedRows<DisabledWormholeRow> mDisabledWormholes;
    OwnedRows<ConversationLineRow> mConversation;
    OwnedRows<ConversationLineRow> mConversationFeeds;
    OwnedRows<QuestOfferRow> mOfferedQuests;
    OwnedRows<int32_t> mQuestSystems;
    OwnedRows<QuestTriggerIdRow> mQuestTriggerIds;
    OwnedRows<QuestTriggerIdRow> mTriggersOfQuest;
    OwnedRecord<QuestTriggerRecord> mQuestTrigger;
    OwnedRows<StateTriggerIdRow> mStateTriggerIds;
    OwnedRecord<StateTriggerRecord> mStateTrigger;

    // Screens and resources.
    OwnedRecord<ScreenRecord> mScreen;
    OwnedRows<ControlIdRow> mButtonIds;
    OwnedRows<ControlIdRow> mSpriteControlIds;
    OwnedRows<ControlIdRow> mMovieControlIds;
    OwnedRows<ControlIdRow> mMouseOverButtonIds;
    OwnedRows<ControlIdRow> mTextControlIds;
    OwnedRows<ControlIdRow> mCheckBoxIds;
    OwnedRows<ControlIdRow> mSliderIds;
    OwnedRows<ControlIdRow> mDragButtonIds;
    OwnedRows<ControlIdRow> mSnapControlIds;
    OwnedRows<ObjectControlIdRow> mObjectControlIds;
    OwnedRecord<DragButtonRecord> mDragButton;
    OwnedRecord<SnapControlRecord> mSnapControl;
    OwnedRecord<ButtonRecord> mButton;
    OwnedRecord<SpriteControlRecord> mSpriteControl;
    OwnedRecord<MovieControlRecord> mMovieControl;
    OwnedRecord<MouseOverButtonRecord> mMouseOverButton;
    OwnedRecord<TextControlRecord> mTextControl;
    OwnedRecord<CheckBoxRecord> mCheckBox;
    OwnedRecord<SliderRecord> mSlider;
    OwnedRecord<ObjectControlRecord> mObjectControl;
    OwnedRecord<ResourceFileRecord> mSound;
    OwnedRecord<ResourceFileRecord> mMesh;
    OwnedRecord<ResourceFileRecord> mSprite;
    OwnedRows<FontGlyphRow> mFontGlyphs;
    OwnedRows<HostRow> mHosts;

    // Pilots.
    OwnedRows<PilotRow> mPilots;
    OwnedRecord<PlayerRecord> mPlayer;
    OwnedRows<PlayerDeviceRow> mPlayerDevices;
    OwnedRows<PlayerQuestRow> mPlayerQuests;
    OwnedRows<int32_t> mVisitedSystems;
    OwnedRecord<SettingsRecord> mSettings;
};

extern CGameDatabase gGameDatabase;
