// Wormholes: where the jump lands for every shipped wormhole, the strict touch, the closed
// wormhole's hail and the remote ship that must not move the player.
#include "world/wormhole.h"

#include <memory>
#include <optional>

#include "support/recording_screen.h"
#include "world/store_view.h"
#include "world_fixture.h"

namespace {

// The in-flight screen with a hail box that stays open until the test closes it.
class HailingFlightScreen : public RecordingFlightScreen {
public:
    void Hail(const char* const* lines, int lineCount, const char* keyword) override
    {
        ++hails;
        lastLine = lineCount > 0 ? lines[0] : "";
        lastKeyword = keyword ? keyword : "";
        open = true;
    }
    bool IsHailOpen() const override { return open; }

    int hails = 0;
    bool open = false;
    std::string lastLine;
    std::string lastKeyword;
};

class WormholeTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        // After the fixture's own in-flight screen is in place.
        view.emplace(gFlightView, &screen);
    }
    void TearDown() override
    {
        view.reset();
        WorldTest::TearDown();
    }
    // Puts the player's ship at an offset from the wormhole and runs one world pass.
    void TouchAndPass(const CWorldObject* wormhole, const Vec3& offset)
    {
        player.ship.SetPosition(Vec3::Sum(wormhole->mPosition, offset));
        rm->UpdateObjects();
    }
    CWorldObject* WormholeTo(int system)
    {
        for (auto& [id, object] : rm->mWormholes) {
            if (static_cast<CWormhole*>(object)->mJumpSystemId == system)
                return object;
        }
        return nullptr;
    }

    CProbePlayer player;
    ScopedGlobal<CPlayerView*> playerView{gPlayerView, &player};
    HailingFlightScreen screen;
    std::optional<ScopedGlobal<CFlightView*>> view;
};

// Either side of the centre line, and on it.
TEST_F(WormholeTest, ArrivalIsThirtyUnitsTowardTheCentreLine)
{
    EXPECT_TRUE(Vec3::Equals(ArrivalBeside(0.0f, -400.0f), Vec3(30.0f, -400.0f, 30.0f)));
    EXPECT_TRUE(Vec3::Equals(ArrivalBeside(10.0f, 5.0f), Vec3(-20.0f, 5.0f, 30.0f)));
}

// Every shipped wormhole leads to a system with a wormhole back, beside which the ship lands;
// the portal system's way out leads home to the centre.
TEST_F(WormholeTest, EveryShippedWormholeLandsBesideTheWormholeBack)
{
    for (int from : {1, 2, 3, 4, 5}) {
        rm->EnterSystem(from);
        std::vector<std::pair<int, int>> jumps;
        for (auto& [id, object] : rm->mWormholes)
            jumps.emplace_back(id, static_cast<CWormhole*>(object)->mJumpSystemId);
        EXPECT_FALSE(jumps.empty()) << "system " << from << " has no way out";
        for (auto [id, target] : jumps) {
            rm->EnterSystem(from);
            const int stops = player.stops;
            TouchAndPass(rm->mWormholes.at(id), Vec3(1.0f, 0.0f, 0.0f));
            ASSERT_EQ(rm->mCurrentSystemId, target) << "wormhole " << id;
            EXPECT_EQ(player.stops, stops + 1);
            const CWorldObject* back = WormholeTo(from);
            if (from == 2) {
                EXPECT_TRUE(Vec3::Equals(player.ship.mPosition, Vec3(0.0f, 0.0f, 30.0f))) << "wormhole " << id;
                continue;
            }
            ASSERT_NE(back, nullptr) << "system " << target << " has no wormhole back to " << from;
            const Vec3 expected = ArrivalBeside(back->mPosition.x, back->mPosition.y);
            EXPECT_TRUE(Vec3::Equals(player.ship.mPosition, expected)) << "wormhole " << id;
            EXPECT_TRUE(Vec3::Equals(player.ship.destination, expected)) << "wormhole " << id;
            EXPECT_TRUE(Vec3::Equals(rm->mArrivalPoint, expected)) << "wormhole " << id;
        }
    }
}

TEST_F(WormholeTest, OnlyTheLocalPlayerStrictlyInsideJumps)
{
    rm->EnterSystem(1);
    CWorldObject* wormhole = rm->mWormholes.at(1004);
    player.ship.mSize = 4.0f;
    const float r = (4.0f + wormhole->mSize) / 2.0f;

    // A remote ship shares the player's type; it must not carry the player away.
    CProbeObject remote(30, kTypePlayer, Vec3::Sum(wormhole->mPosition, Vec3(1.0f, 0.0f, 0.0f)), 4.0f);
    wormhole->Interact(&remote);
    EXPECT_EQ(rm->mNextSystem, 0);

    TouchAndPass(wormhole, Vec3(r, 0.0f, 0.0f));
    EXPECT_EQ(rm->mCurrentSystemId, 1) << "touching at exactly r jumped";
    TouchAndPass(wormhole, Vec3(r - 0.01f, 0.0f, 0.0f));
    EXPECT_EQ(rm->mCurrentSystemId, 3);
}

TEST_F(WormholeTest, AQuestStepThatClosesTheWormholeHailsOnceAtATimeAndNeverJumps)
{
    Content(
        "INSERT INTO quest_step (quest_step_id, quest_id, display_alignment) VALUES (9901, 99, 'pirate');"
        "INSERT INTO quest_step_disabled (quest_step_id, wormhole_object_id) VALUES (9901, 1004);");
    rm->EnterSystem(1);
    player.questSteps = {9901};
    CWorldObject* wormhole = rm->mWormholes.at(1004);
    for (int frame = 0; frame < 5; ++frame)
        TouchAndPass(wormhole, Vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(screen.hails, 1);
    EXPECT_EQ(screen.lastLine, CWormhole::kClosedText);
    EXPECT_EQ(screen.lastKeyword, "pirate");
    screen.open = false;
    TouchAndPass(wormhole, Vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(screen.hails, 2);
    EXPECT_EQ(rm->mCurrentSystemId, 1);
    EXPECT_EQ(player.stops, 0);

    // The other wormhole stays open.
    TouchAndPass(rm->mWormholes.at(1005), Vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(rm->mCurrentSystemId, 5);
}

TEST_F(WormholeTest, WithoutAWormholeBackTheShipArrivesAtTheCentre)
{
    Content(
        "INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, "
        "velocity, hit_points, size, respawn_time, affiliate) VALUES (9902, 1, 0, 'Rift', 'wormhole', 0.0, "
        "-500.0, 0.0, 1, 20.0, 0, 'neutral');"
        "INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (9902, 9902, 4);");
    rm->EnterSystem(1);
    TouchAndPass(rm->mWormholes.at(9902), Vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(rm->mCurrentSystemId, 4);
    EXPECT_TRUE(Vec3::Equals(player.ship.mPosition, Vec3(0.0f, 0.0f, 30.0f)));
}

}  // namespace
