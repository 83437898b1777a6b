// The player ship: the name bonus, levels, cargo, weapon selection and the lists, with the
// ownership of the shared weapon records, and the save round trip.
#include <array>
#include <climits>
#include <cstring>

#include "platform/os/message_queue.h"
#include "player_fixture.h"
#include "quests/quest.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"

namespace {

struct BonusCase {
    const char* name;
    int credits;
    // Navigation, engineering, science, tactical, communication.
    std::array<int, 5> skills;
};

class PlayerNameBonusTest : public PlayerShipTest, public ::testing::WithParamInterface<BonusCase> {};

TEST_P(PlayerNameBonusTest, OnlyTheExactNameGivesItsBonus)
{
    const CPlayerShip& ship = MakePilot(1, GetParam().name);
    EXPECT_EQ(ship.mCredits, GetParam().credits);
    const std::array<int, 5> skills{ship.mNavigation, ship.mEngineering, ship.mScience, ship.mTactical,
                                    ship.mCommunication};
    EXPECT_EQ(skills, GetParam().skills);
    EXPECT_EQ(ship.mHullRegenerationPeriod, 10000 - 250) << "the bonus comes after the repair period";
}

INSTANTIATE_TEST_SUITE_P(Names, PlayerNameBonusTest,
                         ::testing::Values(BonusCase{"Midas Vell", 10000, {1, 1, 1, 1, 1}},
                                           BonusCase{"midas vell", 500, {1, 1, 1, 1, 1}},
                                           BonusCase{"Sable Merrow", 500, {1, 1, 1, 1, 101}},
                                           BonusCase{"Nyx Halloran", 500, {26, 26, 26, 26, 26}}));

struct ExperienceCase {
    int level, gained, level_after, experience_after, lines;
};

class PlayerExperienceTest : public PlayerShipTest, public ::testing::WithParamInterface<ExperienceCase> {};

TEST_P(PlayerExperienceTest, GainsAreDividedByTheLevelAndEachLevelIsAnnounced)
{
    const ExperienceCase& c = GetParam();
    player->mLevel = c.level;
    player->mNextLevelExperience = CPlayerShip::ExperienceForLevel(c.level);
    player->AddExperience(c.gained);
    EXPECT_EQ(player->mLevel, c.level_after);
    EXPECT_EQ(player->mExperience, c.experience_after);
    EXPECT_EQ(player->mLevelUps, c.level_after - c.level);
    EXPECT_EQ(MessageCount("Our crew has become more experienced!"), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Gains, PlayerExperienceTest,
                         ::testing::Values(ExperienceCase{1, 20, 3, 3, 2}, ExperienceCase{4, 100, 5, 4, 1},
                                           ExperienceCase{1, 5, 1, 5, 0}));

TEST_F(PlayerShipTest, HighLevelThresholdsSaturateInsteadOfWrapping)
{
    EXPECT_EQ(CPlayerShip::ExperienceForLevel(1), 6);
    EXPECT_EQ(CPlayerShip::ExperienceForLevel(300), INT_MAX);
    player->mLevel = 300;
    player->mNextLevelExperience = CPlayerShip::ExperienceForLevel(300);
    player->AddExperience(INT_MAX);
    EXPECT_EQ(player->mLevel, 300) << "a negative threshold would level up forever";
}

TEST_F(PlayerShipTest, TheHoldTakesWhatItHasRoomFor)
{
    ASSERT_EQ(player->mCargoCapacity, 20);
    player->AddCompounds(3, 30);
    EXPECT_EQ(player->GetCompoundAmount(3), 20);
    EXPECT_EQ(MessageCount("20 tons of rare compounds retrieved"), 1);
    player->AddCompounds(1, 1);
    EXPECT_EQ(player->GetCompoundAmount(1), 0);
    EXPECT_EQ(MessageCount("Cargo bay is full"), 1);
    // A save edited by hand: tons past any int are still a full hold, not room.
    player->mCompounds[0] = player->mCompounds[1] = INT_MAX;
    player->AddCompounds(4, 5);
    EXPECT_EQ(player->GetCompoundAmount(4), 0);
    EXPECT_EQ(MessageCount("Cargo bay is full"), 2);
}

TEST_F(PlayerShipTest, SelectionWrapsAndAnUnknownDeviceChangesNothing)
{
    ASSERT_EQ(player->mWeaponCount, 2);
    ASSERT_EQ(player->SelectedWeapon(), Weapon(kPulseLaser));
    player->PreviousWeapon();
    EXPECT_EQ(player->mSelectedSlot, 1);
    EXPECT_EQ(player->SelectedWeapon(), Weapon(kPlasmaBolt));
    EXPECT_EQ(player->mFireTimer, Weapon(kPlasmaBolt)->mDelay) << "a newly selected weapon fires at once";
    player->NextWeapon();
    EXPECT_EQ(player->mSelectedSlot, 0);
    player->SelectWeapon(9999);
    EXPECT_EQ(player->SelectedWeapon(), Weapon(kPulseLaser));
    player->SelectWeapon(kPlasmaBolt);
    EXPECT_EQ(player->mSelectedSlot, 1);
    player->SelectWeaponSlot(7);
    EXPECT_EQ(player->mSelectedSlot, 1) << "clamped to the last filled slot";
}

TEST_F(PlayerShipTest, EquippingNeedsFewerThanNineWeaponsAndAMetCriterion)
{
    ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(kPulseLaser)));
    while (player->mWeaponCount < 9)
        ASSERT_TRUE(player->AddWeapon(Weapon(kPlasmaBolt)));
    EXPECT_FALSE(player->EquipCarriedDevice(0));
    player->RemoveWeapon(8);
    EXPECT_TRUE(player->EquipCarriedDevice(0));
    EXPECT_EQ(player->mWeaponCount, 9);
    EXPECT_EQ(player->mCarriedCount, 0);

    ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(kOverdrive)));
    player->RemoveWeapon(0);
    EXPECT_FALSE(player->EquipCarriedDevice(0)) << "a level-1 pilot does not meet its criterion";
}

