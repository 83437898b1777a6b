// The whole game as one road, played through input records alone on the shipped content: a pilot
// made through the menus flies the first job and every mission after it, mines, trades and refits
// at the station, buys a larger hull, fights raiders and a warlord, crosses a nebula, opens the
// warlord's fold gate to the hidden system and comes back, reads the map and the log, is lost in
// a vortex and respawns, quits, continues and loads, hosts a network game with a second copy of
// the game, and is retired at last. Each step prints as it starts; a failure names its step.
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "missions_road_fixture.h"
#include "net_road_steps.h"
#include "screens/crew_screen.h"
#include "screens/galaxy_map_screen.h"
#include "screens/mission_board_screen.h"
#include "screens/store_screen.h"
#include "screens/upgrade_screen.h"
#include "ships/engine.h"
#include "ships/weapon_records.h"
#include "world/device_object.h"

namespace {

using namespace missions;

constexpr int kFirstLight = 1;
constexpr int kOreForTheForges = 2;
constexpr int kOreField = 1006;
constexpr int kFoldGate = 21;
constexpr int kPlasmaBolt = 11;
constexpr int kLustalla = 2;
constexpr int kBlockadeToUmbral = 11005;
constexpr int kAshVeil = 3016;
constexpr int kMaelstrom = 3007;
constexpr int kVerdanceToUmbral = 4002;
constexpr int kUmbralToVarn = 5002;
constexpr int kGuardedExchange = 11001;
constexpr int kUmbralRefuge = 5008;
constexpr int kGuardedEastWormhole = 11004;
// Where the way back from the hidden system stands open.
const Vec3 kWayBack(-125.0f, 0.0f, 30.0f);

class WholeRoadTest : public MissionsRoadTest {
protected:
    // The id of the floating device the last fight left behind, 0 without one.
    static int FloatingDevice(int deviceId)
    {
        for (const auto& [id, object] : gResourceManager->mObjects) {
            const auto* device = dynamic_cast<const CDeviceObject*>(object);
            if (device && device->mActive && device->mDeviceId == deviceId)
                return id;
        }
        return 0;
    }
    static int CarriedSlotOf(int deviceId)
    {
        for (int i = 0; i < gPlayerShip->mCarriedCount; ++i) {
            if (gPlayerShip->mCarried[i]->mDeviceId == deviceId)
                return i;
        }
        return -1;
    }
    static int WeaponSlotOf(int deviceId)
    {
        for (int i = 0; i < gPlayerShip->mWeaponCount; ++i) {
            if (gPlayerShip->mWeapons[i]->mDeviceId == deviceId)
                return i;
        }
        return -1;
    }

