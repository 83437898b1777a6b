// The road: the game played from its start through the real frame loop. This stretch enters
// the first system and flies in it.
#include "core/keys.h"
#include "engine/resource_manager.h"
#include "road_driver.h"
#include "screens/flight_screen.h"
#include "support/headless_game.h"
#include "world/world_object.h"

namespace {

class RoadTest : public HeadlessGame {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        // The road runs the game's own screens, not the fixture's recording ones.
        gCurrentScreen = savedScreen;
        gFlightScreen = savedFlight;
        gFlightView = savedFlight;
    }

    size_t ObjectCount() const
    {
        return gResourceManager->mObjects.size() + gResourceManager->mSuns.size() +
               gResourceManager->mWormholes.size() + gResourceManager->mNebulae.size();
    }

    CRoadDriver road;
};

TEST_F(RoadTest, EntersTheFirstSystemAndFliesSixHundredFrames)
{
    road.Step("the main menu runs");
    road.Frames(10);
    ASSERT_FALSE(HasFailure());

    // There is no pilot screen yet: the system is entered the way the pilot screens will, through
    // the in-flight screen, which then becomes current.
    road.Step("enter the first system");
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    ASSERT_EQ(gResourceManager->mCurrentSystemId, 1) << road.CurrentStep();
    ASSERT_STREQ(gResourceManager->mSystemName, "Varn") << road.CurrentStep();
    ASSERT_EQ(gResourceManager->mSuns.count(1003), 1u) << road.CurrentStep() << ": the sun is missing";
    ASSERT_EQ(gResourceManager->mObjects.count(1002), 1u) << road.CurrentStep() << ": the planet is missing";
    const size_t objects = ObjectCount();

    road.Step("hold W for 40 frames");
    bool thrusting = false;
    road.HoldKey(kKeyW, 40, [&](int) {
        thrusting = thrusting || gFlightScreen->ThrustKey();
        return true;
    });
    EXPECT_TRUE(thrusting) << road.CurrentStep() << ": the in-flight screen never saw the key";
    EXPECT_FALSE(gFlightScreen->ThrustKey()) << road.CurrentStep() << ": the release did not arrive";

    road.Step("turn with A for 20 frames and move the mouse");
    road.HoldKey(kKeyA, 20);
    road.MoveMouse(40, -25);

    road.Step("fly 600 frames");
    const float planetTurn = gResourceManager->mObjects.at(1002)->mRotation.z;
    road.Frames(600, [&](int) { return ObjectCount() == objects && gResourceManager->mCurrentSystemId == 1; });
    EXPECT_NE(gResourceManager->mObjects.at(1002)->mRotation.z, planetTurn)
        << road.CurrentStep() << ": the planet does not turn, so the world pass did not run";
}

}  // namespace