TEST_F(PlayerShipTest, WithoutWeaponsEveryWeaponKeySelectsNothing)
{
    // The store sells the only weapon left.
    player->RemoveWeapon(0);
    player->RemoveWeapon(0);
    ASSERT_EQ(player->mWeaponCount, 0);
    for (int slot = 0; slot < kPlayerListSize; ++slot)
        player->SelectWeaponSlot(slot);
    player->NextWeapon();
    player->PreviousWeapon();
    player->SelectWeapon(kPulseLaser);
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(player->SelectedWeapon(), nullptr);
    EXPECT_EQ(player->mSelectedWeapon, nullptr);
    EXPECT_EQ(player->mSelectedSlot, 0);
    char text[64];
    player->FormatWeaponDamage(text);
    EXPECT_STREQ(text, "0");
    EXPECT_EQ(player->FormatWeaponLabel(text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(PlayerShipTest, AStartingWeaponUnequippedSoldAndJettisonedLeavesTheSharedRecordWhole)
{
    CWeaponInfo* laser = Weapon(kPulseLaser);
    CWeaponInfo* bolt = Weapon(kPlasmaBolt);
    player->UnequipToCargo(1);
    ASSERT_EQ(player->mCarriedCount, 1);
    EXPECT_EQ(player->SelectedWeapon(), laser);
    player->RemoveCarriedDevice(0);  // sold
    player->AddWeapon(bolt);
    player->SelectWeaponSlot(1);
    player->UnequipToCargo(1);
    player->RemoveCarriedDevice(0);  // jettisoned
    EXPECT_EQ(player->SelectedWeapon(), laser) << "the selection leaves the emptied slot";
    for (int frame = 0; frame < 1000; ++frame) {
        player->Thrust();
        player->FireWeapon(&gZeroVector);
        player->Update();
        rm->UpdateObjects();
    }
    EXPECT_EQ(Weapon(kPlasmaBolt), bolt);
    EXPECT_STREQ(bolt->mName, "Plasma Bolt");
    EXPECT_TRUE(player->AddWeapon(bolt));
}

TEST_F(PlayerShipTest, EquippingOverAnInstalledDeviceSwapsTheTwo)
{
    CShield* installed = player->mShield;
    ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(kPulseLaser)));
    ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(kDeflectorScreen)));
    ASSERT_TRUE(player->EquipCarriedDevice(1));
    EXPECT_EQ(player->mCarriedCount, 2);
    EXPECT_EQ(player->mCarried[1], installed);
    EXPECT_NE(player->mShield, installed);
    EXPECT_EQ(player->mShield->mOwner, player);
    while (player->mCarriedCount < 9)
        ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(kDeflectorScreen)));
    player->UnequipArmor();
    EXPECT_NE(player->mArmor, nullptr) << "nine carried devices leave no room";
}

