// The station's prices on the player ship: the repair cost of each kind of damage, the compound
// sale by the communication skill, and what a docking sets.
#include <climits>
#include <cmath>
#include <limits>

#include "platform/os/message_queue.h"
#include "player_fixture.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"

namespace {

struct RepairCase {
    const char* name;
    int hullMissing;
    int shieldMissing;
    int armorMissing;
    int harmfulAilment;  // an ailment id, 0 = none
    int cost;
};

const RepairCase kRepairs[] = {
    {"Undamaged", 0, 0, 0, 0, 0},
    {"ThreeHullPoints", 3, 0, 0, 0, 1},
    {"HundredHullPoints", 100, 0, 0, 0, 50},
    {"ShieldByThirds", 0, 7, 0, 0, 2},
    {"ArmorTwice", 0, 0, 4, 0, 8},
    {"OneHarmfulAilment", 0, 0, 0, 11, 10},
    {"EverythingAtOnce", 10, 9, 1, 7, 5 + 3 + 2 + 10},
    {"ArmorBeyondAnyCredits", 0, 0, 2000000000, 0, INT_MAX},
};

class RepairCostTest : public PlayerShipTest, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(RepairCostTest, AddsTheDamageOfEachPartAndTenForEachHarmfulAilment)
{
    const RepairCase& c = GetParam();
    player->mHitPoints -= c.hullMissing;
    player->mShield->mPoints -= c.shieldMissing;
    player->mArmor->mPoints -= c.armorMissing;
    if (c.harmfulAilment)
        player->ApplyAilment(c.harmfulAilment, false);
    EXPECT_EQ(player->GetRepairCost(), c.cost);
}

INSTANTIATE_TEST_SUITE_P(Cases, RepairCostTest, ::testing::ValuesIn(kRepairs),
                         [](const auto& info) { return std::string(info.param.name); });

struct SaleCase {
    const char* name;
    int communication;
    int tons[5];
    int value;
};

const SaleCase kSales[] = {
    {"TenCommonAtNoSkill", 0, {10, 0, 0, 0, 0}, 25},
    {"TenCommonCappedAtThirty", 30, {10, 0, 0, 0, 0}, 30},
    {"EveryClassAtTen", 10, {1, 1, 1, 1, 0}, static_cast<int>(1.35f * 127.0f)},
    {"UndiscoveredIsNotValued", 50, {0, 0, 0, 0, 20}, 0},
    {"AHugeHoldSellsForTheMostCredits", 0, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0}, INT_MAX},
};

class CompoundSaleTest : public PlayerShipTest, public ::testing::WithParamInterface<SaleCase> {};

TEST_P(CompoundSaleTest, ValuesTheHoldAtTheSellFactorAndKeepsTheUndiscovered)
{
    const SaleCase& c = GetParam();
    player->mCommunication = c.communication;
    for (int i = 0; i < kCompoundClassCount; ++i)
        player->mCompounds[i] = c.tons[i];
    EXPECT_EQ(player->GetCompoundSaleValue(), c.value);
    int classes = 0;
    for (int compoundClass = 1; compoundClass <= 4; ++compoundClass)
        classes += player->GetCompoundClassSale(compoundClass) > 0 ? 1 : 0;
    player->ClearSellableCompounds();
    EXPECT_EQ(player->GetCompoundSaleValue(), 0);
    EXPECT_EQ(player->mCompounds[4], c.tons[4]);
    EXPECT_EQ(classes > 0, c.value > 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompoundSaleTest, ::testing::ValuesIn(kSales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayerShipTest, DockingSetsTheSavePointAndFillsTheEnergyWhichTheSaveKeeps)
{
    player->mEngine->mEnergy = 3;
    player->DockAt(Vec3(170.0f, 140.0f, 30.0f), 4);
    EXPECT_EQ(player->mEngine->mEnergy, player->mEngine->mMaxEnergy);
    player->Save();
    CPlayerShip loaded(player->mPlayerId);
    EXPECT_FLOAT_EQ(loaded.mHomeX, 170.0f);
    EXPECT_FLOAT_EQ(loaded.mHomeY, 140.0f);
    EXPECT_EQ(loaded.mSystemId, 4);

    // A station off every map is no point to write: the new pilot's point is saved instead.
    player->DockAt(Vec3(std::numeric_limits<float>::infinity(), 140.0f, 30.0f), 4);
    testing::internal::CaptureStderr();
    player->Save();
    testing::internal::GetCapturedStderr();
    ASSERT_FALSE(os::QuitPosted());
    EXPECT_TRUE(std::isfinite(gGameDatabase.GetPlayer(player->mPlayerId)->x_pos));
}

}  // namespace
