// The world pass: its order, the purge of dead shots, contacts within reach, the end of the pass
// when a system is entered, the portal, and the reduced pass behind the conversation panel.
#include <algorithm>
#include <limits>

#include "support/recording_screen.h"
#include "world/store_view.h"
#include "world_fixture.h"

namespace {

class WorldPassTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        rm->DeleteWorldObjects();
    }
    bool Called(const std::string& call) const { return std::find(log.begin(), log.end(), call) != log.end(); }

    CProbePlayer player{&log};
    ScopedGlobal<CPlayerView*> playerView{gPlayerView, &player};
};

TEST_F(WorldPassTest, StepsRunInTheirOrderWithThePlayerAsEveryObjectsPartner)
{
    Place(rm->mObjects, 10, kTypeLeadShip);
    Place(rm->mObjects, 11, kTypeResource);
    Place(rm->mWormholes, 20, kTypeWormhole);
    Place(rm->mSuns, 30, kTypePlanet);
    Place(rm->mNebulae, 40, kTypeNebula);

    rm->UpdateObjects();

    const CallLog expected = {
        "U10",    "R10",   "U11",   "R11",                                 // update and purge
        "I10>11", "I10>1", "I1>10", "I11>10", "I11>1",  "I1>11",           // contacts
        "D10",    "D11",                                                   // radar
        "U20",    "R20",   "D20",   "I20>10", "I20>11", "I20>1", "I1>20",  // wormholes
        "U30",    "R30",   "D30",   "I30>1",  "I1>30",                     // suns
        "U40",    "R40",   "D40",   "I40>10", "I40>11", "I40>1", "I1>40",  // nebulae
        "D10",    "D11",                                                   // radar again
    };
    EXPECT_EQ(log, expected);
}

TEST_F(WorldPassTest, ADeadShotIsGoneBeforeContactsAndInactiveObjectsTouchOnlyThePlayer)
{
    Place(rm->mObjects, 10, kTypeLeadShip);
    Place(rm->mObjects, 12, kTypeShot)->mActive = 0;
    Place(rm->mObjects, 13, kTypeResource)->mActive = 0;
    Place(rm->mObjects, 14, kTypeShot);

    rm->UpdateObjects();

    EXPECT_EQ(rm->mObjects.count(12), 0u);
    EXPECT_EQ(rm->mObjects.count(13), 1u) << "only shots are purged";
    for (const std::string& call : log)
        EXPECT_EQ(call.find("12"), std::string::npos) << call;
    EXPECT_TRUE(Called("I10>14"));
    EXPECT_FALSE(Called("I10>13"));
    EXPECT_TRUE(Called("I13>1")) << "the player is touched whatever the active flag";
}

TEST_F(WorldPassTest, AShotFiledByAnUpdateIsFirstUpdatedInTheNextPass)
{
    Place(rm->mObjects, 10, kTypeLeadShip)->onUpdate = [this] {
        if (!rm->mObjects.count(15))
            rm->AddObject(new CProbeObject(15, kTypeShot, Vec3(0, 0, 30), 1.0f, &log));
    };

    rm->UpdateObjects();
    EXPECT_FALSE(Called("U15"));
    EXPECT_TRUE(Called("I10>15")) << "it is filed, and touched, at once";
    log.clear();
    rm->UpdateObjects();
    EXPECT_TRUE(Called("U15"));
}

TEST_F(WorldPassTest, AnObjectFiledByAContactIsTouchedInTheSameWalkWhenItsIdComesLater)
{
    Place(rm->mObjects, 10, kTypeLeadShip)->onInteract = [this](CWorldObject* other) {
        if (other->mId == 12 && !rm->mObjects.count(13))
            rm->AddObject(new CProbeObject(13, kTypeResource, Vec3(0, 0, 30), 1.0f, &log));
        if (other->mId == 12 && !rm->mObjects.count(5))
            rm->AddObject(new CProbeObject(5, kTypeResource, Vec3(0, 0, 30), 1.0f, &log));
    };
    Place(rm->mObjects, 12, kTypeResource);
    Place(rm->mObjects, 14, kTypeResource);

    rm->UpdateObjects();

    const std::vector<std::string> contacts(std::find(log.begin(), log.end(), "I10>12"), log.end());
    const std::vector<std::string> firstRow(contacts.begin(), contacts.begin() + 4);
    EXPECT_EQ(firstRow, (std::vector<std::string>{"I10>12", "I10>13", "I10>14", "I10>1"}))
        << "the walk goes on in id order through the new object, and an earlier id waits";
    EXPECT_TRUE(Called("I12>5")) << "the next object's walk sees both";
}

