// The in-flight screen: zoom steps, the death panel's click guard, the meters, enemy targeting,
// the hail box and the settings the options panel applies and writes.
#include "screens/flight_screen.h"

#include <cmath>

#include "core/camera.h"
#include "core/keys.h"
#include "core/sound_globals.h"
#include "engine/resource_manager.h"
#include "quests/quest.h"
#include "game_screens_fixture.h"
#include "screens/hail_box.h"
#include "screens/main_menu_screen.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/trigger_source.h"
#include "world/world_object.h"

namespace {

class FlightScreenTest : public GameScreensTest {
protected:
    void SettleCamera()
    {
        for (int i = 0; i < 2000; ++i)
            gCamera.Update();
    }
    CSpriteControl& Meter(int id)
    {
        CSpriteControl* meter = gFlightScreen->GetSpriteControl(id);
        EXPECT_NE(meter, nullptr) << "meter " << id;
        return *meter;
    }
    void ClickOn(int x, int y)
    {
        gFlightScreen->OnMouseDown(0, x, y);
        gFlightScreen->OnMouseUp(0, x, y);
    }
};

TEST_F(FlightScreenTest, ZoomStepsByTwentyAndStopsAtEitherEnd)
{
    FlyNewPilot();
    const auto zoom = [&](void (CFlightScreen::*step)(), int count) {
        std::vector<int> heights;
        for (int i = 0; i < count; ++i) {
            (gFlightScreen->*step)();
            SettleCamera();
            heights.push_back(static_cast<int>(std::lround(gCamera.GetEyeZ())));
        }
        return heights;
    };
    gCamera.SetEye(0.0f, 0.0f, -70.0f);
    gCamera.SetZoom(-70.0f);
    EXPECT_EQ(zoom(&CFlightScreen::ZoomOut, 3), (std::vector<int>{-90, -110, -110}));
    gCamera.SetEye(0.0f, 0.0f, -70.0f);
    gCamera.SetZoom(-70.0f);
    EXPECT_EQ(zoom(&CFlightScreen::ZoomIn, 4), (std::vector<int>{-50, -30, -10, -10}));
    gCurrentScreen = gMainMenuScreen;
    gFlightScreen->ZoomIn();
    SettleCamera();
    EXPECT_EQ(std::lround(gCamera.GetEyeZ()), -10) << "no zoom while another screen is current";
}

TEST_F(FlightScreenTest, AReleaseOnQuitAfterThePanelAppearedQuitsOnlyAfterANewPress)
{
    CPlayerShip& ship = FlyNewPilot();
    CButton* quit = gFlightScreen->GetButton(CFlightScreen::kQuitButton);
    ASSERT_NE(quit, nullptr);
    quit->visible = 1;
    const int x = quit->x + 4;
    const int y = quit->y + 4;
    gFlightScreen->OnMouseDown(0, x, y);
    ship.mActive = 0;
    gFlightScreen->Frame();
    ASSERT_TRUE(gFlightScreen->IsOptionsPanelShown()) << "the death panel";
    quit->visible = 1;
    gFlightScreen->OnMouseUp(0, x, y);
    EXPECT_FALSE(os::QuitPosted()) << "the press was made before the panel appeared";
    ClickOn(x, y);
    EXPECT_TRUE(os::QuitPosted());
}

TEST_F(FlightScreenTest, MetersShowTheirFractionAndHideWithoutTheirDevice)
{
    CPlayerShip& ship = FlyNewPilot();
    ASSERT_NE(ship.mShield, nullptr);
    ship.mShield->mPoints = 0;
    ship.mShield->mMaxPoints = 50;
    ship.mHitPoints = 120;
    ship.mMaxHitPoints = 100;
    ship.mEngine->mEnergy = ship.mEngine->mMaxEnergy / 2;
    CProbeObject* target = Place(rm->mObjects, 5001, kTypeOutpost, Vec3(10, 0, 30));
    target->mMaxHitPoints = 1;
    gFlightScreen->SetTarget(target);
    gFlightScreen->Frame();
    EXPECT_FALSE(Meter(CFlightScreen::kShieldMeter).visible) << "a shield of 0 points";
    EXPECT_TRUE(Meter(CFlightScreen::kHullMeter).visible);
    EXPECT_FLOAT_EQ(Meter(CFlightScreen::kHullMeter).xScale, 1.0f) << "capped at full";
    EXPECT_NEAR(Meter(CFlightScreen::kEnergyMeter).xScale, 0.5f, 0.05f);
    ship.UnequipArmor();
    ASSERT_EQ(ship.mArmor, nullptr);
    gFlightScreen->Frame();
    EXPECT_FALSE(Meter(CFlightScreen::kArmorMeter).visible) << "no armor";
}

// A probe answers 1 of 1 hit points; this one carries more than its maximum.
class OverchargedProbe : public CProbeObject {
public:
    using CProbeObject::CProbeObject;
    int GetMaxHitPoints() override { return 100; }
    int GetHitPoints() override { return 150; }
    int GetMeshId() override { return 22; }
};

TEST_F(FlightScreenTest, TheTargetMeterIsNotCapped)
{
    FlyNewPilot();
    auto* target = new OverchargedProbe(5002, kTypeOutpost, Vec3(10, 0, 30), 5.0f);
    rm->mObjects[5002] = target;
    gFlightScreen->SetTarget(target);
    gFlightScreen->Frame();
    EXPECT_TRUE(Meter(CFlightScreen::kTargetMeter).visible);
    EXPECT_FLOAT_EQ(Meter(CFlightScreen::kTargetMeter).xScale, 1.5f);
    gFlightScreen->SetTarget(nullptr);
    EXPECT_FALSE(Meter(CFlightScreen::kTargetMeter).visible);
    EXPECT_STREQ(gFlightScreen->GetTextControl(CFlightScreen::kTargetName)->text, "");
}

TEST_F(FlightScreenTest, ATargetShowsItsOwnName)
{
    FlyNewPilot();
    const std::pair<int, const char*> targets[] = {
        {1001, "Varn Exchange"}, {1006, "Ore Field: 20"}, {1004, "Wormhole"}, {1007, "Fracturing Rock"}};
    for (const auto& [id, name] : targets) {
        CWorldObject* object = rm->FindObject(id);
        ASSERT_NE(object, nullptr) << id;
        gFlightScreen->SetTarget(object);
        EXPECT_STREQ(gFlightScreen->GetTextControl(CFlightScreen::kTargetName)->text, name);
    }
    rm->EnterSystem(3);
    gFlightScreen->SetTarget(rm->FindObject(3010));
    EXPECT_STREQ(gFlightScreen->GetTextControl(CFlightScreen::kTargetName)->text, "Red Fang") << "not its hull";
}

TEST_F(FlightScreenTest, WithoutTheTargetMeterRowTheTargetStillShowsAndNothingBreaks)
{
    Content("DELETE FROM sprite_control WHERE control_id = 311;");
    FlyNewPilot();
    ASSERT_EQ(gFlightScreen->GetSpriteControl(CFlightScreen::kTargetMeter), nullptr);
    gFlightScreen->SetTarget(rm->FindObject(1001));
    gFlightScreen->Frame();
    EXPECT_STREQ(gFlightScreen->GetTextControl(CFlightScreen::kTargetName)->text, "Varn Exchange");
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(FlightScreenTest, TheTargetsOfADeadPilotGoWithTheShotTheWorldDeletes)
{
    CPlayerShip& ship = FlyNewPilot();
    CProbeObject* shot = Place(rm->mObjects, 5005, kTypeShot, ship.mPosition);
    gFlightScreen->SetTarget(shot);
    ship.mGuideTarget = shot;
    ship.mActive = 0;
    shot->mActive = 0;
    // The meters read the target after the world pass has deleted the spent shot.
    gFlightScreen->Frame();
    ASSERT_EQ(rm->mObjects.count(5005), 0u);
    EXPECT_EQ(ship.mTarget, nullptr);
    EXPECT_EQ(ship.mGuideTarget, nullptr);
}

TEST_F(FlightScreenTest, EveryScreenFlightHandsOverToEndsTheHeldButtons)
{
    FlyNewPilot();
    // The galaxy map, the information page, ship and crew, and the options panel.
    for (int key : {kKeyM, kKeyC, kKeyT, kKeyEscape}) {
        gCurrentScreen = gFlightScreen;
        gFlightScreen->OnMouseDown(0, 400, 250);
        gFlightScreen->OnMouseDown(1, 400, 250);
        ASSERT_TRUE(gFlightScreen->FireHeld() && gFlightScreen->RightButtonHeld()) << key;
        gFlightScreen->OnKeyDown(key);
        EXPECT_FALSE(gFlightScreen->FireHeld()) << key << ": the release goes elsewhere";
        EXPECT_FALSE(gFlightScreen->RightButtonHeld()) << key;
        if (gFlightScreen->IsOptionsPanelShown())
            gFlightScreen->OnKeyDown(kKeyEscape);
    }
}

TEST_F(FlightScreenTest, TheGlowPlaneIsSteadyAboveFiftyFramesASecondAndPulsesAtTen)
{
    FlyNewPilot();
    const int* alpha = gFlightScreen->GlowPlane().alpha;
    ScopedGlobal<float> scale(gFrameScale, 0.1f);
    const int start = *alpha;
    for (int frame = 0; frame < 50; ++frame)
        gFlightScreen->Frame();
    EXPECT_EQ(*alpha, start) << "a step of 0.5 is no whole step";
    gFrameScale = 1.0f;
    gFlightScreen->Frame();
    EXPECT_EQ(*alpha, start + 5);
}

TEST_F(FlightScreenTest, SpaceTargetsTheOutpostWhenTheShipIsNoNearerElseTheShip)
{
    CPlayerShip& ship = FlyNewPilot();
    rm->DeleteWorldObjects();
    const Vec3 at = ship.mPosition;
    CProbeObject* enemy = Place(rm->mObjects, 5003, kTypeLeadShip, Vec3(at.x + 20, at.y, 30));
    CProbeObject* outpost = Place(rm->mObjects, 5004, kTypeOutpost, Vec3(at.x - 20, at.y, 30));
    enemy->mAffiliate = outpost->mAffiliate = ship.mAffiliate + 1;
    gFlightScreen->OnKeyDown(kKeySpace);
    EXPECT_EQ(ship.mTarget, outpost);
    outpost->mActive = 0;
    gFlightScreen->OnKeyDown(kKeySpace);
    EXPECT_EQ(ship.mTarget, enemy) << "with no outpost left";
}

TEST_F(FlightScreenTest, AHailShowsTwelveLinesAtMostAndTheNextLineRisesInAfterAboutOneAndAHalfSeconds)
{
    // No quest offered on arrival hails over this one.
    ScopedGlobal<CTriggerSource*> noQuests(gTriggerSource, nullptr);
    FlyNewPilot();
    std::vector<std::string> texts;
    std::vector<const char*> lines;
    for (int i = 0; i < 15; ++i)
        texts.push_back("Line " + std::to_string(i));
    for (const std::string& text : texts)
        lines.push_back(text.c_str());
    gFlightScreen->SetTarget(gResourceManager->FindObject(1001));
    gFlightScreen->Hail(lines.data(), 15, "Probe");
    EXPECT_EQ(gFlightScreen->HailLineCount(), CFlightScreen::kHailLineLimit);
    CTextControl* second = gFlightScreen->GetTextControl(CFlightScreen::kFirstHailText + 1);
    ASSERT_NE(second, nullptr);
    ScopedGlobal<uint32_t> frameTime(gFrameTimeMs, 100);
    int frames = 0;
    while (!second->visible && frames < 100) {
        gFlightScreen->Frame();
        ++frames;
    }
    EXPECT_GE(frames, 15);
    EXPECT_LE(frames, 18);
    EXPECT_STREQ(second->text, "Line 1");
    const uint8_t& nameShown = gFlightScreen->GetTextControl(CFlightScreen::kTargetName)->visible;
    const uint8_t& frameShown = gFlightScreen->GetSpriteControl(CFlightScreen::kTargetFrame)->visible;
    EXPECT_FALSE(nameShown || frameShown) << "the target panel stands in the hail box";
    gFlightScreen->CloseHail();
    gFlightScreen->Frame();
    EXPECT_TRUE(nameShown && frameShown);
}

TEST(HailPortraitTest, KeywordsPickTheirPortraitExactlyAndAnyOtherIsTheProbe)
{
    EXPECT_EQ(PortraitSprite("miner"), 15102);
    EXPECT_EQ(PortraitSprite("xengar"), 15107);
    EXPECT_EQ(PortraitSprite("goth"), 15111);
    EXPECT_EQ(PortraitSprite("Probe"), 15109);
    EXPECT_EQ(PortraitSprite("Miner"), 15109) << "compared exactly";
    EXPECT_EQ(PortraitSprite(nullptr), 15109);
}

TEST_F(FlightScreenTest, BrightnessSetsTheAmbientGrey)
{
    FlyNewPilot();
    gFlightScreen->SetBrightness(100);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAmbient), 0xFFFAFAFAu);
    gFlightScreen->SetBrightness(0);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAmbient), 0xFF000000u);
    EXPECT_EQ(gFlightScreen->GetBrightness(), 0);
    gFlightScreen->SetBrightness(400);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAmbient), 0xFFFAFAFAu) << "the grey of the meter's end";
}

