// Entering a solar system: the old system is torn down and the new one built from its rows.
#include <cstdio>
#include <map>
#include <vector>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ui/flight_view.h"
#include "world/object_kinds.h"
#include "world/planet.h"
#include "world/player_view.h"
#include "world/system_check.h"
#include "world/trigger_source.h"

namespace {

// Background, interface and music sounds outlive every system.
bool KeptAcrossSystems(int soundId)
{
    return soundId == 4 || soundId == 5 || soundId == 500;
}

constexpr float kBoundaryExtent = 0.715f;
constexpr float kOuterExtent = 1.35f;
// Ids below are the player's and the other players' ships: an object under one would be taken for
// a ship.
constexpr int kFirstPlacedId = 1001;

// An object whose kind's row is gone would be left out of its system without a word, and what
// waits for it (a station to dock at, a planet to reach) would wait for ever.
void QuitForObjectWithoutKind(int systemId, int questStepId)
{
    const int32_t lost = gGameDatabase.FindObjectWithoutKind(systemId, questStepId);
    if (lost != kNoObject)
        os::PostFailureQuit("object %d of system %d has no row in the table of its object_type", lost, systemId);
}

}  // namespace

void CResourceManager::EnterSystem(int systemId)
{
    int system = systemId;
    if (gPlayerView)
        gPlayerView->AddVisitedSystem(system);

    RowList<StateTriggerIdRow> stateRows;
    std::vector<int> stateTriggers;
    for (const StateTriggerIdRow* row : gGameDatabase.GetStateTriggerIds(stateRows, systemId))
        stateTriggers.push_back(row->state_trigger_id);
    mPortalAllowed = 1;
    // Every trigger is asked, so the last one that holds decides.
    for (int trigger : stateTriggers) {
        int replacement = 0;
        if (!gTriggerSource || !gTriggerSource->StateTriggerHolds(trigger, &replacement))
            continue;
        if (const char* refusal = SystemRefusal(replacement)) {
            std::fprintf(stderr, "varnok: state trigger %d names system %d, which %s; it is not followed\n", trigger,
                         replacement, refusal);
            continue;
        }
        system = replacement;
    }

    mSpawnCounter = 0;
    ReleaseIdleSoundBuffers();
    ReleaseSpriteTextures();
    ReleasePathTextures();
    ReleaseMeshes();
    ReleaseBackdrops();
    DeleteParticles();

    mCurrentSystemId = system;
    mPlaceSystemId = systemId;
    const SystemRecord* row = gGameDatabase.GetSystem(system);
    mNextSystem = 0;
    mSystemWidth = row ? row->x_dimension : 0.0f;
    mSystemHeight = row ? row->y_dimension : 0.0f;
    if (gFlightView)
        gFlightView->SetSystemExtents(Vec3(mSystemWidth * kBoundaryExtent, mSystemHeight * kBoundaryExtent, 0.0f),
                                      Vec3(mSystemWidth * kOuterExtent, mSystemHeight * kOuterExtent, 0.0f));
    CopyBounded(mSystemName, sizeof mSystemName, row ? row->system_name : "");
    mSystemType = row ? row->system_type : 0;

    // Other players' ships are not the system's: they stay, each where its player is. Each is taken
    // out as itself, so an object of the system filed under the same id goes with the system.
    std::map<int, OtherPlayer> others = mOtherPlayers;
    for (const auto& [id, player] : others) {
        for (auto* map : {&mObjects, &mElsewhere}) {
            if (const auto filed = map->find(id); filed != map->end() && filed->second == player.ship)
                map->erase(filed);
        }
    }
    DeleteWorldObjects();
    mOtherPlayers = std::move(others);
    for (const auto& [id, player] : mOtherPlayers)
        mElsewhere.emplace(id, player.ship);

    QuitForObjectWithoutKind(system, 0);
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (kind == kKindLeadShip)
            mLeadShips.clear();
        BuildKind(gObjectKinds[kind], system, 0, true);
    }
    if (gPlayerView) {
        for (int step : gPlayerView->CurrentQuestSteps())
            AddQuestStepObjects(system, step);
    }
    if (gTriggerSource)
        gTriggerSource->AppendQuestTriggers(system, mPendingQuestTriggers);
    mPendingQuestTrigger = mPendingQuestTriggers.begin();
    if (gPlayerView)
        gPlayerView->ClearChargeShot();
    PlaceOtherPlayers();
}

void CResourceManager::AddQuestStepObjects(int systemId, int questStepId)
{
    QuitForObjectWithoutKind(systemId, questStepId);
    for (ObjectKindId kind : kQuestStepKinds)
        BuildKind(gObjectKinds[kind], systemId, questStepId, false);
}

void CResourceManager::BuildKind(const ObjectKind& kind, int systemId, int questStepId, bool placed)
{
    RowList<ObjectIdRow> rows;
    std::vector<ObjectIdRow> ids;
    // Copied at once: the constructors run queries of their own.
    for (const ObjectIdRow* row : (gGameDatabase.*kind.ids)(rows, systemId, questStepId))
        ids.push_back(*row);
    if (ids.empty())
        return;
    for (const ObjectIdRow& row : ids) {
        if (row.object_id < kFirstPlacedId) {
            std::fprintf(stderr, "varnok: %s %d is left out of system %d: placed object ids start at %d\n",
                         kind.name, row.object_id, systemId, kFirstPlacedId);
            continue;
        }
        CWorldObject* object = kind.make(row.object_id);
        if (!object)
            continue;
        std::map<int, CWorldObject*>* map = &mObjects;
        if (placed && kind.map == KindMap::kWormholes)
            map = &mWormholes;
        else if (placed && kind.map == KindMap::kNebulae)
            map = &mNebulae;
        else if (placed && kind.map == KindMap::kSunsOrObjects && static_cast<CPlanetObject*>(object)->mIsSun)
            map = &mSuns;
        if (FileObject(*map, object) && kind.filed)
            kind.filed(object, row);
    }
}

void CResourceManager::ReleaseIdleSoundBuffers()
{
    for (auto it = mSoundBuffers.begin(); it != mSoundBuffers.end();) {
        audio::SoundBuffer* buffer = it->second;
        uint32_t status = 0;
        if (KeptAcrossSystems(it->first) || !buffer || audio::Failed(buffer->GetStatus(&status)) ||
            (status & audio::kStatusPlaying)) {
            ++it;
            continue;
        }
        buffer->Stop();
        buffer->Release();
        it = mSoundBuffers.erase(it);
    }
    mSoundRangeBegin = mSoundBuffers.end();
    mSoundRangeEnd = mSoundBuffers.end();
}