TEST_F(PlayerShipTest, ADeviceFromSpaceIsTakenOnlyWhileAPlaceIsFree)
{
    EXPECT_FALSE(player->TakeDevice(0)) << "a device that cannot be built took a place";
    EXPECT_EQ(player->mCarriedCount, 0);
    while (player->mCarriedCount < kPlayerListSize)
        ASSERT_TRUE(player->TakeDevice(kDeflectorScreen));
    EXPECT_FALSE(player->TakeDevice(kPulseLaser));
    EXPECT_EQ(player->mCarriedCount, kPlayerListSize);
}

class PlayerHullTest : public PlayerShipTest, public ::testing::WithParamInterface<int> {};

TEST_P(PlayerHullTest, ANewPilotFliesAndCanRefitEveryStartingDevice)
{
    CPlayerShip& ship = MakePilot(GetParam(), "Refit");
    ASSERT_NE(ship.mEngine, nullptr);
    EXPECT_GT(ship.mEngine->mFuel, 0);
    ASSERT_NE(ship.mShield, nullptr);
    ASSERT_NE(ship.mArmor, nullptr);
    ASSERT_GE(ship.mWeaponCount, 1);
    const int weapons = ship.mWeaponCount;
    ship.UnequipToCargo(weapons - 1);
    ship.UnequipShield();
    ship.UnequipArmor();
    ship.UnequipEngine();
    ASSERT_EQ(ship.mCarriedCount, 4);
    while (ship.mCarriedCount > 0)
        ASSERT_TRUE(ship.EquipCarriedDevice(0)) << ship.mCarried[0]->mName;
    EXPECT_EQ(ship.mWeaponCount, weapons);
    EXPECT_TRUE(ship.mShield && ship.mArmor && ship.mEngine);
    EXPECT_EQ(ship.mEngine->mOwner, &ship);
}

INSTANTIATE_TEST_SUITE_P(ShippedHulls, PlayerHullTest, ::testing::Values(1, 2, 4));