TEST_F(WorldPassTest, ACrowdIsOfferedOnlyWhatLiesWithinReachInTheSameOrderAsEveryPair)
{
    // Probes over 2000 units, each noting the contacts that its reach meets; one jumps across the
    // crowd in its walk and one files a new object beside itself.
    size_t offered = 0;
    auto walk = [&](size_t gridFrom) {
        rm->DeleteWorldObjects();
        rm->mContactGridFrom = gridFrom;
        offered = 0;
        CallLog acted;
        uint32_t seed = 7;
        auto next = [&seed](float range) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<float>(seed >> 8) / 16777216.0f * range;
        };
        for (int id = 100; id < 400; ++id) {
            CProbeObject* probe = Place(rm->mObjects, id, kTypeLeadShip);
            probe->mPosition = Vec3(next(2000.0f) - 1000.0f, next(2000.0f) - 1000.0f, 30.0f);
            probe->mSize = next(30.0f);
            probe->reach = id % 50 == 0 ? kReachEverywhere : next(60.0f);
            probe->onInteract = [this, probe, &acted, &offered](CWorldObject* other) {
                ++offered;
                const float dx = other->mPosition.x - probe->mPosition.x;
                const float dy = other->mPosition.y - probe->mPosition.y;
                const float reach = probe->reach + other->mSize;
                if (other == player.Ship() || dx * dx + dy * dy > reach * reach)
                    return;
                acted.push_back(std::to_string(probe->mId) + ">" + std::to_string(other->mId));
                if (probe->mId == 120 && other->mId == 121)
                    probe->mPosition = rm->mObjects.at(390)->mPosition;
                if (probe->mId == 130 && !rm->mObjects.count(1000))
                    rm->AddObject(new CProbeObject(1000, kTypeResource, rm->mObjects.at(201)->mPosition, 30.0f));
            };
        }
        rm->mObjects.at(121)->mPosition = rm->mObjects.at(120)->mPosition;
        static_cast<CProbeObject*>(rm->mObjects.at(130))->reach = kReachEverywhere;
        rm->UpdateObjects();
        return acted;
    };
    const CallLog everyPair = walk(std::numeric_limits<size_t>::max());
    const size_t offeredEveryPair = offered;
    EXPECT_EQ(walk(0), everyPair);
    EXPECT_LT(offered * 5, offeredEveryPair) << "the pairs out of reach are left out";
    for (const char* contact : {"120>390", "201>1000"})
        EXPECT_NE(std::find(everyPair.begin(), everyPair.end(), contact), everyPair.end()) << contact;
}

TEST_F(WorldPassTest, AWormholeJumpEntersTheSystemAndEndsThePassBeforeTheSuns)
{
    Place(rm->mWormholes, 20, kTypeWormhole)->onInteract = [this](CWorldObject* other) {
        if (other == &player.ship)
            rm->mNextSystem = 2;
    };
    Place(rm->mSuns, 30, kTypePlanet);

    rm->UpdateObjects();

    EXPECT_EQ(rm->mCurrentSystemId, 2);
    EXPECT_EQ(rm->mNextSystem, 0);
    EXPECT_EQ(player.questStepsBegun, std::vector<int>{2});
    EXPECT_FALSE(Called("U30"));
    EXPECT_EQ(log.back(), "I1>20") << "the pass ends right after the player touched the wormhole";
    EXPECT_EQ(rm->mSuns.count(2001), 1u) << "the new system is built";
}

