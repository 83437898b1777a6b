// Lead computer ships and wingmen: their tasks, the threat step's thresholds, the shared fire
// counter, the hail, the wingman's roaming, damage and loot, and a ship whose row is missing.
#include <memory>

#include "platform/os/message_queue.h"
#include "player_fixture.h"
#include "ships/lead_ship_ai.h"
#include "ships/ship_ai.h"
#include "ships/shot.h"
#include "world/object_kinds.h"

namespace {

// Shipped pirates of the third system: a lead with a range weapon only, and its wingman.
constexpr int kRedFang = 3010;
constexpr int kRedFangWing = 3011;
constexpr int kClaimJumper = 3012;
constexpr int kClaimJumperDrop = 18;

struct Spawned {
    int deviceId;
    int repair;
};
std::vector<Spawned> sSpawned;

class ComputerShipTest : public PlayerShipTest {
protected:
    void SetUp() override
    {
        PlayerShipTest::SetUp();
        rm->EnterSystem(3);
        rm->DeleteWorldObjects();
        CLeadShipAI::sSearch.Clear();
        CShipAI::sSearch.Clear();
        sSpawned.clear();
        player->mAffiliate = 0;
    }
    // A lead ship outside the world's maps, alone with the player, its tasks replaced.
    std::unique_ptr<CLeadShipAI> Lead(int objectId = kRedFang)
    {
        auto ship = std::make_unique<CLeadShipAI>(objectId);
        for (CTask* task : ship->mTasks)
            delete task;
        ship->mTasks.clear();
        ship->mTaskIterator = ship->mTasks.end();
        ship->mPosition = ship->mDestination = Vec3(0.0f, 0.0f, 30.0f);
        return ship;
    }
    static CTask* AddTask(CLeadShipAI& ship, int type, Vec3 point, bool repeat = false, int objectId = 0)
    {
        auto* task = new CTask(0);
        task->mTaskType = type;
        task->mPoint = point;
        task->mRepeat = repeat ? 1 : 0;
        task->mObjectId = objectId;
        ship.mTasks.push_back(task);
        return task;
    }
    void PlayerAt(float x, float y)
    {
        player->mPosition = Vec3(x, y, 30.0f);
        player->mDirection = Vec3(0.0f, 1.0f, 0.0f);
    }
    // Thinks once with the weapon ready; true when it fired.
    static bool ThinkFires(CLeadShipAI& ship)
    {
        ship.mWeaponCooldown = 100000;
        ship.Think();
        return ship.mWeaponCooldown == 0;
    }

