// Entering a solar system: what each shipped system builds and where it files it, the state
// triggers, the sounds that survive, the duplicate-id rule and what the player is told.
#include <set>

#include "db/table_reader.h"
#include "world/object_kinds.h"
#include "world/planet.h"
#include "world_fixture.h"

namespace {

// A trigger source whose state triggers hold as the test says and which counts its quest triggers.
class CProbeTriggers : public CTriggerSource {
public:
    bool StateTriggerHolds(int stateTriggerId, int* newSystemId) override
    {
        asked.push_back(stateTriggerId);
        auto it = holds.find(stateTriggerId);
        if (it == holds.end())
            return false;
        *newSystemId = it->second;
        return true;
    }
    void AppendQuestTriggers(int systemId, std::list<CQuestTrigger*>&) override { questSystems.push_back(systemId); }
    int OfferedQuest(CQuestTrigger*) override { return 0; }
    void DeleteQuestTrigger(CQuestTrigger*) override {}

    std::map<int, int> holds;
    std::vector<int> asked;
    std::vector<int> questSystems;
};

class EnterSystemTest : public WorldTest {
protected:
    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        std::string error;
        auto result = db::ReadQuery((folder.Path() / "config" / "varnok.dat").string(), sql, &error);
        EXPECT_TRUE(result) << error;
        return result ? result->rows : std::vector<std::vector<std::string>>{};
    }
    void AddPlanet(int objectId, const std::string& name, int questStepId = 0)
    {
        const std::string id = std::to_string(objectId);
        Content(
            "INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, "
            "velocity, hit_points, size, respawn_time, affiliate) VALUES (" +
            id + ", 1, " + std::to_string(questStepId) + ", '" + name +
            "', 'planet', 10.0, 20.0, 0.0, 1, 30.0, 0, 'neutral');"
            "INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, "
            "uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (" +
            id + ", " + id + ", 'true', 0, 0, 0, 0, 0, 210, 200);");
    }
};

class ShippedSystemTest : public EnterSystemTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShippedSystemTest, BuildsThePlanetsItsRowsNameIntoTheirMapsAndNamesEveryKindNotYetBuilt)
{
    const int system = GetParam();
    rm->EnterSystem(system);

    const auto row = Rows("select system_name, x_dimension from system where system_id = " + std::to_string(system));
    ASSERT_EQ(row.size(), 1u);
    EXPECT_STREQ(rm->mSystemName, row[0][0].c_str());
    EXPECT_FLOAT_EQ(rm->mSystemWidth, std::stof(row[0][1]));

    std::set<int> suns, planets;
    for (auto& planet : Rows("select o.object_id, o.object_name from planet_object p, object o where p.object_id = "
                             "o.object_id and o.quest_step_id = 0 and o.system_id = " +
                             std::to_string(system)))
        (planet[1] == "Sun" ? suns : planets).insert(std::stoi(planet[0]));
    std::set<int> filedSuns, filedPlanets;
    for (auto& [id, object] : rm->mSuns)
        filedSuns.insert(id);
    for (auto& [id, object] : rm->mObjects) {
        if (object->mType == kTypePlanet)
            filedPlanets.insert(id);
    }
    EXPECT_EQ(filedSuns, suns);
    EXPECT_EQ(filedPlanets, planets);
    EXPECT_FALSE(suns.empty() && planets.empty()) << "every shipped system shows planets";

    EXPECT_FALSE(os::QuitPosted());
}

INSTANTIATE_TEST_SUITE_P(EverySystem, ShippedSystemTest, ::testing::Values(1, 2, 3, 4, 5, 101));

TEST_F(EnterSystemTest, OnlyAPlanetNamedExactlySunIsASunAndAQuestStepKeepsEvenThatInTheObjectMap)
{
    AddPlanet(1090, "sun");
    AddPlanet(1091, "Sun", 77);
    CProbePlayer player;
    player.questSteps = {77};
    ScopedGlobal<CPlayerView*> view(gPlayerView, &player);

    rm->EnterSystem(1);

    EXPECT_EQ(rm->mObjects.count(1090), 1u);
    EXPECT_EQ(rm->mSuns.count(1090), 0u);
    EXPECT_EQ(rm->mObjects.count(1091), 1u);
    EXPECT_EQ(rm->mSuns.count(1091), 0u);
    EXPECT_EQ(rm->mSuns.count(1003), 1u);
}

TEST_F(EnterSystemTest, TheLastStateTriggerThatHoldsPicksTheSystemAndTheVisitedListKeepsTheIdAsked)
{
    Content(
        "DELETE FROM state_trigger;"
        "INSERT INTO state_trigger VALUES (7, 0, 0, 1, 101);"
        "INSERT INTO state_trigger VALUES (8, 0, 0, 1, 3);"
        "INSERT INTO state_trigger VALUES (9, 0, 0, 3, 4);");
    CProbeTriggers triggers;
    triggers.holds = {{7, 101}, {8, 3}, {9, 4}};
    ScopedGlobal<CTriggerSource*> source(gTriggerSource, &triggers);
    CProbePlayer player;
    ScopedGlobal<CPlayerView*> view(gPlayerView, &player);
    rm->mPortalAllowed = 0;

    rm->EnterSystem(1);

    EXPECT_EQ(rm->mCurrentSystemId, 3);
    EXPECT_EQ(triggers.asked, (std::vector<int>{7, 8})) << "the replacement's own triggers are not asked";
    EXPECT_EQ(player.visited, std::vector<int>{1});
    EXPECT_EQ(triggers.questSystems, std::vector<int>{3});
    EXPECT_EQ(rm->mPortalAllowed, 1);
}

