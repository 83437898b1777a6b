// The in-flight screen changes system: the world enters it and the planes take the faction's
// textures and the system's size.
#include "screens/flight_screen.h"

#include "engine/resource_manager.h"
#include "support/headless_game.h"

namespace {

struct BackdropCase {
    int systemId;
    int glow;
    int backdrop;
    float width;
};

class FlightBackdropTest : public HeadlessGame, public ::testing::WithParamInterface<BackdropCase> {};

TEST_P(FlightBackdropTest, EntersTheSystemAndShowsItsFactionAndSize)
{
    const BackdropCase& c = GetParam();
    CFlightScreen screen;
    screen.SetSystemBackdrop(c.systemId);
    EXPECT_EQ(gResourceManager->mCurrentSystemId, c.systemId);
    EXPECT_EQ(screen.GlowPlane().textureSpriteId, c.glow);
    EXPECT_EQ(screen.BackdropPlane().textureSpriteId, c.backdrop);
    EXPECT_FLOAT_EQ(screen.BoundaryPlane().scale->x, c.width * 0.715f);
    EXPECT_FLOAT_EQ(screen.BackdropPlane().scale->z, 0.0f);
    gResourceManager->DeleteWorldObjects();
}

// Shipped systems: union, goth, ignus, enimanga, mandralor.
INSTANTIATE_TEST_SUITE_P(Factions, FlightBackdropTest,
                         ::testing::Values(BackdropCase{1, 36, 1, 1200.0f}, BackdropCase{2, 37, 38, 900.0f},
                                           BackdropCase{3, 39, 40, 1400.0f}, BackdropCase{4, 41, 42, 1000.0f},
                                           BackdropCase{5, 43, 44, 1000.0f}));

TEST_F(HeadlessGame, EnteringASystemGivesTheFlightViewItsExtents)
{
    // The fixture's in-flight screen is the flight view.
    gResourceManager->EnterSystem(3);
    EXPECT_FLOAT_EQ(flight.BoundaryPlane().scale->y, 1400.0f * 0.715f);
    EXPECT_FLOAT_EQ(flight.SystemExtent().x, 1400.0f * 1.35f);
    gResourceManager->DeleteWorldObjects();
}

}  // namespace
