// The road through the first fight: a new pilot meets the weakest pirates of the first system,
// is hailed, fights them with the mouse, takes their loot; and a pilot who only waits among them
// is destroyed and flies again from home.
#include <cstdio>
#include <string>

#include "db/game_database.h"
#include "road_fixture.h"
#include "screens/flight_screen.h"
#include "ships/engine.h"
#include "ships/lead_ship_ai.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"
#include "world/device_object.h"

namespace {

constexpr int kDustRat = 1020;
constexpr int kScrapCutter = 26;
// The plane the flight screen picks points in.
constexpr float kPickPlane = 30.0f;

class PiratesRoadTest : public RoadTest {
protected:
    // Where the cursor must be for the flight screen to pick this point. The road's eyes: it reads
    // the camera through the cursor's own pick and puts the pointer back where it was.
    static void ScreenPointOf(const Vec3& point, int* x, int* y)
    {
        int atX = 0;
        int atY = 0;
        gCursor.GetPosition(&atX, &atY);
        auto pick = [](int px, int py) {
            Vec3 picked;
            gCursor.SetPosition(px, py);
            gCursor.PickRay(&picked.x, &picked.y, kPickPlane);
            return picked;
        };
        const Vec3 centre = pick(400, 300);
        const Vec3 right = Vec3::Difference(pick(500, 300), centre);
        const Vec3 down = Vec3::Difference(pick(400, 400), centre);
        gCursor.SetPosition(atX, atY);
        // Solve centre + a right + b down = point for the two screen steps.
        const Vec3 to = Vec3::Difference(point, centre);
        const float det = right.x * down.y - right.y * down.x;
        const float a = (to.x * down.y - to.y * down.x) / det;
        const float b = (right.x * to.y - right.y * to.x) / det;
        *x = 400 + static_cast<int>(a * 100.0f);
        *y = 300 + static_cast<int>(b * 100.0f);
    }

    void AimAt(const Vec3& point)
    {
        int x = 0;
        int y = 0;
        ScreenPointOf(point, &x, &y);
        road.MoveTo(x, y);
    }

    float DistanceTo(const CWorldObject& object) const
    {
        return Vec3Length(Vec3::Difference(object.mPosition, gPlayerShip->mPosition));
    }

    // The device object that appeared in the system since the given ids were taken, or 0.
    static int NewDeviceObject(const std::map<int, CWorldObject*>& before)
    {
        for (const auto& [id, object] : gResourceManager->mObjects) {
            if (!before.count(id) && dynamic_cast<CDeviceObject*>(object))
                return id;
        }
        return 0;
    }

    bool SpriteShown(int id) const
    {
        const CSpriteControl* sprite = gFlightScreen->GetSpriteControl(id);
        return sprite && sprite->visible;
    }

