// The real renderer's frames of fixed input, pixel for pixel: the main menu, flight in the home
// system, beside a glowing planet and beside Cinder's vortex, each read back from the back buffer
// and the colour the window shows hashed (its alpha never reaches the window). The hashes must
// equal those stored in tests/app/frame_pixels.txt, so work saved in the renderer shows no pixel
// of its own; a change meant to alter what is drawn rewrites the file with VARNOK_UPDATE_DUMPS=1.
// Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/draw_dump.h"
#include "support/gl_game.h"
#include "support/screen_cases.h"

namespace {

std::string ShownColourHash(const std::vector<uint32_t>& pixels)
{
    uint64_t hash = 14695981039346656037ull;
    for (uint32_t pixel : pixels) {
        for (int shift = 0; shift < 24; shift += 8) {
            hash ^= (pixel >> shift) & 0xFF;
            hash *= 1099511628211ull;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

class FramePixelsTest : public GlGame {
protected:
    // The frames after 1, 2 and 30 steps of 16 ms, one line each.
    void Record(const std::string& scene, std::ostringstream& out)
    {
        for (int frame = 1; frame <= 30; ++frame) {
            const std::vector<uint32_t> shown = Frame(16);
            if (frame <= 2 || frame == 30)
                out << scene << " frame " << frame << " " << ShownColourHash(shown) << "\n";
        }
    }
};

TEST_F(FramePixelsTest, MenuAndFlightFramesKeepEveryPixel)
{
    // The start-up seeds the dice with the machine's uptime; the same frames need the same throws.
    std::srand(1);
    std::ostringstream out;
    gCurrentScreen = gMainMenuScreen;
    Record("main menu", out);

    gCurrentScreen = FlyNewPilot();
    gFlightScreen->Enter();
    Record("flight at home", out);

    // Its glow sprite lights the glow pass.
    CWorldObject* planet = gResourceManager->FindObject(1002);
    ASSERT_NE(planet, nullptr);
    gPlayerShip->SetPosition(Vec3(planet->mPosition.x + planet->mSize + 12.0f, planet->mPosition.y, 30.0f));
    gPlayerShip->SetDestination(gPlayerShip->mPosition);
    Record("flight beside a glowing planet", out);

    gFlightScreen->SetSystemBackdrop(3);
    CWorldObject* vortex = gResourceManager->FindObject(3007);
    ASSERT_NE(vortex, nullptr);
    gPlayerShip->SetPosition(Vec3(vortex->mPosition.x + 55.0f, vortex->mPosition.y, 30.0f));
    gPlayerShip->SetDestination(gPlayerShip->mPosition);
    Record("flight beside the vortex", out);

    const std::string difference =
        CompareWithDump(std::string(VARNOK_SOURCE_DIR) + "/tests/app/frame_pixels.txt", out.str());
    EXPECT_TRUE(difference.empty() || difference.rfind("rewrote", 0) == 0) << difference;
}

}  // namespace