TEST_F(EnterSystemTest, WithoutATriggerSourceTheSystemAskedIsEntered)
{
    Content("INSERT INTO state_trigger VALUES (7, 0, 0, 1, 101);");
    ScopedGlobal<CTriggerSource*> source(gTriggerSource, nullptr);
    rm->EnterSystem(1);
    EXPECT_EQ(rm->mCurrentSystemId, 1);
}

TEST_F(EnterSystemTest, InterfaceSoundsAndPlayingSoundsSurviveAndIdleOnesAreReleased)
{
    for (int id : {3, 4, 5, 200, 500})
        ASSERT_NE(rm->LoadSound(id), nullptr) << id;
    rm->mSoundBuffers.find(200)->second->Play(0, 0, 0);

    rm->EnterSystem(1);

    for (int id : {4, 5, 200, 500})
        EXPECT_EQ(rm->mSoundBuffers.count(id), 1u) << id;
    EXPECT_EQ(rm->mSoundBuffers.count(3), 0u);
}

int gLiveScaffolds = 0;

class CCountedScaffold : public CProbeObject {
public:
    explicit CCountedScaffold(int id) : CProbeObject(id, kTypeScaffold, Vec3(0, 0, 30), 5.0f) { ++gLiveScaffolds; }
    ~CCountedScaffold() override { --gLiveScaffolds; }
};

TEST_F(EnterSystemTest, AnIdAlreadyFiledKeepsItsObjectAndTheNewOneIsDestroyed)
{
    Content(
        "INSERT INTO scaffold_object (scaffold_id, object_id, length, mesh_id, horizontal) "
        "VALUES (1002, 1002, 2, 21, 'true');");
    ScopedGlobal<CWorldObject* (*)(int)> factory(gObjectKinds[kKindScaffold].make,
                                                 [](int id) -> CWorldObject* { return new CCountedScaffold(id); });
    gLiveScaffolds = 0;

    rm->EnterSystem(1);

    EXPECT_NE(dynamic_cast<CPlanetObject*>(rm->mObjects.at(1002)), nullptr) << "the planet came first and stays";
    EXPECT_NE(dynamic_cast<CCountedScaffold*>(rm->mObjects.at(1010)), nullptr);
    EXPECT_EQ(gLiveScaffolds, 1) << "the scaffold under the planet's id is destroyed";
    rm->DeleteWorldObjects();
    EXPECT_EQ(gLiveScaffolds, 0);
}

int gSharedSearchesForgotten = 0;

TEST_F(EnterSystemTest, ThePlayerForgetsItsTargetsAndChargeShotAndKindsForgetWhatTheyShare)
{
    CProbePlayer player;
    ScopedGlobal<CPlayerView*> view(gPlayerView, &player);
    ScopedGlobal<void (*)()> leave(gObjectKinds[kKindLeadShip].leaveSystem, [] { ++gSharedSearchesForgotten; });
    gSharedSearchesForgotten = 0;
    rm->mSpawnCounter = 15;
    rm->mNextSystem = 3;

    rm->EnterSystem(2);

    EXPECT_EQ(player.targetsCleared, 1);
    EXPECT_EQ(player.chargeShotsCleared, 1);
    EXPECT_EQ(gSharedSearchesForgotten, 1);
    EXPECT_EQ(rm->mSpawnCounter, 0);
    EXPECT_EQ(rm->mNextSystem, 0);
}

TEST_F(EnterSystemTest, EnteringAgainRestoresEveryObjectFromItsRow)
{
    rm->EnterSystem(1);
    CWorldObject* planet = rm->mObjects.at(1002);
    planet->mActive = 0;
    planet->mPosition = Vec3(0.0f, 0.0f, 30.0f);

    rm->EnterSystem(1);

    planet = rm->mObjects.at(1002);
    EXPECT_EQ(planet->mActive, 1);
    EXPECT_TRUE(Vec3::Equals(planet->mPosition, Vec3(-300.0f, 250.0f, 30.0f)));
}

TEST_F(EnterSystemTest, ALongNameIsCutToItsField)
{
    AddPlanet(1092, std::string(70, 'x'));
    rm->EnterSystem(1);
    EXPECT_EQ(std::string(rm->mObjects.at(1092)->mName), std::string(kObjectNameSize - 1, 'x'));
}

TEST_F(EnterSystemTest, AnotherPlayersShipGoesAsItselfAndAPlacedIdBelow1001IsLeftOut)
{
    AddPlanet(30, "Thirty");
    auto* ship = new CProbeObject(30, kTypePlayer, Vec3(0, 0, 30), 5.0f, &log);
    ASSERT_TRUE(rm->AddOtherPlayer(ship));
    // An object of the last system under the ship's id, as the planet would have been.
    Place(rm->mObjects, 30, kTypePlanet);

    rm->EnterSystem(1);

    EXPECT_EQ(rm->FindOtherPlayer(30), ship);
    EXPECT_EQ(rm->mObjects.count(30), 0u) << "the planet under a session id is left out";
    rm->SetOtherPlayerSystem(30, 1);
    EXPECT_EQ(rm->mObjects.at(30), ship);
}

}  // namespace