TEST_F(WorldPassTest, AJumpDuringTheObjectContactsIsEnteredAtOnce)
{
    // A wormhole of a quest step lives in the object map.
    Place(rm->mObjects, 10, kTypeWormhole)->onInteract = [this](CWorldObject* other) {
        if (other == &player.ship)
            rm->mNextSystem = 2;
    };
    Place(rm->mObjects, 11, kTypeResource);

    rm->UpdateObjects();

    EXPECT_EQ(rm->mCurrentSystemId, 2);
    EXPECT_EQ(rm->mNextSystem, 0);
    EXPECT_EQ(player.questStepsBegun, std::vector<int>{2});
    EXPECT_FALSE(Called("I1>10"));
    EXPECT_FALSE(Called("I11>10"));

    // The next pass runs the new system in full.
    log.clear();
    rm->UpdateObjects();
    EXPECT_TRUE(Called("I1>2001"));
}

TEST_F(WorldPassTest, ThePortalGrowsUntilItTakesThePlayerToThePortalSystemAndBack)
{
    RecordingScreen store;
    store.SetEntered(true);
    ScopedGlobal<CScreen*> storeView(gStoreView, &store);
    rm->mPortalPosition = Vec3(0.0f, 0.0f, 30.0f);
    rm->StartPortalEffect();
    player.ship.mPosition = Vec3(19.9f, 0.0f, 30.0f);

    for (int pass = 0; pass < 37; ++pass)
        rm->UpdateObjects();
    EXPECT_FLOAT_EQ(rm->mPortalScale, 19.5f);
    EXPECT_EQ(rm->mCurrentSystemId, 1);

    rm->UpdateObjects();
    EXPECT_EQ(rm->mCurrentSystemId, 2);
    EXPECT_TRUE(Vec3::Equals(player.ship.mPosition, Vec3(-100.0f, 0.0f, 30.0f)));
    EXPECT_TRUE(Vec3::Equals(player.ship.destination, Vec3(-100.0f, 0.0f, 30.0f)));
    EXPECT_TRUE(Vec3::Equals(rm->mPortalPosition, Vec3(-125.0f, 0.0f, 30.0f)));
    EXPECT_FLOAT_EQ(rm->mPortalScale, 1.0f);
    EXPECT_EQ(rm->mPortalActive, 1);
    EXPECT_EQ(rm->mPortalTargetSystem, 1);
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(player.questUpdates, 1);
    EXPECT_EQ(player.questStepsBegun, std::vector<int>{2});
    EXPECT_FALSE(store.IsEntered()) << "the store draws a new stock after the trip";

    player.ship.mPosition = Vec3(-125.0f, 0.0f, 30.0f);
    rm->UpdateObjects();
    EXPECT_EQ(rm->mCurrentSystemId, 1);
    EXPECT_TRUE(Vec3::Equals(player.ship.mPosition, Vec3(19.9f, 0.0f, 30.0f)));
    EXPECT_EQ(rm->mPortalActive, 0);
    EXPECT_EQ(rm->mPortalTargetSystem, 2);
    EXPECT_TRUE(Vec3::Equals(rm->mArrivalPoint, Vec3(-100.0f, 0.0f, 30.0f)));
    EXPECT_EQ(player.questStepsBegun, (std::vector<int>{2, 1}));
}

TEST_F(WorldPassTest, BehindTheConversationOnlySomeKindsMoveAndNothingTouches)
{
    struct Expectation {
        int type;
        bool rendered;
        bool updated;
    };
    const Expectation kinds[] = {
        {1, true, false},   {2, true, false},  {4, true, true},    {5, false, false},  {6, true, true},
        {7, true, true},    {8, true, true},   {9, false, false},  {11, true, true},   {12, false, false},
        {13, true, false},  {14, true, true},  {15, false, false}, {16, true, false},  {17, true, false},
        {18, false, false}, {19, true, false}, {20, true, false},  {21, false, false},
    };
    for (const Expectation& kind : kinds)
        Place(rm->mObjects, 100 + kind.type, kind.type);
    Place(rm->mWormholes, 300, kTypeWormhole);

    rm->AnimateObjects();

    for (const Expectation& kind : kinds) {
        const std::string id = std::to_string(100 + kind.type);
        EXPECT_EQ(Called("R" + id), kind.rendered) << "type " << kind.type;
        EXPECT_EQ(Called("U" + id), kind.updated) << "type " << kind.type;
    }
    EXPECT_TRUE(Called("R300") && Called("U300"));
    for (const std::string& call : log)
        EXPECT_TRUE(call[0] == 'R' || call[0] == 'U') << call;
}

}  // namespace