TEST_F(PlayerShipTest, ASavedPilotLoadsWithWhatItOwns)
{
    CPlayerShip& saved = *player;
    saved.mCredits = 4321;
    saved.mLevel = 3;
    saved.mLevelUps = 2;
    saved.mExperience = 4;
    saved.mCommunication = 7;
    saved.mEngineering = 8;
    saved.mNavigation = 9;
    saved.mScience = 10;
    saved.mTactical = 6;
    saved.mAffiliate = kAlignmentEvil;
    for (int compoundClass = 1; compoundClass <= 5; ++compoundClass)
        saved.mCompounds[compoundClass - 1] = compoundClass + 20;
    saved.mHomeSystemId = 2;
    saved.mVisitedSystems = {1, 2, 1002};
    saved.mCompletedQuests[7] = new CQuest(7);
    saved.mEngine->mFuel = 321;
    saved.SelectWeaponSlot(1);
    saved.FireWeapon(&gZeroVector);
    saved.UnequipArmor();
    saved.AddCarriedDevice(gGameDatabase.CreateDevice(kShadowVeil));
    saved.mHomeX = 12.0f;
    saved.mHomeY = -8.0f;
    saved.Save();

    CPlayerShip loaded(saved.mPlayerId);
    gGameDatabase.LoadVisitedSystems(saved.mPlayerId, loaded.mVisitedSystems);
    EXPECT_EQ(loaded.mPlayerId, saved.mPlayerId);
    EXPECT_STREQ(loaded.mPilotName, "Test Pilot");
    EXPECT_EQ(loaded.mShipId, saved.mShipId);
    EXPECT_EQ(loaded.mAffiliate, kAlignmentEvil);
    EXPECT_EQ(loaded.mHomeSystemId, 2);
    EXPECT_EQ(loaded.mSystemId, 2);
    EXPECT_EQ(loaded.mCredits, 4321);
    EXPECT_EQ(loaded.mLevel, 3);
    EXPECT_EQ(loaded.mLevelUps, 2);
    EXPECT_EQ(loaded.mExperience, 4);
    EXPECT_EQ(loaded.mCommunication, 7);
    EXPECT_EQ(loaded.mEngineering, 8);
    EXPECT_EQ(loaded.mNavigation, 9);
    EXPECT_EQ(loaded.mScience, 10);
    EXPECT_EQ(loaded.mTactical, 6);
    for (int compoundClass = 1; compoundClass <= 5; ++compoundClass)
        EXPECT_EQ(loaded.GetCompoundAmount(compoundClass), compoundClass + 20) << compoundClass;
    EXPECT_EQ(loaded.mVisitedSystems, saved.mVisitedSystems);
    ASSERT_EQ(loaded.mCompletedQuests.size(), 1u);
    EXPECT_EQ(loaded.mCompletedQuests.begin()->first, 7);
    EXPECT_EQ(loaded.mCompletedQuests.begin()->second->mState, kQuestComplete);
    ASSERT_NE(loaded.mEngine, nullptr);
    EXPECT_EQ(loaded.mEngine->mDeviceId, saved.mEngine->mDeviceId);
    EXPECT_EQ(loaded.mEngine->mFuel, 321);
    ASSERT_NE(loaded.mShield, nullptr);
    EXPECT_EQ(loaded.mShield->mDeviceId, saved.mShield->mDeviceId);
    EXPECT_EQ(loaded.mArmor, nullptr);
    ASSERT_EQ(loaded.mWeaponCount, 2);
    EXPECT_EQ(loaded.mWeapons[1], Weapon(kPlasmaBolt));
    EXPECT_EQ(loaded.GetAmmo(kPlasmaBolt), saved.GetAmmo(kPlasmaBolt));
    ASSERT_EQ(loaded.mCarriedCount, 2);
    EXPECT_EQ(loaded.mCarried[0]->mDeviceId, kCompositePlating);
    EXPECT_EQ(loaded.mCarried[1]->mDeviceId, kShadowVeil);
    EXPECT_EQ(loaded.mHomeX, 12.0f);
    EXPECT_EQ(loaded.mHomeY, -8.0f);
    EXPECT_EQ(loaded.mPosition.y, -8.0f);
}

TEST_F(PlayerShipTest, LoadingLevelsUpQuietly)
{
    PlayerSaveData pilot;
    pilot.player_id = player->mPlayerId;
    pilot.ship_id = 1;
    pilot.system_id = 1;
    pilot.level = 1;
    pilot.experience = 20;
    pilot.character_name = "Returning";
    pilot.weapons[0] = PlayerSaveSlot{kPlasmaBolt, 3};
    gGameDatabase.SavePlayer(pilot);

    CPlayerShip loaded(pilot.player_id);
    EXPECT_EQ(loaded.mLevel, 3);
    EXPECT_EQ(loaded.mExperience, 3);
    EXPECT_TRUE(FlightMessages().empty());
    ASSERT_EQ(loaded.mWeaponCount, 1);
    EXPECT_EQ(loaded.SelectedWeapon(), Weapon(kPlasmaBolt));
    EXPECT_EQ(loaded.GetAmmo(kPlasmaBolt), 3);
    EXPECT_FALSE(os::QuitPosted());
}

}  // namespace
