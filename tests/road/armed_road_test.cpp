// The road through Cinder: a pilot ship (a stand-in until the player's own ship flies the road)
// is fired on by the battery, destroys it and is paid, then runs into the drifting mine.
#include "engine/resource_manager.h"
#include "road_driver.h"
#include "screens/flight_screen.h"
#include "ships/ship_fixture.h"

namespace {

constexpr int kCinder = 3;
constexpr int kCinderBattery = 3004;
constexpr int kDriftingMine = 3005;
constexpr int kPulseLaser = 10;

class ArmedRoadTest : public HeadlessGame {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
    }

    // Runs frames until done says so, at most limit of them; the frames run.
    int FramesUntil(int limit, const std::function<bool()>& done)
    {
        int frames = 0;
        while (frames < limit && !done() && !HasFatalFailure()) {
            road.Frames(1);
            ++frames;
        }
        return frames;
    }

    CRoadDriver road;
};

TEST_F(ArmedRoadTest, TheBatteryFiresOnThePilotWhoDestroysItAndTheMineGoesOff)
{
    road.Step("the main menu runs");
    road.Frames(5);
    ASSERT_FALSE(HasFailure());

    road.Step("a pilot enters Cinder below the battery");
    auto pilot = std::make_unique<CTestPilotShip>();
    pilot->mAffiliate = 1;
    ScopedGlobal<CPlayerView*> view(gPlayerView, pilot.get());
    gFlightScreen->SetSystemBackdrop(kCinder);
    gCurrentScreen = gFlightScreen;
    ASSERT_EQ(gResourceManager->mObjects.count(kCinderBattery), 1u) << road.CurrentStep();
    ASSERT_EQ(gResourceManager->mObjects.count(kDriftingMine), 1u) << road.CurrentStep();
    CWorldObject* battery = gResourceManager->mObjects.at(kCinderBattery);
    pilot->mPosition = Vec3(battery->mPosition.x, battery->mPosition.y - 50.0f, 30.0f);

    road.Step("the battery turns and fires");
    FramesUntil(1200, [&] { return pilot->mHitPoints < 100; });
    ASSERT_LT(pilot->mHitPoints, 100) << road.CurrentStep() << ": the battery never hit the pilot";
    const int afterBattery = pilot->mHitPoints;

    road.Step("the pilot fires back until the battery falls");
    int shots = 0;
    FramesUntil(2000, [&] {
        if (battery->mActive && shots++ % 25 == 0)
            gResourceManager->LaunchWeapon(kPulseLaser, pilot.get(), &pilot->mPosition, &battery->mPosition);
        return battery->mActive == 0;
    });
    ASSERT_EQ(battery->mActive, 0) << road.CurrentStep() << " after " << shots << " frames";
    EXPECT_EQ(pilot->experienceGained, battery->mExperienceValue) << road.CurrentStep();
    EXPECT_GT(pilot->mHitPoints, 0) << road.CurrentStep() << ": a fair fight leaves the pilot alive";

    road.Step("the pilot flies past the mine");
    CWorldObject* mine = gResourceManager->mObjects.at(kDriftingMine);
    pilot->mPosition = Vec3(mine->mPosition.x, mine->mPosition.y + 20.0f, 30.0f);
    const int beforeMine = pilot->mHitPoints;
    FramesUntil(600, [&] { return pilot->mHitPoints < beforeMine; });
    EXPECT_EQ(mine->mActive, 0) << road.CurrentStep();
    EXPECT_LT(pilot->mHitPoints, beforeMine) << road.CurrentStep() << ": the mine's ring never struck";
    EXPECT_LE(pilot->mHitPoints, afterBattery);
}

}  // namespace
