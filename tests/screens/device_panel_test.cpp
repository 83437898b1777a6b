// The device description panel: the name with its damage type, the lines by kind, the unmet
// requirements in red, and the fuel, compound and refill descriptions.
#include "screens/device_panel.h"

#include <memory>
#include <string>

#include "game_screens_fixture.h"
#include "screens/store_screen.h"
#include "ships/engine.h"
#include "ships/weapon_records.h"
#include "ui/text_control.h"

namespace {

class DevicePanelTest : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        ship = &FlyNewPilot();
    }
    std::unique_ptr<CDeviceInfo> Device(int deviceId)
    {
        return std::unique_ptr<CDeviceInfo>(gGameDatabase.CreateDevice(deviceId));
    }
    static bool Has(const std::vector<PanelLine>& lines, const std::string& text)
    {
        for (const PanelLine& line : lines) {
            if (line.text == text)
                return true;
        }
        return false;
    }
    static const PanelLine* Find(const std::vector<PanelLine>& lines, const std::string& text)
    {
        for (const PanelLine& line : lines) {
            if (line.text == text)
                return &line;
        }
        return nullptr;
    }

    CPlayerShip* ship = nullptr;
};

struct NameCase {
    int deviceId;
    const char* firstLine;
};

// Shipped devices of every damage type and of kinds without one.
const NameCase kNames[] = {
    {4, "Composite Plating (Crystal)"}, {3, "Deflector Screen (Photon)"}, {12, "Seeker Missile (Antimatter)"},
    {14, "Quake Ring (Radiation)"},     {15, "Shadow Veil (Organic)"},    {11, "Plasma Bolt (Plasma)"},
    {1, "Ion Drive"},                   {5, "Sealed Data Core"},
};

TEST_F(DevicePanelTest, TheFirstLineNamesTheDeviceAndItsDamageType)
{
    for (const NameCase& c : kNames) {
        auto device = Device(c.deviceId);
        ASSERT_NE(device, nullptr) << c.deviceId;
        EXPECT_EQ(DescribeDevice(*device, true, PanelForm::kStore).at(0).text, c.firstLine);
    }
}

TEST_F(DevicePanelTest, AmmunitionIsListedOnlyForAWeaponThatCarriesIt)
{
    // The scatter cannon has no load; the plasma bolt carries 40.
    const auto cannon = DescribeDevice(*Device(23), false, PanelForm::kStore);
    const auto bolt = DescribeDevice(*Device(11), false, PanelForm::kStore);
    for (const PanelLine& line : cannon)
        EXPECT_EQ(line.text.rfind("Max Ammo", 0), std::string::npos) << line.text;
    EXPECT_TRUE(Has(bolt, "Max Ammo: 40"));
    EXPECT_TRUE(Has(bolt, "Guided: No"));
    EXPECT_TRUE(Has(bolt, "Damage: 6-10"));
    EXPECT_TRUE(Has(DescribeDevice(*Device(22), true, PanelForm::kStore), "Repair Percent: 30~"));
    const auto mission = DescribeDevice(*Device(5), true, PanelForm::kStore);
    EXPECT_EQ(mission.at(1).text, "This device is for a mission.");
}

TEST_F(DevicePanelTest, RequirementsAboveOneAreListedAndTheUnmetOnesAreRed)
{
    // The Nova Lance asks communication 2, tactical 5, level 10 and a hull of size 6.
    ship->mCommunication = 1;
    ship->mTactical = 5;
    const auto lance = DescribeDevice(*Device(110), true, PanelForm::kStore);
    ASSERT_NE(Find(lance, "Communication Level: 2"), nullptr);
    EXPECT_TRUE(Find(lance, "Communication Level: 2")->unmet);
    EXPECT_FALSE(Find(lance, "Tactical Level: 5")->unmet);
    EXPECT_TRUE(Find(lance, "Level: 10")->unmet);
    EXPECT_EQ(Find(lance, "Engineering Level: 1"), nullptr) << "a requirement of 1 is not listed";
    ship->mCommunication = 2;
    ship->mSize = 6.0f;
    const auto met = DescribeDevice(*Device(110), true, PanelForm::kStore);
    EXPECT_FALSE(Find(met, "Communication Level: 2")->unmet);
    EXPECT_FALSE(Find(met, "Ship Size: 6.00")->unmet) << "a size equal to the ship's fits";

    CopyBounded(ship->mAlignment, sizeof ship->mAlignment, "drifter");
    const auto store = DescribeDevice(*Device(110), true, PanelForm::kStore);
    EXPECT_EQ(store.back().text, "Can not be equipped by this ship class");
    EXPECT_TRUE(store.back().unmet);
    const auto crew = DescribeDevice(*Device(110), false, PanelForm::kCrew);
    EXPECT_EQ(crew.back().text, "Can not be used by this ship class");
    for (const PanelLine& line : crew)
        EXPECT_EQ(line.text.find("Price"), std::string::npos) << line.text;
}

TEST_F(DevicePanelTest, FuelCompoundAndRefillDescriptions)
{
    CEngine& engine = *ship->mEngine;
    engine.mMaxFuel = 100;
    engine.mFuel = 30;
    engine.mDistancePerFuelUnit = 2.5f;
    const auto fuel = DescribeFuel(engine);
    EXPECT_TRUE(Has(fuel, "Current Fuel: 30 / 100"));
    EXPECT_TRUE(Has(fuel, "Distance Left: 75.00"));
    EXPECT_TRUE(Has(fuel, "Cost of Refueling: $70"));

    ship->mCompounds[2] = 4;
    ship->mCommunication = 0;
    const auto rare = DescribeCompound(3);
    EXPECT_EQ(rare.at(0).text, "Compound Type: Rare");
    EXPECT_TRUE(Has(rare, "Selling Price: $100"));

    CWeaponInfo* bolt = rm->GetDeviceWeaponInfo(11);
    ship->mAmmo[11] = 39;
    const auto refill = DescribeRefill(*bolt);
    EXPECT_TRUE(Has(refill, "Current Ammo: 39 / 40"));
    EXPECT_TRUE(Has(refill, "Price: $1"));
}

TEST_F(DevicePanelTest, AShortDescriptionEmptiesTheRestOfThePanel)
{
    gStoreScreen->Enter();
    WritePanel(*gStoreScreen, CStoreScreen::kFirstPanelLine, DescribeDevice(*Device(110), true, PanelForm::kStore));
    const auto refill = DescribeRefill(*rm->GetDeviceWeaponInfo(11));
    WritePanel(*gStoreScreen, CStoreScreen::kFirstPanelLine, refill);
    for (int i = 0; i < kPanelLineCount; ++i) {
        const CTextControl* line = gStoreScreen->GetTextControl(CStoreScreen::kFirstPanelLine + i);
        EXPECT_EQ(std::string(line->text), i < static_cast<int>(refill.size()) ? refill[i].text : "") << i;
        EXPECT_EQ(line->colour, kPanelColour);
    }
}

}  // namespace