    net_road::CNetRoad net{road};
};

TEST_F(WholeRoadTest, APilotPlaysTheWholeGameFromTheMenusToANetworkGameAndRetirement)
{
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    CPlayerShip* ship = gPlayerShip;
    CloseTheOrders();
    ASSERT_FALSE(HasFailure());

    road.Step("mine the ore field: the forge job is offered, filled and paid");
    ASSERT_TRUE(FlyToward(kOreField, 6000, [] { return !gResourceManager->FindObject(kOreField)->mActive; }))
        << road.CurrentStep();
    ASSERT_EQ(ship->mActiveQuests.count(kOreForTheForges), 1u) << road.CurrentStep();
    ASSERT_TRUE(FramesUntil(60, [] {
        return Text(gFlightScreen, CFlightScreen::kFirstHailText) == "Forge hauler here, for the forge master.";
    })) << road.CurrentStep();
    road.MoveTo(400, 120);
    road.Click(2);
    ASSERT_TRUE(FramesUntil(40, [] { return Logged("The forges of Varn burn bright again."); })) << road.CurrentStep();

    road.Step("dock at the Exchange: sell the rest of the ore, repair and refuel");
    ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
    int credits = ship->mCredits;
    const int sale = ship->GetCompoundSaleValue();
    ClickStationButton(CStationScreen::kSellButton);
    EXPECT_EQ(ship->mCredits, credits + sale) << road.CurrentStep();
    EXPECT_EQ(ship->CargoTons(), 0) << road.CurrentStep();
    if (ship->mHitPoints < ship->mMaxHitPoints)
        ClickStationButton(CStationScreen::kRepairButton);
    EXPECT_EQ(ship->mHitPoints, ship->mMaxHitPoints) << road.CurrentStep();
    ClickStationButton(CStationScreen::kRefuelButton);
    EXPECT_EQ(ship->mEngine->mFuel, ship->mEngine->mMaxFuel) << road.CurrentStep();

    road.Step("at the outfitter, buy a weapon onto the free slot and refill the ammunition fired");
    ClickStationButton(CStationScreen::kStoreButton);
    ASSERT_EQ(gCurrentScreen, gStoreScreen) << road.CurrentStep();
    road.Frames(2);
    const int offer = AffordableWeaponOffer(*ship);
    ASSERT_GE(offer, 0) << road.CurrentStep() << ": no weapon the credits pay for";
    const int weapons = ship->mWeaponCount;
    const int boughtId = gStoreScreen->Offers(CStoreScreen::kWeaponOffers)[offer]->mDeviceId;
    DragOnto(gStoreScreen, CStoreScreen::kOfferPlaces[CStoreScreen::kWeaponOffers].firstDrag + offer,
             CStoreScreen::kFirstWeaponSnap + weapons);
    ASSERT_EQ(ship->mWeaponCount, weapons + 1) << road.CurrentStep();
    EXPECT_EQ(ship->mWeapons[weapons]->mDeviceId, boughtId) << road.CurrentStep();
    ASSERT_FALSE(gStoreScreen->Refills().empty()) << road.CurrentStep();
    const CWeaponInfo* fired = gStoreScreen->Refills()[0];
    ClickControl(gStoreScreen, CStoreScreen::kFirstRefillButton);
    EXPECT_EQ(ship->GetAmmo(fired->mDeviceId), fired->mMaxAmmo) << road.CurrentStep();
    ClickControl(gStoreScreen, CStoreScreen::kBackButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();

    road.Step("back to the station, launch and break the blockade");
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    JumpAndFightTheWarlord();
    ASSERT_FALSE(HasFailure());

    road.Step("fly over the warlord's wreck and take his fold gate");
    const int gate = FloatingDevice(kFoldGate);
    ASSERT_NE(gate, 0) << road.CurrentStep() << ": the warlord left no fold gate";
    ASSERT_TRUE(FlyToward(gate, 2000, [] { return Logged("Fold Gate acquired"); })) << road.CurrentStep();
    ASSERT_GE(CarriedSlotOf(kFoldGate), 0) << road.CurrentStep();

    road.Step("fly through the Ash Veil, which drains the energy");
    const int energy = ship->mEngine->mEnergy;
    ASSERT_TRUE(FlyToward(kAshVeil, 6000, [&] { return ship->mEngine->mEnergy < energy - 20; })) << road.CurrentStep();

    road.Step("jump on to Verdance and escort the seed barge");
    ASSERT_TRUE(JumpThrough(kCinderToVerdance, kVerdance)) << road.CurrentStep();
    FlySeedsOfTheBloom();
    ASSERT_FALSE(HasFailure());

    road.Step("jump on to Umbral");
    ASSERT_TRUE(JumpThrough(kVerdanceToUmbral, kUmbral)) << road.CurrentStep();
    road.Step("dock at the Umbral Refuge, launch, and pick up the beacon Traffic Control named");
    ASSERT_TRUE(DockAt(kUmbralRefuge)) << road.CurrentStep();
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    ASSERT_TRUE(FlyToward(missions::kDriftingBeacon, 4000, [&] { return ship->mActiveQuests.count(kLens) != 0; }))
        << road.CurrentStep();
    RecoverTheLens();
    ASSERT_FALSE(HasFailure());

    // The laser's chained ring spreads from below the plane and barely reaches a raider on the
    // move; the bolts do the work.
    road.Step("pick the plasma bolts, jump home to Varn, guarded now, and stand picket duty");
    ASSERT_GE(WeaponSlotOf(kPlasmaBolt), 0) << road.CurrentStep();
    road.Tap(kKeyF1 + WeaponSlotOf(kPlasmaBolt));
    ASSERT_EQ(ship->SelectedWeapon()->mDeviceId, kPlasmaBolt) << road.CurrentStep();
    ASSERT_TRUE(JumpThrough(kUmbralToVarn, kGuardedVarn)) << road.CurrentStep();
    FlyPicketDuty();
    ASSERT_FALSE(HasFailure());

    road.Step("dock at the Exchange and open the ship-and-crew page");
    ASSERT_TRUE(DockAt(kGuardedExchange)) << road.CurrentStep();
    // The save point lies beside the station the pilot docked at.
    const Vec3 dockedAt = gResourceManager->FindObject(kGuardedExchange)->mPosition;
    ClickStationButton(CStationScreen::kCrewButton);
    ASSERT_EQ(gCurrentScreen, gShipStatusScreen) << road.CurrentStep();
    road.Frames(1);

    road.Step("spend a point on tactics, then drag the fold gate from the hold onto a weapon slot");
    ASSERT_GE(ship->mLevelUps, 1) << road.CurrentStep();
    const int tactical = ship->mTactical;
    ClickControl(gShipStatusScreen, CShipStatusScreen::kTacticalButton);
    EXPECT_EQ(ship->mTactical, tactical + 1) << road.CurrentStep();
    const int fitted = ship->mWeaponCount;
    DragOnto(gShipStatusScreen, CShipStatusScreen::kFirstCargoDrag + CarriedSlotOf(kFoldGate),
             CShipStatusScreen::kFirstWeaponSnap + fitted);
    ASSERT_EQ(WeaponSlotOf(kFoldGate), fitted) << road.CurrentStep() << ": the fold gate was not fitted";
    ClickControl(gShipStatusScreen, CShipStatusScreen::kBackButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();

    road.Step("load the fold gate at the outfitter");
    ClickStationButton(CStationScreen::kStoreButton);
    ASSERT_EQ(gCurrentScreen, gStoreScreen) << road.CurrentStep();
    road.Frames(2);
    int refill = -1;
    for (int i = 0; i < static_cast<int>(gStoreScreen->Refills().size()); ++i) {
        if (gStoreScreen->Refills()[i]->mDeviceId == kFoldGate)
            refill = i;
    }
    ASSERT_GE(refill, 0) << road.CurrentStep();
    ClickControl(gStoreScreen, CStoreScreen::kFirstRefillButton + refill);
    EXPECT_GT(ship->GetAmmo(kFoldGate), 0) << road.CurrentStep();
    ClickControl(gStoreScreen, CStoreScreen::kBackButton);

    road.Step("at the shipyard, step through the larger hulls to one the credits pay for, and buy it");
    ClickStationButton(CStationScreen::kUpgradeButton);
    ASSERT_EQ(gCurrentScreen, gShipUpgradeScreen) << road.CurrentStep();
    road.Frames(1);
    const int firstHull = ship->mShipId;
    credits = ship->mCredits;
    const auto shownPrice = [] {
        return std::atoi(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kPriceText)->text);
    };
    for (int hull = 0; hull < 8 && shownPrice() > credits; ++hull)
        ClickControl(gShipUpgradeScreen, CShipUpgradeScreen::kNextButton);
    const int price = shownPrice();
    ASSERT_LE(price, credits) << road.CurrentStep() << ": no larger hull the credits pay for";
    ClickControl(gShipUpgradeScreen, CShipUpgradeScreen::kBuyButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
    EXPECT_NE(ship->mShipId, firstHull) << road.CurrentStep();
    EXPECT_EQ(ship->mCredits, credits - price) << road.CurrentStep();

    road.Step("launch, pick the fold gate with its F-key and open a portal ahead");
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    road.HoldKey(kKeyW, 40, SteerFromKeys);
    road.Tap(kKeyF1 + WeaponSlotOf(kFoldGate));
    const float heading = ship->mRotation.z;
    const Vec3 ahead = Vec3::Sum(ship->mPosition, Vec3(-std::sin(heading) * 30.0f, std::cos(heading) * 30.0f, 0.0f));
    AimAt(ahead);
    const int charges = ship->GetAmmo(kFoldGate);
    road.Click(0);
    ASSERT_TRUE(Logged("Opening Portal to Lustalla")) << road.CurrentStep();
    EXPECT_EQ(ship->GetAmmo(kFoldGate), charges - 1) << road.CurrentStep();
    const Vec3 portal = gResourceManager->mPortalPosition;
    EXPECT_LT(Vec3Length(Vec3::Difference(portal, ahead)), 3.0f)
        << road.CurrentStep() << ": the portal opened off the aim";

    road.Step("fly into the portal to the hidden system");
    ASSERT_TRUE(FlyTowardPoint(
        [](Vec3* at) {
            *at = gResourceManager->mPortalPosition;
            return true;
        },
        2000, [] { return gResourceManager->mCurrentSystemId == kLustalla; }))
        << road.CurrentStep();
    EXPECT_TRUE(gResourceManager->mPortalActive) << road.CurrentStep() << ": no way back stands open";

    road.Step("fly through the way back, home to Varn");
    ASSERT_TRUE(FlyTowardPoint(
        [](Vec3* at) {
            *at = kWayBack;
            return true;
        },
        2000, [] { return gResourceManager->mCurrentSystemId == kGuardedVarn; }))
        << road.CurrentStep();
    EXPECT_LT(Vec3Length(Vec3::Difference(ship->mPosition, portal)), 25.0f)
        << road.CurrentStep() << ": not back where the portal opened";

    road.Step("M opens the galaxy map, M closes it");
    road.Tap(kKeyM);
    ASSERT_EQ(gCurrentScreen, gGalaxyMapScreen) << road.CurrentStep();
    road.Frames(2);
    road.Tap(kKeyM);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

    road.Step("the mission log shows every mission done");
    // The first job, the blockade and the picket are one chain, listed under its newest name.
    for (const auto& [name, lastLine] : {std::pair<std::string, std::string>{"Picket Duty", "The raiders break off."},
                                         {"Ore for the Forges", "The forge master takes the ore."},
                                         {"Seeds of the Bloom", "The seeds are unloaded and planted."},
                                         {"The Umbral Lens", "The observers take the lens."}})
        EXPECT_TRUE(LogShowsFinished(name, lastLine)) << road.CurrentStep() << ": " << name;

    road.Step("fly through the east wormhole and into the Maelstrom, which destroys the ship");
    ASSERT_TRUE(JumpThrough(kGuardedEastWormhole, kCinder)) << road.CurrentStep();
    ASSERT_TRUE(FlyToward(kMaelstrom, 6000, [] { return !gPlayerShip->mActive; })) << road.CurrentStep();
    road.Frames(30);

    road.Step("respawn beside the Exchange, where the pilot last docked");
    RespawnBeside(dockedAt);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(gResourceManager->mCurrentSystemId, kGuardedVarn) << road.CurrentStep();
    const std::string name = ship->mPilotName;
    const int playerId = ship->mPlayerId;

    road.Step("quit, start again and continue: the same pilot with every mission done");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(gPlayerShip->mPlayerId, playerId) << road.CurrentStep();
    for (int quest = kFirstLight; quest <= kPicketDuty; ++quest)
        EXPECT_TRUE(gPlayerShip->FindQuest(quest)) << road.CurrentStep() << ": mission " << quest;
    EXPECT_GE(WeaponSlotOf(kFoldGate), 0) << road.CurrentStep();

    road.Step("quit, start again and load the pilot from the list");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    LoadTheFirstPilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_STREQ(gPlayerShip->mPilotName, name.c_str()) << road.CurrentStep();

    road.Step("once the gate is ready, open a portal on the ship itself, which takes it through");
    road.Frames(70);
    road.Tap(kKeyF1 + WeaponSlotOf(kFoldGate));
    AimAt(gPlayerShip->mPosition);
    road.Click(0);
    ASSERT_TRUE(FramesUntil(100, [] { return gResourceManager->mCurrentSystemId == kLustalla; })) << road.CurrentStep();
    road.Step("Main Menu and Continue: home again, where no portal stands");
    road.Tap(kKeyEscape);
    road.ClickAt(400, 456);
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_FALSE(gResourceManager->mPortalActive) << road.CurrentStep();

    road.Step("Esc, Main Menu and Network: host a game that a second copy joins");
    FlyToTheNetworkScreen();
    ASSERT_FALSE(HasFailure());
    // This pilot flies in Varn after the blockade, the guest in Varn as it was: they meet there.
    net.HostAGuest([this] { net.GoApartThenMeet(false, [this] { return JumpThrough(kBlockadeToUmbral, kUmbral); }); });
    ASSERT_FALSE(HasFailure());

    road.Step("quit, start again and retire the pilot");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    RetireTheOnlyPilot();
}

}  // namespace