    // A new pilot flies to the Dust Rats until their lead hails it.
    CLeadShipAI* MeetTheDustRats()
    {
        road.Step("the main menu runs");
        road.Frames(10);
        MakePilotThroughTheMenus();
        CLeadShipAI* pirate = gResourceManager->FindLeadShip(kDustRat);
        if (HasFatalFailure() || !pirate) {
            ADD_FAILURE() << "the first system has no pirates";
            return nullptr;
        }

        road.Step("the pirates patrol their beat");
        const Vec3 from = pirate->mPosition;
        road.Frames(300);
        EXPECT_GT(Vec3Length(Vec3::Difference(pirate->mPosition, from)), 5.0f) << road.CurrentStep();
        EXPECT_EQ(pirate->mHailed, 0) << road.CurrentStep() << ": hailed from across the system";

        road.Step("fly to the Dust Rats until their lead hails");
        EXPECT_TRUE(FlyToward(kDustRat, 6000, [&] { return pirate->mHailed != 0; })) << road.CurrentStep();
        EXPECT_TRUE(gFlightScreen->IsHailOpen()) << road.CurrentStep();
        EXPECT_EQ(gPlayerShip->mTarget, pirate) << road.CurrentStep() << ": the hail targets the pirate";
        return pirate;
    }
};

TEST_F(PiratesRoadTest, ANewPilotIsHailedFightsTheDustRatsWithTheMouseAndTakesTheirLoot)
{
    CLeadShipAI* pirate = MeetTheDustRats();
    ASSERT_NE(pirate, nullptr);
    CPlayerShip& ship = *gPlayerShip;
    const int hitPoints = ship.GetHitPoints();

    road.Step("close in; the pirates open fire and the hail stays with its lead");
    FlyToward(kDustRat, 2000, [&] { return DistanceTo(*pirate) < 30.0f; });
    FramesUntil(1200, [&] { return ship.GetHitPoints() < hitPoints; });
    EXPECT_LT(ship.GetHitPoints(), hitPoints) << road.CurrentStep() << ": the pirates never hit";
    EXPECT_EQ(pirate->mHailed, 1) << road.CurrentStep();

    road.Step("pick a weapon that needs no ammunition with its function key");
    int slot = 0;
    while (slot < ship.mWeaponCount && ship.mWeapons[slot]->mMaxAmmo > 0)
        ++slot;
    ASSERT_LT(slot, ship.mWeaponCount) << road.CurrentStep() << ": every weapon of the new pilot runs dry";
    road.Tap(kKeyF1 + slot);
    EXPECT_EQ(ship.SelectedWeapon(), ship.mWeapons[slot]) << road.CurrentStep();

    road.Step("hold the left button on the lead and keep close until it falls");
    std::map<int, CWorldObject*> before = gResourceManager->mObjects;
    Vec3 wreck;
    bool held = false;
    int frame = 0;
    for (; frame < 4000 && pirate && ship.mActive; ++frame) {
        if (DistanceTo(*pirate) > 40.0f) {
            FlyToward(kDustRat, 120, [&] { return !pirate->mActive || DistanceTo(*pirate) < 30.0f; });
        }
        wreck = pirate->mPosition;
        AimAt(wreck);
        if (!held) {
            road.PressButton(0, true);
            held = true;
        }
        if (!pirate->mActive)
            break;
        pirate = gResourceManager->FindLeadShip(kDustRat);
    }
    road.PressButton(0, false);
    ASSERT_TRUE(ship.mActive) << road.CurrentStep() << ": the new pilot lost to the weakest pirates";
    EXPECT_TRUE(!pirate || !pirate->mActive) << road.CurrentStep() << ": the lead outlived " << frame << " frames";
    std::printf("[ road     ] the lead fell after %d frames; the pilot kept %d of %d points\n", frame,
                ship.GetHitPoints(), hitPoints);

    road.Step("the lead's turret floats where it fell; fly over it");
    const int loot = NewDeviceObject(before);
    ASSERT_NE(loot, 0) << road.CurrentStep() << ": no loot near " << wreck.x << ", " << wreck.y;
    const int carried = ship.mCarriedCount;
    EXPECT_TRUE(FlyToward(loot, 3000, [&] {
        CWorldObject* object = gResourceManager->FindObject(loot);
        return !object || !object->mActive;
    })) << road.CurrentStep();
    EXPECT_EQ(ship.mCarriedCount, carried + 1) << road.CurrentStep();
    EXPECT_TRUE(Logged(std::string(GetDeviceName(kScrapCutter)) + " acquired")) << road.CurrentStep();
}

TEST_F(PiratesRoadTest, APilotWhoOnlyWaitsAmongTheDustRatsIsDestroyedAndRespawnsAtHome)
{
    CLeadShipAI* pirate = MeetTheDustRats();
    ASSERT_NE(pirate, nullptr);
    CPlayerShip& ship = *gPlayerShip;
    const Vec3 home(ship.mHomeX, ship.mHomeY, 30.0f);

    road.Step("fly in among the pirates and wait there, doing nothing");
    FlyToward(kDustRat, 2000, [&] { return DistanceTo(*pirate) < 30.0f; });
    int frame = 0;
    FramesUntil(7200, [&] { return ++frame, !ship.mActive; });
    ASSERT_FALSE(ship.mActive) << road.CurrentStep() << ": still flying after " << frame << " frames with "
                               << ship.GetHitPoints() << " points";
    std::printf("[ road     ] the pilot fell after %d frames\n", frame);
    road.Frames(30);
    EXPECT_TRUE(SpriteShown(CFlightScreen::kDeathNotice)) << road.CurrentStep();

    road.Step("click Respawn");
    const CButton* respawn = gFlightScreen->GetButton(CFlightScreen::kRespawnButton);
    ASSERT_TRUE(respawn && respawn->visible) << road.CurrentStep();
    road.ClickAt(respawn->x + 20, respawn->y + 10);
    EXPECT_TRUE(ship.mActive) << road.CurrentStep();
    EXPECT_FALSE(SpriteShown(CFlightScreen::kDeathNotice)) << road.CurrentStep();
    EXPECT_EQ(gResourceManager->mCurrentSystemId, 1) << road.CurrentStep();
    EXPECT_LT(Vec3Length(Vec3::Difference(ship.mPosition, home)), 2.0f) << road.CurrentStep();
    EXPECT_EQ(ship.GetHitPoints(), ship.GetMaxHitPoints()) << road.CurrentStep();

    road.Step("and flies on");
    road.HoldKey(kKeyW, 60);
    EXPECT_GT(Vec3Length(Vec3::Difference(ship.mPosition, home)), 2.0f) << road.CurrentStep();
}

}  // namespace