TEST_F(FlightScreenTest, AClickInTheOptionsPanelWritesTheSettingsRowAtOnce)
{
    FlyNewPilot();
    ScopedGlobal<uint8_t> wire(gWireFrame, 0);
    gFlightScreen->OnKeyDown(kKeyEscape);
    ASSERT_TRUE(gFlightScreen->IsOptionsPanelShown());
    CCheckBox* box = gFlightScreen->GetCheckBox(CFlightScreen::kWireFrameBox);
    ASSERT_TRUE(box && box->visible);
    ClickOn(box->x + 2, box->y + 2);
    EXPECT_EQ(gWireFrame, 1);
    const SettingsRecord* settings = gGameDatabase.LoadSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->wire_frame);
    CCheckBox* velocity = gFlightScreen->GetCheckBox(CFlightScreen::kVelocityBox);
    ClickOn(velocity->x + 2, velocity->y + 2);
    EXPECT_TRUE(gGameDatabase.LoadSettings()->display_velocity);
    EXPECT_TRUE(gFlightScreen->GetTextControl(CFlightScreen::kVelocityText)->visible);
    gFlightScreen->OnKeyDown(kKeyEscape);
    EXPECT_FALSE(box->visible) << "the panel's controls close with it";
}

TEST_F(FlightScreenTest, RespawnBringsTheShipHomeRepairedWithoutItsQuestsUnderWay)
{
    CPlayerShip& ship = FlyNewPilot();
    ship.AcceptQuest(1);
    ship.mCompletedQuests[2] = new CQuest(2);
    ship.mPosition = Vec3(ship.mHomeX + 50, ship.mHomeY + 50, ship.mPosition.z);
    ship.mHitPoints = 0;
    ship.mActive = 0;
    gFlightScreen->Frame();
    CButton* respawn = gFlightScreen->GetButton(CFlightScreen::kRespawnButton);
    ASSERT_TRUE(respawn && respawn->visible);
    ClickOn(respawn->x + 4, respawn->y + 4);
    EXPECT_TRUE(ship.mActive);
    EXPECT_EQ(ship.mHitPoints, ship.mMaxHitPoints);
    EXPECT_FLOAT_EQ(ship.mPosition.x, ship.mHomeX);
    EXPECT_FALSE(gFlightScreen->IsOptionsPanelShown());
    EXPECT_TRUE(ship.mActiveQuests.empty());
    EXPECT_EQ(ship.mCompletedQuests.count(2), 1u);
}

}  // namespace
