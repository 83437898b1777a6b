// Weapon records, their cache and the weapon label.
#include <cstring>

#include "weapon_fixture.h"

namespace {

struct ShippedWeapon {
    int deviceId;
    int weaponType;
    const char* name;
};

class ShippedWeaponTest : public WeaponTest, public ::testing::WithParamInterface<ShippedWeapon> {};

// Every shipped weapon's record is of its type's class, carries its device head and is built once.
TEST_P(ShippedWeaponTest, RecordIsOfItsTypeAndCachedOnce)
{
    const ShippedWeapon& weapon = GetParam();
    EXPECT_EQ(rm->GetWeaponType(weapon.deviceId), weapon.weaponType);
    CWeaponInfo* record = rm->GetDeviceWeaponInfo(weapon.deviceId);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->mWeaponType, weapon.weaponType);
    EXPECT_EQ(record->mDeviceType, kDeviceWeapon);
    EXPECT_EQ(record->mDeviceId, weapon.deviceId);
    EXPECT_STREQ(record->mName, weapon.name);
    EXPECT_EQ(rm->GetWeaponInfo(weapon.deviceId, weapon.weaponType), record);
    // The cache answers by device id, whatever type is asked.
    EXPECT_EQ(rm->GetWeaponInfo(weapon.deviceId, kWeaponHealth), record);
}

INSTANTIATE_TEST_SUITE_P(Weapons, ShippedWeaponTest,
                         ::testing::Values(ShippedWeapon{10, kWeaponBeam, "Pulse Laser"},
                                           ShippedWeapon{11, kWeaponProjectile, "Plasma Bolt"},
                                           ShippedWeapon{13, kWeaponShockwave, "Nova Burst"},
                                           ShippedWeapon{15, kWeaponCloak, "Shadow Veil"},
                                           ShippedWeapon{16, kWeaponCharge, "Shield Converter"},
                                           ShippedWeapon{19, kWeaponMine, "Proximity Mine"},
                                           ShippedWeapon{20, kWeaponPhantom, "Wraith Drone"},
                                           ShippedWeapon{21, kWeaponPortal, "Fold Gate"},
                                           ShippedWeapon{22, kWeaponHealth, "Repair Nanites"}));

TEST_F(WeaponTest, RowValuesBecomeRecordFields)
{
    auto* charge = dynamic_cast<CChargeWeapon*>(rm->GetDeviceWeaponInfo(kQuickCharge));
    ASSERT_NE(charge, nullptr);
    EXPECT_EQ(charge->mPeriod, 100);
    EXPECT_EQ(charge->mDelay, 500);
    auto* repair = dynamic_cast<CHealthWeapon*>(rm->GetDeviceWeaponInfo(kQuarterRepair));
    ASSERT_NE(repair, nullptr);
    EXPECT_FLOAT_EQ(repair->mHealFraction, 0.25f);
    EXPECT_EQ(repair->mLaunchSoundId, 13);
    CWeaponInfo* spread = rm->GetDeviceWeaponInfo(kSpreadBeam);
    ASSERT_NE(spread, nullptr);
    EXPECT_EQ(spread->mPrecision, 3);
    auto* bolt = dynamic_cast<CProjectileWeapon*>(rm->GetDeviceWeaponInfo(kScatterCannon));
    ASSERT_NE(bolt, nullptr);
    EXPECT_EQ(bolt->mChainWeapons, std::vector<int>{kSporeBurst});
    // The fields the rows leave open have values of their own.
    EXPECT_GT(rm->GetDeviceWeaponInfo(kFoldGate)->mDelay, 0);
    EXPECT_EQ(rm->GetDeviceWeaponInfo(kWraithDrone)->mDeviceMod, kDamageOrganic);
}

TEST_F(WeaponTest, NonWeaponsAndUnknownTypesCacheNothing)
{
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rm->GetWeaponType(kIonDrive), 0);
        EXPECT_EQ(rm->GetWeaponType(9999), 0);
    }
    EXPECT_EQ(rm->mWeaponTypes.count(kIonDrive), 0u);
    EXPECT_EQ(rm->GetDeviceWeaponInfo(kIonDrive), nullptr);
    EXPECT_EQ(rm->GetWeaponInfo(kPulseLaser, 10), nullptr);
    // Asked as a beam, a device without a beam_weapon row has a record that failed: never handed out.
    testing::internal::CaptureStderr();
    EXPECT_EQ(rm->GetWeaponInfo(kIonDrive, kWeaponBeam), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("has no beam_weapon row"), std::string::npos);
    EXPECT_EQ(rm->mWeaponRecords.count(kIonDrive) + rm->mWeaponRecords.count(kPulseLaser), 0u);
}

TEST_F(WeaponTest, LabelShowsAmmoOnlyForWeaponsThatCountIt)
{
    char label[64];
    const CWeaponInfo* bolt = rm->GetDeviceWeaponInfo(kPlasmaBolt);
    const CWeaponInfo* laser = rm->GetDeviceWeaponInfo(kPulseLaser);
    ASSERT_TRUE(bolt && laser);
    EXPECT_EQ(FormatWeaponLabel(label, sizeof label, *bolt, 40), 27);
    EXPECT_STREQ(label, "Weapon: Plasma Bolt (40/40)");
    EXPECT_EQ(FormatWeaponLabel(label, sizeof label, *laser, 7), 19);
    EXPECT_STREQ(label, "Weapon: Pulse Laser");
}

}  // namespace
