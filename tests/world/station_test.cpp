// Stations: the orbit and its clamping, docking by the player only, the save point, the saves and
// the conversation a quest step arms.
#include "world/station.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/vec3.h"
#include "world/station_view.h"
#include "world_fixture.h"

namespace {

// The station screen as a docking sees it.
class DockRecordingView : public CStationView {
public:
    void Enter() override {}
    int Frame() override { return 0; }
    void OnMouseUp(int, int, int) override {}
    void OnMouseDown(int, int, int) override {}
    void OnMouseMove(int, int) override {}
    void OnKeyDown(int) override {}
    void OpenForStation(int meshId) override { openedMeshes.push_back(meshId); }
    void Hail(int questStepId, const char* affiliate) override { hails.push_back({questStepId, affiliate}); }

    std::vector<int> openedMeshes;
    std::vector<std::pair<int, std::string>> hails;
};

class StationTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        station = static_cast<CStation*>(rm->FindObject(1001));
        ASSERT_NE(station, nullptr);
    }
    void DockOnce()
    {
        player.ship.SetPosition(Vec3::Sum(station->mPosition, Vec3(1.0f, 1.0f, 0.0f)));
        station->Interact(&player.ship);
    }

    CProbePlayer player;
    ScopedGlobal<CPlayerView*> playerView{gPlayerView, &player};
    DockRecordingView view;
    ScopedGlobal<CStationView*> stationView{gStationView, &view};
    CStation* station = nullptr;
};

struct OrbitCase {
    const char* name;
    float velocity;
    Vec3 start;
    // Radians turned in one frame at frame scale 1; the length of the position stays.
    float turn;
};

const OrbitCase kOrbits[] = {
    {"Still", 0.0f, Vec3(100.0f, 0.0f, 0.0f), 0.0f},
    {"Backward", -1.0f, Vec3(100.0f, 0.0f, 0.0f), 0.0f},
    {"AtTheCentre", 1.0f, Vec3(0.0f, 0.0f, 0.0f), 0.0f},
    {"Radius100", 1.0f, Vec3(100.0f, 0.0f, 0.0f), 0.00174533f},
    {"Radius1000", 1.0f, Vec3(0.0f, 1000.0f, 0.0f), 0.000174533f},
};

class StationOrbitTest : public StationTest, public ::testing::WithParamInterface<OrbitCase> {};

TEST_P(StationOrbitTest, CirclesAtTheSameSpeedWhateverTheRadius)
{
    const OrbitCase& c = GetParam();
    // A system wide enough that nothing is clamped.
    rm->mSystemWidth = rm->mSystemHeight = 5000.0f;
    station->mMoveSpeed = c.velocity;
    station->mPosition = c.start;
    station->Update();
    const float before = std::atan2(c.start.y, c.start.x);
    const float after = std::atan2(station->mPosition.y, station->mPosition.x);
    EXPECT_NEAR(after - before, c.turn, 1e-6f);
    EXPECT_NEAR(Vec3Length(station->mPosition), Vec3Length(c.start), 1e-3f);
    EXPECT_NEAR(station->mRotation.z, 0.0174533f, 1e-6f) << "the station spins whether it circles or not";
}

INSTANTIATE_TEST_SUITE_P(Cases, StationOrbitTest, ::testing::ValuesIn(kOrbits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StationTest, AnOrbitPastTheEdgeIsPutBackOnTheEdgeInTheSameFrame)
{
    // Near a corner the circle round the centre runs out of the system: this frame's turn
    // carries the station a few units past the top edge.
    const float halfWidth = rm->mSystemWidth / 2.0f;
    const float halfHeight = rm->mSystemHeight / 2.0f;
    ASSERT_GT(halfWidth, 100.0f);
    station->mMoveSpeed = 1.0f;
    station->mPosition = Vec3(halfWidth - 1.0f, halfHeight - 1.0f, 30.0f);
    gFrameScale = 50.0f;
    station->Update();
    EXPECT_FLOAT_EQ(station->mPosition.y, halfHeight);
    EXPECT_LT(station->mPosition.x, halfWidth - 1.0f) << "it still moved on round the centre";
}

TEST_F(StationTest, DockingSavesEveryTimeAndShowsAnArmedConversationOnlyOnce)
{
    station->SetPendingHail(77, "miner");
    DockOnce();
    DockOnce();
    EXPECT_EQ(player.saves, 2);
    ASSERT_EQ(view.hails.size(), 1u);
    EXPECT_EQ(view.hails[0].first, 77);
    EXPECT_EQ(view.hails[0].second, "miner");
    EXPECT_EQ(view.openedMeshes, (std::vector<int>{1, 1}));
    EXPECT_EQ(gCurrentScreen, &view);
    EXPECT_EQ(station->mVisited, 1);
    EXPECT_EQ(player.stops, 2);
    EXPECT_EQ(player.questUpdates, 2);
}

TEST_F(StationTest, TheSavePointLiesTwentyUnitsFromTheStationInEachAxis)
{
    station->mPosition = Vec3(150.0f, 120.0f, 30.0f);
    DockOnce();
    ASSERT_EQ(player.savePoints.size(), 1u);
    EXPECT_FLOAT_EQ(player.savePoints[0].x, 170.0f);
    EXPECT_FLOAT_EQ(player.savePoints[0].y, 140.0f);
    EXPECT_EQ(player.saveSystem, 1);
}

TEST_F(StationTest, OnlyThePlayerShipWithinReachDocks)
{
    // The reach is the mean of the two sizes, strictly.
    const float reach = (player.ship.mSize + CStation::kStationSize) / 2.0f;
    player.ship.SetPosition(Vec3::Sum(station->mPosition, Vec3(reach, 0.0f, 0.0f)));
    station->Interact(&player.ship);
    // A content object that shares the player's id and type is not the player.
    CProbeObject impostor(1, kTypePlayer, station->mPosition, 4.0f);
    station->Interact(&impostor);
    player.ship.mActive = 0;
    DockOnce();
    player.ship.mActive = 1;
    EXPECT_EQ(player.saves, 0);
    EXPECT_TRUE(view.openedMeshes.empty());
    // Without a station screen a docking still saves.
    ScopedGlobal<CStationView*> noView(gStationView, nullptr);
    DockOnce();
    EXPECT_EQ(player.saves, 1);
}

}  // namespace
