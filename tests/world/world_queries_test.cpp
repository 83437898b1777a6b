// The world's queries: nearest objects and their ties, picking under a point, the obstacle on a
// path, objects by id and the quests that triggers offer.
#include "world_fixture.h"

namespace {

class WorldQueryTest : public WorldTest {
protected:
    CProbePlayer player;
    ScopedGlobal<CPlayerView*> playerView{gPlayerView, &player};
};

TEST_F(WorldQueryTest, TheNearestResourceOnATieIsTheLowerId)
{
    Place(rm->mObjects, 30, kTypeResource, Vec3(0.0f, 50.0f, 30.0f));
    Place(rm->mObjects, 20, kTypeResource, Vec3(0.0f, -50.0f, 30.0f));
    Place(rm->mObjects, 10, kTypeLeadShip, Vec3(0.0f, 1.0f, 30.0f));
    CWorldObject* nearest = nullptr;
    EXPECT_FLOAT_EQ(rm->FindNearestResource(nearest), 2500.0f);
    EXPECT_EQ(nearest->mId, 20);

    rm->mObjects.at(30)->mPosition = Vec3(0.0f, 49.0f, 30.0f);
    rm->FindNearestResource(nearest);
    EXPECT_EQ(nearest->mId, 30);
}

TEST_F(WorldQueryTest, TheNearestEnemyShipIsVisibleOfAnotherSideAndMayBeThePlayer)
{
    CProbeObject asker(5, kTypeLeadShip, Vec3(0.0f, 0.0f, 30.0f), 5.0f);
    asker.mAffiliate = 1;
    player.ship.mAffiliate = 2;
    player.ship.mPosition = Vec3(30.0f, 0.0f, 30.0f);
    Place(rm->mObjects, 10, kTypeLeadShip, Vec3(5.0f, 0.0f, 30.0f))->mAffiliate = 1;
    Place(rm->mObjects, 11, kTypeWingman, Vec3(6.0f, 0.0f, 30.0f))->mVisible = 0;
    rm->mObjects.at(11)->mAffiliate = 2;
    Place(rm->mObjects, 12, kTypeOutpost, Vec3(7.0f, 0.0f, 30.0f))->mAffiliate = 2;
    Place(rm->mObjects, 13, kTypeWingman, Vec3(-20.0f, 0.0f, 30.0f))->mAffiliate = 2;
    Place(rm->mObjects, 14, kTypeLeadShip, Vec3(0.0f, 20.0f, 30.0f))->mAffiliate = 3;

    CWorldObject* nearest = nullptr;
    EXPECT_FLOAT_EQ(rm->FindNearestEnemyShip(&asker, nearest), 400.0f);
    EXPECT_EQ(nearest->mId, 13) << "a tie goes to the lower id";

    player.ship.mPosition = Vec3(10.0f, 0.0f, 30.0f);
    rm->FindNearestEnemyShip(&asker, nearest);
    EXPECT_EQ(nearest, &player.ship);

    EXPECT_FLOAT_EQ(rm->FindNearestEnemyOutpost(&asker, nearest), 49.0f);
    EXPECT_EQ(nearest->mId, 12);
}

TEST_F(WorldQueryTest, PickingTakesTheHighestLiveIdWithinItsSizeThenWormholesButNeverSuns)
{
    Place(rm->mObjects, 10, kTypeResource, Vec3(0.0f, 0.0f, 30.0f), 8.0f);
    Place(rm->mObjects, 11, kTypeResource, Vec3(0.0f, 0.0f, 30.0f), 8.0f)->mActive = 0;
    Place(rm->mWormholes, 20, kTypeWormhole, Vec3(100.0f, 0.0f, 30.0f), 10.0f);
    Place(rm->mSuns, 30, kTypePlanet, Vec3(-100.0f, 0.0f, 30.0f), 50.0f);

    struct Pick {
        Vec3 point;
        int id;  // 0: nothing
    };
    const Pick picks[] = {
        {Vec3(8.0f, 0.0f, 30.0f), 10},     // exactly on the size, not the half size
        {Vec3(8.01f, 0.0f, 30.0f), 0},     // just beyond
        {Vec3(100.0f, 10.0f, 30.0f), 20},  // wormholes after the objects
        {Vec3(-100.0f, 0.0f, 30.0f), 0},   // suns are never picked
    };
    for (const Pick& pick : picks) {
        CWorldObject* found = rm->FindObjectAt(&pick.point);
        EXPECT_EQ(found ? found->mId : 0, pick.id) << pick.point.x << ", " << pick.point.y;
    }
}

struct ObstacleCase {
    float distance;
    bool blocks;
};

class ObstacleTest : public WorldQueryTest, public ::testing::WithParamInterface<ObstacleCase> {};

TEST_P(ObstacleTest, AnObstacleCountsOnlyWithin31Point6UnitsOfTheStart)
{
    CProbeObject ship(5, kTypeLeadShip, Vec3(), 4.0f);
    Place(rm->mObjects, 10, kTypePlanet, Vec3(GetParam().distance, 0.0f, 30.0f))->blocks = true;
    CWorldObject* found = rm->FindBlockingObstacle(Vec3(0.0f, 0.0f, 30.0f), Vec3(100.0f, 0.0f, 30.0f), &ship);
    EXPECT_EQ(found != nullptr, GetParam().blocks);
}

INSTANTIATE_TEST_SUITE_P(Distances, ObstacleTest,
                         ::testing::Values(ObstacleCase{10.0f, true}, ObstacleCase{31.6f, true},
                                           ObstacleCase{31.7f, false}));

class CProbeQuestTriggers : public CTriggerSource {
public:
    bool StateTriggerHolds(int, int*) override { return false; }
    void AppendQuestTriggers(int, std::list<CQuestTrigger*>&) override {}
    int OfferedQuest(CQuestTrigger* trigger) override { return offers[trigger]; }
    void DeleteQuestTrigger(CQuestTrigger* trigger) override { deleted.push_back(trigger); }

    std::map<CQuestTrigger*, int> offers;
    std::vector<CQuestTrigger*> deleted;
};

TEST_F(WorldQueryTest, TheFirstSatisfiedTriggerOffersItsQuestOnce)
{
    CProbeQuestTriggers triggers;
    ScopedGlobal<CTriggerSource*> source(gTriggerSource, &triggers);
    // Triggers are opaque to the world: any distinct addresses do.
    int cells[3];
    auto* first = reinterpret_cast<CQuestTrigger*>(&cells[0]);
    auto* second = reinterpret_cast<CQuestTrigger*>(&cells[1]);
    auto* third = reinterpret_cast<CQuestTrigger*>(&cells[2]);
    triggers.offers = {{first, 0}, {second, 7}, {third, 9}};
    rm->mPendingQuestTriggers = {first, second, third};

    EXPECT_EQ(rm->TakeAvailableQuest(), 7);
    EXPECT_EQ(rm->TakeAvailableQuest(), 9);
    EXPECT_EQ(rm->TakeAvailableQuest(), 0);
    EXPECT_EQ(triggers.deleted, (std::vector<CQuestTrigger*>{second, third}));

    rm->DeleteWorldObjects();
    EXPECT_EQ(triggers.deleted.back(), first) << "the world gives back every trigger it holds";
}

}  // namespace