    ScopedGlobal<SpawnKinds> spawnKinds{gSpawnKinds, SpawnKinds{[](int, int, const Vec3&) -> CWorldObject* {
                                                                    return nullptr;
                                                                },
                                                                [](int deviceId, const Vec3&) -> CWorldObject* {
                                                                    sSpawned.push_back({deviceId, 0});
                                                                    return nullptr;
                                                                },
                                                                [](int repair, const Vec3&) -> CWorldObject* {
                                                                    sSpawned.push_back({0, repair});
                                                                    return nullptr;
                                                                }}};
};

// Where an enemy stands (along +x) decides the threat step: flee, fall back, charge, fire at
// range or nothing. The pirate flees under 100, falls back under 400, charges under 900 and
// fires at range under 4900 (all squared).
struct ThreatCase {
    const char* name;
    float distance;
    bool retreats;
    bool engaged;
};

const ThreatCase kThreatCases[] = {
    {"flees_close", 9.0f, true, false},
    {"falls_back_under_400", 19.9f, true, false},
    {"exactly_400_charges_instead", 20.0f, false, true},
    {"charges_under_900", 29.0f, false, true},
    {"fires_at_range", 50.0f, false, true},
    {"ignores_beyond_attack_range", 71.0f, false, false},
};

class ThreatStepTest : public ComputerShipTest, public ::testing::WithParamInterface<ThreatCase> {};

TEST_P(ThreatStepTest, DistanceDecidesTheResponse)
{
    const ThreatCase& c = GetParam();
    auto ship = Lead();
    AddTask(*ship, kTaskHoldPosition, Vec3());
    PlayerAt(c.distance, 0.0f);
    ship->Think();
    const Vec3 retreat(0.0f, 25.0f, 30.0f);
    EXPECT_EQ(Vec3::Equals(ship->mDestination, retreat), c.retreats);
    EXPECT_EQ(ship->mEngaged, c.engaged ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Distances, ThreatStepTest, ::testing::ValuesIn(kThreatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputerShipTest, AShipAndAnOutpostAtTheSameDistanceTheShipIsFought)
{
    auto ship = Lead();
    AddTask(*ship, kTaskHoldPosition, Vec3());
    PlayerAt(0.0f, 15.0f);
    CProbeObject* outpost = Place(rm->mObjects, 900, kTypeOutpost, Vec3(15.0f, 0.0f, 30.0f));
    outpost->mAffiliate = 0;
    outpost->mDirection = Vec3(-1.0f, 0.0f, 0.0f);
    ship->Think();
    // Falling back steps along the fought enemy's heading.
    EXPECT_TRUE(Vec3::Equals(ship->mDestination, Vec3(0.0f, 25.0f, 30.0f)));
    player->mVisible = 0;
    ship->Think();
    EXPECT_TRUE(Vec3::Equals(ship->mDestination, Vec3(-25.0f, 0.0f, 30.0f)));
}

TEST_F(ComputerShipTest, AtRangeLeadShipsFireInTwentyOfFortyThinksOnOneSharedCounter)
{
    auto first = Lead();
    auto second = Lead();
    AddTask(*first, kTaskHoldPosition, Vec3());
    AddTask(*second, kTaskHoldPosition, Vec3());
    PlayerAt(50.0f, 0.0f);
    int firstShots = 0;
    int secondShots = 0;
    for (int round = 0; round < 20; ++round) {
        firstShots += ThinkFires(*first) ? 1 : 0;
        secondShots += ThinkFires(*second) ? 1 : 0;
    }
    EXPECT_EQ(firstShots + secondShots, 20);
    // Each counter of its own would let each ship fire in nearly all of its 20 thinks.
    EXPECT_EQ(firstShots, 10);
    EXPECT_EQ(secondShots, 10);
}

// Each task type's own step, one think after it becomes current.
struct TaskCase {
    const char* name;
    int type;
    Vec3 point;
    bool done;
    bool headsForPoint;
};

const TaskCase kTaskCases[] = {
    {"move_there", kTaskMove, Vec3(100.0f, 0.0f, 30.0f), false, true},
    {"move_arrived", kTaskMove, Vec3(0.0f, 0.0f, 30.0f), true, true},
    {"flee", kTaskFlee, Vec3(-100.0f, 50.0f, 30.0f), false, true},
    {"fall_back", kTaskFallBack, Vec3(100.0f, 0.0f, 30.0f), false, false},
    {"hold_position", kTaskHoldPosition, Vec3(100.0f, 0.0f, 30.0f), false, false},
    {"charge", kTaskCharge, Vec3(100.0f, 0.0f, 30.0f), false, false},
};

class TaskStepTest : public ComputerShipTest, public ::testing::WithParamInterface<TaskCase> {};

TEST_P(TaskStepTest, RunsItsOwnStep)
{
    const TaskCase& c = GetParam();
    auto ship = Lead();
    CTask* task = AddTask(*ship, c.type, c.point);
    PlayerAt(500.0f, 500.0f);
    ship->Think();
    EXPECT_EQ(task->mDone, c.done ? 1 : 0);
    EXPECT_EQ(Vec3::Equals(ship->mDestination, c.point), c.headsForPoint);
    if (c.type == kTaskFlee) {
        ship->Think();
        EXPECT_EQ(task->mDone, 1) << "a flee ends once its point is the destination";
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TaskStepTest, ::testing::ValuesIn(kTaskCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputerShipTest, AnAttackTaskEndsTheThinkOnceAndWaitsForALiveTarget)
{
    auto ship = Lead();
    CProbeObject* target = Place(rm->mObjects, 901, kTypeStation, Vec3(100.0f, 0.0f, 30.0f));
    CTask* attack = AddTask(*ship, kTaskAttack, Vec3(), false, 901);
    target->mActive = 0;
    PlayerAt(500.0f, 500.0f);
    ship->Think();
    EXPECT_EQ(attack->mDone, 0) << "a dead target never completes the attack";
    target->mActive = 1;
    EXPECT_TRUE(ThinkFires(*ship));
    EXPECT_EQ(attack->mDone, 1);
    // Stands off by both sizes and the fall-back distance (20).
    EXPECT_TRUE(Vec3::Equals(ship->mDestination, Vec3(100.0f - ship->mSize - 5.0f - 20.0f, 0.0f, 30.0f)));
}

class TasksRunOutTest : public ComputerShipTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TasksRunOutTest, OnlyARepeatingTaskKeepsTheShipFightingAndHailing)
{
    const bool repeat = GetParam();
    auto ship = Lead();
    AddTask(*ship, kTaskMove, ship->mPosition, repeat);
    PlayerAt(500.0f, 500.0f);
    for (int think = 0; think < 3; ++think)
        ship->Think();
    EXPECT_EQ(ship->mTasks.empty(), !repeat);
    EXPECT_EQ(ship->mCurrentTask == nullptr, !repeat);
    PlayerAt(10.0f, 0.0f);
    ship->Think();
    EXPECT_EQ(Vec3::Equals(ship->mDestination, Vec3(0.0f, 25.0f, 30.0f)), repeat) << "falls back";
    EXPECT_EQ(flight.hails.size(), repeat ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Repeat, TasksRunOutTest, ::testing::Bool());

TEST_F(ComputerShipTest, ALeadShipHailsOnceWhenTheVisiblePlayerComesNear)
{
    auto ship = Lead();
    AddTask(*ship, kTaskHoldPosition, Vec3());
    PlayerAt(80.0f, 0.0f);
    ship->Think();
    EXPECT_TRUE(flight.hails.empty()) << "beyond the message distance";
    PlayerAt(40.0f, 0.0f);
    player->mVisible = 0;
    ship->Think();
    flight.hailOpen = true;
    player->mVisible = 1;
    ship->Think();
    EXPECT_TRUE(flight.hails.empty()) << "cloaked, or another hail open";
    flight.hailOpen = false;
    ship->Think();
    ship->Think();
    ASSERT_EQ(flight.hails.size(), 1u);
    EXPECT_EQ(flight.hails[0],
              (std::vector<std::string>{"This is Red Fang. Your cargo or your hull.", "Choose quickly."}));
    EXPECT_EQ(flight.hailKeyword, ship->mAlignment);
    EXPECT_EQ(flight.target, ship.get());
}

TEST_F(ComputerShipTest, ALeadShipWithNothingToSayOpensNoHailButStillShowsItselfAsTheTarget)
{
    auto ship = Lead(kClaimJumper);
    AddTask(*ship, kTaskHoldPosition, Vec3());
    PlayerAt(40.0f, 0.0f);
    ship->Think();
    EXPECT_TRUE(flight.hails.empty());
    EXPECT_EQ(flight.target, ship.get());
}

TEST_F(ComputerShipTest, DamageRisesTwoPercentPerPilotLevelAboveThirty)
{
    auto lead = Lead();
    CShipAI wingman(kRedFangWing);
    for (auto [level, factor] : {std::pair{1, 1.0f}, {30, 1.0f}, {31, 1.02f}, {40, 1.2f}}) {
        player->mLevel = level;
        EXPECT_FLOAT_EQ(lead->GetDamageFactor(), factor) << level;
        EXPECT_FLOAT_EQ(wingman.GetDamageFactor(), factor) << level;
    }
}

TEST_F(ComputerShipTest, TheLootTablesPickWeaponsThenEngineArmorShield)
{
    Content(
        "UPDATE ship_ai SET mining_weapon_device_id = 12, melee_weapon_device_id = 12 WHERE ship_ai_id = 3011;"
        "UPDATE lead_ship_ai SET mining_weapon_device_id = 12 WHERE lead_ship_ai_id = 3010;");
    auto lead = Lead();
    CShipAI wingman(kRedFangWing);
    const int leadPicks[] = {23, 0, 0, 0, 12, kIonDrive, kCompositePlating, kDeflectorScreen};
    const int wingmanPicks[] = {23, 12, 0, 0, 0, kIonDrive, kCompositePlating, kDeflectorScreen};
    for (int pick = 0; pick < 8; ++pick) {
        EXPECT_EQ(LootPick(*lead, lead->mWeapons, pick), leadPicks[pick]) << pick;
        EXPECT_EQ(LootPick(wingman, wingman.mWeapons, pick), wingmanPicks[pick]) << "wingman pick " << pick;
    }
}

TEST_F(ComputerShipTest, ADestroyedLeadShipDropsItsLoot)
{
    auto ship = Lead(kClaimJumper);
    EXPECT_TRUE(ship->TakeDamage(100000, 0));
    EXPECT_EQ(ship->mActive, 0);
    ASSERT_EQ(sSpawned.size(), 1u);
    EXPECT_EQ(sSpawned[0].deviceId, kClaimJumperDrop);
}

TEST_F(ComputerShipTest, ALeadShipOrAWingmanWithoutItsRowEndsTheGameAndStaysOut)
{
    Content("DELETE FROM lead_ship_ai WHERE object_id = 3010; DELETE FROM ship_ai WHERE object_id = 3011;");
    CLeadShipAI lead(kRedFang);
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_EQ(lead.mActive, 0);
    os::ClearMessages();
    CShipAI wingman(kRedFangWing);
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_EQ(wingman.mActive, 0);
}

TEST_F(ComputerShipTest, AWingmanWithoutOrdersRoamsPastTheSystemEdge)
{
    rm->EnterSystem(3);
    CLeadShipAI* lead = rm->FindLeadShip(kRedFang);
    ASSERT_NE(lead, nullptr);
    auto* wingman = static_cast<CShipAI*>(rm->FindObject(kRedFangWing));
    ASSERT_NE(wingman, nullptr);
    for (CTask* task : lead->mTasks)
        delete task;
    lead->mTasks.clear();
    lead->mCurrentTask = nullptr;
    wingman->mDestination = Vec3(10.0f, -10.0f, 30.0f);
    wingman->Think();
    EXPECT_TRUE(Vec3::Equals(wingman->mDestination, Vec3(rm->mSystemWidth, -rm->mSystemHeight, 30.0f)));

    wingman->mLeadId = 999;
    wingman->mDestination = Vec3(10.0f, -10.0f, 30.0f);
    wingman->Think();
    EXPECT_TRUE(Vec3::Equals(wingman->mDestination, Vec3(10.0f, -10.0f, 30.0f))) << "no lead: no think";
}

// The wingman mirrors the lead's current task: an attack or a charge fires at the task's
// object, a flight fires at the nearest enemy ship (the player), the rest hold their fire.
enum class Aim { kHoldsFire, kAtTaskObject, kAtNearestEnemy };

struct MirrorCase {
    const char* name;
    int type;
    bool followsLead;
    Aim aim;
};

const MirrorCase kMirrorCases[] = {
    {"attack", kTaskAttack, false, Aim::kAtTaskObject},
    {"move", kTaskMove, true, Aim::kHoldsFire},
    {"flee", kTaskFlee, false, Aim::kAtNearestEnemy},
    {"fall_back", kTaskFallBack, false, Aim::kHoldsFire},
    {"hold_position", kTaskHoldPosition, false, Aim::kHoldsFire},
    {"charge", kTaskCharge, false, Aim::kAtTaskObject},
};

class MirrorTest : public ComputerShipTest, public ::testing::WithParamInterface<MirrorCase> {
protected:
    // Whether a shot of the ship left `from` heading for the point.
    bool ShotToward(const CShip& ship, const Vec3& from, const Vec3& point)
    {
        const Vec3 aim = UnitVec3(Vec3::Difference(point, from));
        for (const auto& [id, object] : rm->mObjects) {
            if (object->mType == kTypeShot && static_cast<CShot*>(object)->Owner() == &ship &&
                Vec3Dot(object->mDirection, aim) > 0.999f)
                return true;
        }
        return false;
    }
};

TEST_P(MirrorTest, TheWingmanCopiesTheLeadsTask)
{
    const MirrorCase& c = GetParam();
    rm->EnterSystem(3);
    CLeadShipAI* lead = rm->FindLeadShip(kRedFang);
    auto* wingman = static_cast<CShipAI*>(rm->FindObject(kRedFangWing));
    ASSERT_TRUE(lead && wingman);
    const Vec3 station(300.0f, 300.0f, 30.0f);
    Place(rm->mObjects, 902, kTypeStation, station);
    CTask task(0);
    task.mTaskType = c.type;
    task.mObjectId = 902;
    task.mPoint = Vec3(-300.0f, -300.0f, 30.0f);
    lead->mCurrentTask = &task;
    lead->mPosition = Vec3(100.0f, 100.0f, 30.0f);
    PlayerAt(600.0f, -600.0f);
    // A weapon in hand, so that a task that should hold its fire would be seen firing.
    wingman->SelectWeapon(wingman->mWeapons.ids[kRangeSlot]);
    ASSERT_NE(wingman->mSelectedWeapon, nullptr);
    wingman->mWeaponCooldown = 100000;
    const Vec3 from = wingman->mPosition;
    wingman->Think();
    lead->mCurrentTask = nullptr;
    EXPECT_EQ(Vec3::Equals(wingman->mDestination, Vec3::Sum(lead->mPosition, wingman->mOffset)), c.followsLead);
    EXPECT_EQ(wingman->mWeaponCooldown == 0, c.aim != Aim::kHoldsFire);
    EXPECT_EQ(ShotToward(*wingman, from, station), c.aim == Aim::kAtTaskObject);
    EXPECT_EQ(ShotToward(*wingman, from, player->mPosition), c.aim == Aim::kAtNearestEnemy);
    if (c.type == kTaskFlee) {
        EXPECT_TRUE(Vec3::Equals(wingman->mDestination, lead->mPosition));
    }
}

INSTANTIATE_TEST_SUITE_P(Types, MirrorTest, ::testing::ValuesIn(kMirrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputerShipTest, LeavingASystemForgetsTheSharedSearch)
{
    rm->EnterSystem(3);
    CLeadShipAI* lead = rm->FindLeadShip(kRedFang);
    ASSERT_NE(lead, nullptr);
    AddTask(*lead, kTaskHoldPosition, Vec3());
    PlayerAt(lead->mPosition.x + 50.0f, lead->mPosition.y);
    lead->Think();
    CProbeObject* outpost = Place(rm->mObjects, 903, kTypeOutpost, lead->mPosition);
    outpost->mAffiliate = 0;
    lead->Think();
    ASSERT_NE(CLeadShipAI::sSearch.outpost, nullptr);
    rm->EnterSystem(1);
    EXPECT_EQ(CLeadShipAI::sSearch.outpost, nullptr);
    EXPECT_EQ(CLeadShipAI::sSearch.ship, nullptr);
}

}  // namespace
