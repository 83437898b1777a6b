// Quest steps in their system: what they place and mark, and when they are done or failed.
#include "quest_fixture.h"
#include "screens/conversation_screen.h"
#include "world/device_object.h"
#include "world/dock_view.h"
#include "world/wormhole.h"

namespace {

constexpr int kDataCore = 5;

struct EnemyCase {
    const char* type;
    int ships;
    int killed;
    // A defend-from step's target, the ship it defends, is lost.
    bool defendedLost;
    int state;
};

class KillEnemyTest : public QuestTest, public ::testing::WithParamInterface<EnemyCase> {
protected:
    // Lead ships of the step, each a copy of the shipped Dust Rat, in a row along y = 300.
    void AddEnemies(int stepId, int count)
    {
        if (count == 0)
            return;
        const std::string n = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                              std::to_string(count) + ") ";
        Content(n + "INSERT INTO object SELECT 90000 + i, 1, " + std::to_string(stepId) +
                ", 'Raider', 'lead', i * 12.0, 300.0, 0.0, 50, 4.0, 0, 'evil' FROM n;");
        Content(n + "INSERT INTO lead_ship_ai SELECT 90000 + i, 90000 + i, invulnerable, ship_id, "
                    "range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, "
                    "mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, "
                    "compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, "
                    "flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id FROM n, lead_ship_ai "
                    "WHERE lead_ship_ai_id = 1020;");
    }
};

// A step tracks the first 20 enemies its query finds; with none it is done at its first test. A
// defend-from step fights the same ships of its own, for its target: it is done once they are
// dead and fails when the target dies first.
TEST_P(KillEnemyTest, TheStepIsDoneOnceTheTrackedEnemiesAreDead)
{
    const EnemyCase& c = GetParam();
    AddQuest(910, {c.type});
    AddEnemies(9101, c.ships);
    Content("UPDATE quest_step SET target_object_id = 90500 WHERE quest_step_id = 9101;");
    CProbeObject* barge = Place(rm->mObjects, 90500, kTypeLeadShip, Vec3(0.0f, 100.0f, 30.0f), 6.0f);
    player->AcceptQuest(910);
    const CQuestStep* step = player->FindQuest(910)->CurrentStep();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->mEnemyCount, std::min(c.ships, kQuestStepObjectLimit));

    for (int i = 0; i < c.killed; ++i)
        rm->FindObject(step->mEnemies[i])->mActive = 0;
    barge->mActive = c.defendedLost ? 0 : 1;
    player->UpdateQuests();

    EXPECT_EQ(StateOf(910), c.state);
}

INSTANTIATE_TEST_SUITE_P(Enemies, KillEnemyTest,
                         ::testing::Values(EnemyCase{"killenemy", 0, 0, false, kQuestComplete},
                                           EnemyCase{"killenemy", 25, 20, false, kQuestComplete},
                                           EnemyCase{"killenemy", 25, 19, false, kQuestRunning},
                                           EnemyCase{"killenemy", 3, 2, false, kQuestRunning},
                                           EnemyCase{"defendfrom", 2, 2, false, kQuestComplete},
                                           EnemyCase{"defendfrom", 2, 1, false, kQuestRunning},
                                           EnemyCase{"defendfrom", 2, 1, true, kQuestFailed}));

// Only the first 20 rows are looked up: one of them that is not in the world (an object id of 0
// never is) leaves 19 tracked, and the 21st row does not stand in for it.
TEST_F(KillEnemyTest, OnlyTheFirstTwentyRowsAreLookedUp)
{
    AddQuest(910, {"killenemy"});
    AddEnemies(9101, 25);
    Content(
        "UPDATE object SET object_id = 0 WHERE object_id = 90001;"
        "UPDATE lead_ship_ai SET object_id = 0 WHERE object_id = 90001;");
    player->AcceptQuest(910);
    const CQuestStep* step = player->FindQuest(910)->CurrentStep();
    ASSERT_NE(step, nullptr);
    ASSERT_EQ(step->mEnemyCount, 19);
    EXPECT_EQ(step->mEnemies[0], 90002);
    EXPECT_EQ(step->mEnemies[18], 90020);
}

// An acquire step whose device is already aboard is done as it begins, and the step's device
// objects leave the world; otherwise they are its marked targets.
class AcquireTest : public QuestTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AcquireTest, ADeviceAlreadyCarriedCompletesTheStepInBegin)
{
    const bool carried = GetParam();
    AddQuest(920, {"acquire"});
    Content("UPDATE quest_step SET device_id = 5 WHERE quest_step_id = 9201;"
            "INSERT INTO object VALUES (90100, 1, 9201, 'Data Core', 'device', 40.0, 40.0, 0.0, 1, 3.0, 0, 'neutral');"
            "INSERT INTO device_object VALUES (90100, 90100, 5);");
    if (carried)
        Carry(kDataCore);

    player->AcceptQuest(920);

