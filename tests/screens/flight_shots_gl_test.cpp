// The game as played, drawn by the real renderer: a new pilot in flight at home beside an ore
// field, the Exchange and the Static Cloud, among pirates, in the hazards of Cinder, and beside the
// station of every other system, so the HUD is seen over every backdrop, and at the edge of two
// systems, which space shows through. Each scene's object shows on screen; with
// VARNOK_SCREENSHOTS set to a folder, each scene is also written there as a PNG.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/resource_manager.h"
#include "support/frame_png.h"
#include "support/gl_game.h"
#include "support/screen_cases.h"
#include "world/world_object.h"

namespace {

struct FlightShot {
    const char* name;
    int systemId;
    // The object the ship is put beside.
    int objectId;
    Vec3 offset;
    // The system's edge is in sight.
    bool edge = false;
};

void PrintTo(const FlightShot& shot, std::ostream* out)
{
    *out << shot.name;
}

constexpr int kVarn = 1, kLustalla = 2, kCinder = 3, kVerdance = 4, kUmbral = 5;

const FlightShot kShots[] = {
    {"flight_home", kVarn, 1006, {30.0f, 10.0f, 0.0f}},
    {"flight_pirates", kVarn, 1020, {45.0f, 0.0f, 0.0f}},
    {"flight_nebula", kCinder, 3016, {20.0f, 10.0f, 0.0f}},
    {"flight_vortex", kCinder, 3007, {55.0f, 0.0f, 0.0f}},
    {"flight_battery", kCinder, 3004, {0.0f, -30.0f, 0.0f}},
    {"flight_exchange", kVarn, 1001, {-25.0f, 5.0f, 0.0f}},
    {"flight_cloud", kVarn, 1009, {40.0f, 10.0f, 0.0f}},
    {"flight_lustalla", kLustalla, 2003, {-25.0f, 5.0f, 0.0f}},
    {"flight_verdance", kVerdance, 4004, {-25.0f, 5.0f, 0.0f}},
    {"flight_umbral", kUmbral, 5008, {-25.0f, 5.0f, 0.0f}},
    {"flight_verdance_edge", kVerdance, 4002, {35.0f, 25.0f, 0.0f}, true},
    {"flight_umbral_edge", kUmbral, 5002, {35.0f, -25.0f, 0.0f}, true},
};

int ChangedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    int changed = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        changed += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF) ? 1 : 0;
    return changed;
}

class FlightShotsTest : public GlGame, public ::testing::WithParamInterface<FlightShot> {};

TEST_P(FlightShotsTest, TheSceneShowsItsObjectAroundTheShip)
{
    const FlightShot& shot = GetParam();
    gCurrentScreen = FlyNewPilot();
    gFlightScreen->Enter();
    if (shot.systemId != gResourceManager->mCurrentSystemId)
        gFlightScreen->SetSystemBackdrop(shot.systemId);
    CWorldObject* object = gResourceManager->FindObject(shot.objectId);
    if (!object && gResourceManager->mNebulae.count(shot.objectId))
        object = gResourceManager->mNebulae.at(shot.objectId);
    ASSERT_NE(object, nullptr) << "system " << shot.systemId << " has no object " << shot.objectId;
    const Vec3 place = Vec3::Sum(object->mPosition, shot.offset);
    gPlayerShip->SetPosition(Vec3(place.x, place.y, 30.0f));
    gPlayerShip->SetDestination(gPlayerShip->mPosition);
    // A second of play: the camera settles on the ship and the world moves.
    for (int frame = 0; frame < 60; ++frame)
        Frame(16);
    const std::vector<uint32_t> shown = Frame();
    ASSERT_EQ(shown.size(), static_cast<size_t>(kWidth * kHeight));
    if (const std::string shots = ScreenshotFolder(); !shots.empty())
        WriteFramePng(shown, kWidth, kHeight, shots + "/" + shot.name + ".png");

    // Frames that take no time differ a little (the HUD and the glow pulse); the object taken far
    // out of sight for one of them must make a difference of its own.
    const std::vector<uint32_t> again = Frame();
    const Vec3 home = object->mPosition;
    object->mPosition = Vec3::Sum(home, Vec3(0.0f, 5000.0f, 0.0f));
    const std::vector<uint32_t> without = Frame();
    object->mPosition = home;
    EXPECT_GT(ChangedPixels(shown, without), ChangedPixels(shown, again) + 200) << "the object draws nothing in flight";
    if (shot.edge) {
        const Vec3 boundary = *gFlightScreen->BoundaryPlane().scale, outer = gFlightScreen->SystemExtent();
        gFlightScreen->SetSystemExtents(Vec3(), outer);
        const int edge = ChangedPixels(shown, Frame());
        gFlightScreen->SetSystemExtents(boundary, outer);
        EXPECT_GT(edge, ChangedPixels(shown, again) + 200) << "the system's edge is not drawn";
        EXPECT_LT(edge, kWidth * kHeight / 50) << "the system's edge walls off the screen";
    }
}

INSTANTIATE_TEST_SUITE_P(AsPlayed, FlightShotsTest, ::testing::ValuesIn(kShots),
                         [](const ::testing::TestParamInfo<FlightShot>& info) { return std::string(info.param.name); });

}  // namespace
