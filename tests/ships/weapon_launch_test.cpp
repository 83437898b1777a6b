// The one launch operation: cloak, repair, portal, charge gate, phantoms, filing, chains that
// lead back to themselves, and Restore.
#include <algorithm>

#include "weapon_fixture.h"

namespace {

const Vec3 kAim(0.0f, 50.0f, 30.0f);

class LaunchUncloaksTest : public WeaponTest, public ::testing::WithParamInterface<int> {};

// Whatever is fired, a cloaked launcher shows itself (firing the cloak while cloaked uncloaks too).
TEST_P(LaunchUncloaksTest, ACloakedShipIsSeenAfterAnyLaunch)
{
    pilot->mStealth = 1;
    pilot->mVisible = 0;
    rm->LaunchWeapon(GetParam(), pilot, &pilot->mPosition, &kAim);
    EXPECT_EQ(pilot->mStealth, 0);
    EXPECT_EQ(pilot->mVisible, 1);
}

INSTANTIATE_TEST_SUITE_P(Weapons, LaunchUncloaksTest,
                         ::testing::Values(kPulseLaser, kPlasmaBolt, kShadowVeil, kWraithDrone, kFoldGate,
                                           kRepairNanites));

// A mine or outpost gone before its launch passes no owner; nothing may fire from it.
TEST_F(WeaponTest, ALaunchWithoutOwnerOrPointsDoesNothing)
{
    for (int deviceId : {kPulseLaser, kPlasmaBolt, kShadowVeil, kWraithDrone, kFoldGate, kRepairNanites}) {
        rm->LaunchWeapon(deviceId, nullptr, &kAim, &kAim);
        rm->LaunchWeapon(deviceId, pilot, nullptr, nullptr);
    }
    EXPECT_TRUE(rm->mObjects.empty());
    EXPECT_TRUE(FlightMessages().empty());
    EXPECT_EQ(rm->mPortalActive, 0);
}

TEST_F(WeaponTest, TheCloakTogglesAndOnlyShipsCloak)
{
    rm->LaunchWeapon(kShadowVeil, pilot, &pilot->mPosition, &kAim);
    EXPECT_EQ(pilot->mStealth, 1);
    EXPECT_EQ(rm->mLaunchSound.soundId, 54);
    rm->LaunchWeapon(kShadowVeil, pilot, &pilot->mPosition, &kAim);
    EXPECT_EQ(pilot->mStealth, 0);
    // An actor without a stealth flag fires it harmlessly: no cloak sound, and it stays unseen.
    CTestActor* turret = Enemy(2001, Vec3(10.0f, 0.0f, 30.0f));
    turret->mVisible = 0;
    rm->mLaunchSound.soundId = 0;
    rm->LaunchWeapon(kShadowVeil, turret, &turret->mPosition, &kAim);
    EXPECT_EQ(rm->mLaunchSound.soundId, 0);
    EXPECT_EQ(turret->mVisible, 0);
    EXPECT_TRUE(FlightMessages().empty());
}

struct RepairCase {
    int maxHitPoints;
    int hitPoints;
    int gained;
};

class RepairTest : public WeaponTest, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(RepairTest, RepairAddsItsShareUpToTheMaximum)
{
    pilot->mMaxHitPoints = GetParam().maxHitPoints;
    pilot->mHitPoints = GetParam().hitPoints;
    rm->mLaunchSound.soundId = 0;
    rm->LaunchWeapon(kRepairNanites, pilot, &pilot->mPosition, &kAim);
    EXPECT_EQ(pilot->mHitPoints, GetParam().hitPoints + GetParam().gained);
    EXPECT_EQ(rm->mLaunchSound.soundId, 13);
}

INSTANTIATE_TEST_SUITE_P(Repairs, RepairTest,
                         ::testing::Values(RepairCase{100, 90, 10}, RepairCase{100, 100, 0}, RepairCase{100, 50, 30},
                                           RepairCase{7, 1, 2}));

struct PortalCase {
    int systemId;
    bool allowed;
    bool opens;
    // An edit that leaves the portal system nothing to arrive in.
    const char* lostPortalSystem = nullptr;
};

class PortalLaunchTest : public WeaponTest, public ::testing::WithParamInterface<PortalCase> {};

TEST_P(PortalLaunchTest, PortalOpensOnlyAwayFromThePortalSystemWhileAllowed)
{
    const PortalCase& c = GetParam();
    rm->mCurrentSystemId = c.systemId;
    rm->mPortalAllowed = c.allowed ? 1 : 0;
    rm->mPortalActive = 0;
    rm->mPortalTargetSystem = 7;
    rm->mArrivalPoint = Vec3(1.0f, 2.0f, 3.0f);
    if (c.lostPortalSystem)
        Content(c.lostPortalSystem);
    const Vec3 aim(40.0f, -25.0f, 30.0f);
    rm->LaunchWeapon(kFoldGate, pilot, &pilot->mPosition, &aim);
    if (c.opens) {
        EXPECT_TRUE(Logged("Opening Portal to Lustalla"));
        EXPECT_EQ(rm->mPortalActive, 1);
        EXPECT_EQ(rm->mPortalTargetSystem, 2);
        EXPECT_TRUE(Vec3::Equals(rm->mArrivalPoint, Vec3(-100.0f, 0.0f, 30.0f)));
        EXPECT_TRUE(Vec3::Equals(rm->mPortalPosition, aim));
    } else {
        EXPECT_TRUE(Logged("Portal can not be opened."));
        EXPECT_EQ(rm->mPortalActive, 0);
        EXPECT_EQ(rm->mPortalTargetSystem, 7);
        EXPECT_TRUE(Vec3::Equals(rm->mArrivalPoint, Vec3(1.0f, 2.0f, 3.0f)));
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, PortalLaunchTest,
                         ::testing::Values(PortalCase{2, true, false}, PortalCase{1002, true, false},
                                           PortalCase{1, true, true}, PortalCase{101, true, true},
                                           PortalCase{1001, true, true}, PortalCase{1, false, false},
                                           PortalCase{1, true, false, "DELETE FROM system WHERE system_id = 2"},
                                           PortalCase{1, true, false, "UPDATE system SET y_dimension = 0 WHERE system_id = 2"}));

TEST_F(WeaponTest, OneChargeAtATimeAndOnlyForShips)
{
    pilot->mActiveChargeId = 100123;
    rm->mLaunchSound.soundId = 0;
    const size_t objects = rm->mObjects.size();
    rm->LaunchWeapon(kQuickCharge, pilot, &pilot->mPosition, &kAim);
    CTestActor* turret = Enemy(2001, Vec3(10.0f, 0.0f, 30.0f));
    rm->LaunchWeapon(kQuickCharge, turret, &turret->mPosition, &kAim);
    EXPECT_EQ(pilot->mActiveChargeId, 100123);
    EXPECT_EQ(rm->mObjects.size(), objects + 1);
    EXPECT_EQ(rm->mLaunchSound.soundId, 0);
    EXPECT_TRUE(FlightMessages().empty());
}

// Temporary ids run out after a thousand launches; no launch may then take a live object's place.
TEST_F(WeaponTest, ThousandsOfLaunchesLeaveEveryLiveObjectInPlace)
{
    CTestActor* first = Enemy(100999, Vec3(500.0f, 500.0f, 30.0f));
    CTestActor* last = Enemy(100001, Vec3(-500.0f, 500.0f, 30.0f));
    rm->LaunchWeapon(kWraithDrone, pilot, &pilot->mPosition, &kAim);
    std::map<int, CWorldObject*> before = rm->mObjects;
    for (int i = 0; i < 1200; ++i) {
        rm->LaunchWeapon(i % 2 ? kPlainBeam : kPlainBolt, pilot, &pilot->mPosition, &kAim);
        if (i % 300 == 299)
            rm->UpdateObjects();
    }
    for (auto& [id, object] : before) {
        ASSERT_EQ(rm->mObjects.count(id), 1u) << id;
        EXPECT_EQ(rm->mObjects[id], object) << id;
    }
    EXPECT_EQ(rm->mObjects[100999], first);
    EXPECT_EQ(rm->mObjects[100001], last);
    EXPECT_LE(rm->mObjects.size(), 1000u);
}

// Content may chain a weapon back to itself, here through another and twice over, or a bolt to
// itself at every end: each chain stops after eight links, and says so once on stderr.
TEST_F(WeaponTest, AChainThatLeadsBackToItselfStopsAfterEightLinks)
{
    Content(
        "INSERT INTO chain_weapon VALUES (90, 91);\nINSERT INTO chain_weapon VALUES (90, 90);\n"
        "INSERT INTO chain_weapon VALUES (91, 90);\nINSERT INTO chain_weapon VALUES (92, 92);\n");
    testing::internal::CaptureStderr();
    rm->LaunchWeapon(kPlainBeam, pilot, &pilot->mPosition, &kAim);
    rm->LaunchWeapon(kPlainBeam, pilot, &pilot->mPosition, &kAim);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Shots<CBeamShot>().size(), 18u) << "the launch and eight links, twice";
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

    rm->LaunchWeapon(kPlainBolt, pilot, &pilot->mPosition, &kAim);
    int frames = 0;
    while (!Shots<CProjectileShot>().empty() && frames < 3000) {
        rm->UpdateObjects();
        ++frames;
    }
    EXPECT_LT(frames, 3000) << "the bolts chain on";
}

TEST_F(WeaponTest, RestoreLiftsHarmfulAilmentsAndKeepsBonuses)
{
    auto ship = std::make_unique<CTestShip>(3001, 4.0f, 100, kIonDrive, kCompositePlating, kDeflectorScreen);
    ship->ApplyAilment(6, false);
    ship->ApplyAilment(5, true);
    ASSERT_NE(ship->GetAilment(kAilmentStunned), nullptr);
    ASSERT_NE(ship->GetAilment(kBonusDefense), nullptr);
    ship->mActive = 0;
    ship->mHitPoints = 3;
    ship->mShield->mPoints = 0;
    ship->mArmor->mPoints = 1;
    ship->mEngine->mEnergy = 2;
    EXPECT_EQ(ship->Restore(), ship.get());
    EXPECT_EQ(ship->mActive, 1);
    EXPECT_EQ(ship->mHitPoints, 100);
    EXPECT_EQ(ship->mShield->mPoints, ship->mShield->mMaxPoints);
    EXPECT_EQ(ship->mArmor->mPoints, ship->mArmor->mMaxPoints);
    EXPECT_EQ(ship->mEngine->mEnergy, ship->mEngine->mMaxEnergy);
    EXPECT_EQ(ship->GetAilment(kAilmentStunned), nullptr);
    EXPECT_NE(ship->GetAilment(kBonusDefense), nullptr);
}

}  // namespace