    const CQuestStep* step = player->FindQuest(920)->CurrentStep();
    CWorldObject* device = rm->FindObject(90100);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(step->mStatus, carried ? 1 : 0);
    EXPECT_EQ(device->mActive, carried ? 0 : 1);
    EXPECT_EQ(device->mMarked, carried ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Carried, AcquireTest, ::testing::Bool());

// Delivering needs the ship within sqrt(size^2 + 100) of the goal: 10.77 for a size-4 courier.
class DeliverTest : public QuestTest, public ::testing::WithParamInterface<std::pair<float, bool>> {};

TEST_P(DeliverTest, TheGoalIsReachedWithinTheShipsReach)
{
    ASSERT_EQ(player->mSize, 4.0f);
    AddQuest(930, {"deliver"});
    player->mPosition = Vec3(GetParam().first, 0.0f, 30.0f);
    player->AcceptQuest(930);
    player->UpdateQuests();
    EXPECT_EQ(player->mCompletedQuests.count(930), GetParam().second ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Distances, DeliverTest,
                         ::testing::Values(std::make_pair(10.7f, true), std::make_pair(10.8f, false)));

// An interrupt opens the conversation only when its speaker is in the world and it has lines to
// say; otherwise the step is over without it.
struct InterruptCase {
    const char* name;
    bool speaker;
    bool lines;
};

class InterruptTest : public QuestTest, public ::testing::WithParamInterface<InterruptCase> {};

TEST_P(InterruptTest, WithoutItsSpeakerOrItsLinesTheStepEndsWithoutTheConversation)
{
    const InterruptCase& c = GetParam();
    const bool opens = c.speaker && c.lines;
    AddQuest(940, {"interrupt"});
    Content("UPDATE quest_step SET target_object_id = 90200 WHERE quest_step_id = 9401;");
    if (c.lines)
        Content("INSERT INTO quest_step_conversation VALUES (94011, 9401, 1, 1, 'Hello, pilot.');");
    if (c.speaker)
        Place(rm->mObjects, 90200, kTypePlanet, Vec3(100.0f, 100.0f, 30.0f), 20.0f);

    player->AcceptQuest(940);

    EXPECT_EQ(player->FindQuest(940)->CurrentStep()->mStatus, c.speaker ? 0 : 1);
    EXPECT_EQ(gCurrentScreen == gConversationScreen, opens);
    player->UpdateQuests();
    EXPECT_EQ(player->mCompletedQuests.count(940), opens ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, InterruptTest,
                         ::testing::Values(InterruptCase{"speaks", true, true},
                                           InterruptCase{"no_speaker", false, true},
                                           InterruptCase{"no_lines", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Leaving a step's system fails the step once it has begun, and the log names the mission; a step
// waiting elsewhere waits on, and one whose system was entered as its state variant runs on.
// Cases: the step's system, the system entered, the one loaded in its place, and whether it fails.
class LeavingTest : public QuestTest, public ::testing::WithParamInterface<std::tuple<int, int, int, bool>> {};

TEST_P(LeavingTest, ABegunStepFailsWhenThePlayerLeavesItsSystem)
{
    const auto [stepSystem, entered, loaded, fails] = GetParam();
    AddQuest(950, {"goto"});
    Content("UPDATE quest_step SET system_id = " + std::to_string(stepSystem) + " WHERE quest_step_id = 9501;");
    player->AcceptQuest(950);

    rm->mPlaceSystemId = entered;
    rm->mCurrentSystemId = loaded;
    player->UpdateQuests();

    EXPECT_EQ(player->mActiveQuests.count(950), fails ? 0u : 1u);
    EXPECT_EQ(CenterMessage() == "Mission Failed", fails);
    EXPECT_EQ(Logged("Mission failed: Test Quest"), fails);
}

INSTANTIATE_TEST_SUITE_P(Systems, LeavingTest,
                         ::testing::Values(std::make_tuple(1, 4, 4, true), std::make_tuple(3, 4, 4, false),
                                           std::make_tuple(1, 1, 101, false)));

TEST_F(QuestTest, AStepThatClosesAWormholeClosesThePortalToo)
{
    AddQuest(960, {"jump"});
    Content("INSERT INTO quest_step_disabled VALUES (9601, 1005);");
    rm->mPortalAllowed = 1;
    player->AcceptQuest(960);
    EXPECT_EQ(rm->mPortalAllowed, 0);
    EXPECT_EQ(player->CurrentQuestSteps(), std::vector<int>{9601});
}

// A station as the dock step sees it.
class CProbeStation : public CProbeObject, public CDockView {
public:
    explicit CProbeStation(int id) : CProbeObject(id, kTypeStation, Vec3(50.0f, 50.0f, 30.0f), 12.0f) {}
    void SetPendingHail(int questStepId, const char* keyword) override
    {
        armedStep = questStepId;
        armedKeyword = keyword;
    }
    bool Visited() const override { return visited; }

    int armedStep = 0;
    std::string armedKeyword;
    bool visited = false;
};

TEST_F(QuestTest, ADockStepArmsItsStationAndEndsOnceThePlayerHasDockedThere)
{
    AddQuest(961, {"dock"});
    Content("UPDATE quest_step SET target_object_id = 90400, display_alignment = 'ignus' WHERE quest_id = 961;");
    auto* station = new CProbeStation(90400);
    rm->mObjects[90400] = station;

    player->AcceptQuest(961);
    EXPECT_EQ(station->armedStep, 9611);
    EXPECT_EQ(station->armedKeyword, "ignus");
    EXPECT_EQ(station->mMarked, 1);
    player->UpdateQuests();
    EXPECT_EQ(player->mActiveQuests.count(961), 1u);

    station->visited = true;
    player->UpdateQuests();
    EXPECT_EQ(player->mCompletedQuests.count(961), 1u);
    EXPECT_EQ(station->mMarked, 0);
}

TEST_F(QuestTest, AJumpStepEndsWithTheJumpThroughItsWormhole)
{
    AddQuest(962, {"jump"});
    Content("UPDATE quest_step SET target_object_id = 1004 WHERE quest_id = 962;");
    auto* wormhole = new CWormhole(1004);
    rm->mWormholes[1004] = wormhole;
    wormhole->mJumping = 1;

    player->AcceptQuest(962);
    EXPECT_EQ(wormhole->mJumping, 0) << "a jump before the step does not count";
    EXPECT_EQ(wormhole->mMarked, 1);
    player->UpdateQuests();
    EXPECT_EQ(player->mActiveQuests.count(962), 1u);

    wormhole->mJumping = 1;
    player->UpdateQuests();
    EXPECT_EQ(player->mCompletedQuests.count(962), 1u);
}

// With a second mission under way whose step waits in another system, and a rock selected, the
// arrow points at the place of this system's step; only the selection waits.
class ArrowTest : public QuestTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ArrowTest, TheArrowShowsThisSystemsStepWhateverElseRunsOrIsSelected)
{
    const std::string type = GetParam();
    // A wormhole is built from its row.
    const int target = type == "jump" ? 1004 : 90600;
    AddQuest(964, {GetParam()});
    Content("UPDATE quest_step SET target_object_id = " + std::to_string(target) +
            ", device_id = 5 WHERE quest_id = 964;"
            "INSERT INTO object VALUES (90601, 1, 9641, 'Data Core', 'device', 40.0, 40.0, 0.0, 1, 3.0, 0, 'neutral');"
            "INSERT INTO device_object VALUES (90601, 90601, 5);");
    AddQuest(965, {"goto"});
    Content("UPDATE quest_step SET system_id = 4 WHERE quest_id = 965;");
    if (type == "dock")
        rm->mObjects[target] = new CProbeStation(target);
    else if (type == "jump")
        rm->mWormholes[target] = new CWormhole(target);
    else
        Place(rm->mObjects, target, kTypeLeadShip, Vec3(100.0f, 0.0f, 30.0f), 6.0f);
    CProbeObject* rock = Place(rm->mObjects, 90602, kTypeOrbit, Vec3(-50.0f, 0.0f, 30.0f), 5.0f);
    player->mTarget = rock;

    player->AcceptQuest(964);
    player->AcceptQuest(965);
    player->UpdateQuests();
    player->UpdateQuests();

    const CQuestStep* step = player->FindQuest(964)->CurrentStep();
    const int expected = type == "goto" ? step->mGotoMarkerId : type == "acquire" ? 90601 : target;
    ASSERT_NE(player->mGuideTarget, nullptr);
    EXPECT_EQ(player->mGuideTarget->mId, expected);
    EXPECT_EQ(player->mTarget, rock);
}

INSTANTIATE_TEST_SUITE_P(Steps, ArrowTest,
                         ::testing::Values("goto", "assasinate", "escort", "dock", "jump", "acquire"));

// The escorted ship ends the step at the goal and leaves; lost on the way, it fails the quest.
struct EscortCase {
    Vec3 at;
    bool killed;
    int state;
};

class EscortTest : public QuestTest, public ::testing::WithParamInterface<EscortCase> {};

TEST_P(EscortTest, TheEscortedShipDecidesTheStep)
{
    AddQuest(963, {"escort"});
    Content("UPDATE quest_step SET target_object_id = 90500, x_pos = 200.0, y_pos = 100.0 WHERE quest_id = 963;");
    CProbeObject* barge = Place(rm->mObjects, 90500, kTypeLeadShip, GetParam().at, 6.0f);

    player->AcceptQuest(963);
    barge->mActive = GetParam().killed ? 0 : 1;
    player->UpdateQuests();

    const int state = StateOf(963);
    EXPECT_EQ(state, GetParam().state);
    EXPECT_EQ(barge->mActive == 0, GetParam().killed || state == kQuestComplete) << "at the goal it goes on its way";
}

INSTANTIATE_TEST_SUITE_P(Barge, EscortTest,
                         ::testing::Values(EscortCase{Vec3(205.0f, 100.0f, 30.0f), false, kQuestComplete},
                                           EscortCase{Vec3(0.0f, 100.0f, 30.0f), false, kQuestRunning},
                                           EscortCase{Vec3(0.0f, 100.0f, 30.0f), true, kQuestFailed}));

}  // namespace
