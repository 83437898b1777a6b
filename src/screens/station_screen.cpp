// The station screen: its controls, the services' prices each frame, and what its buttons do.
#include "screens/station_screen.h"

#include <algorithm>
#include <cstdio>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "screens/crew_screen.h"
#include "screens/flight_screen.h"
#include "screens/galaxy_map_screen.h"
#include "screens/info_screen.h"
#include "screens/mission_board_screen.h"
#include "screens/screen_return.h"
#include "screens/store_screen.h"
#include "screens/upgrade_screen.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/movie_control.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/floating_object.h"

namespace {

constexpr int kBackdropWidth = 800;
constexpr int kLaunchSound = 401;
constexpr float kLaunchOffset = 20.0f;
constexpr uint32_t kDimmed = 0x99FFFFFFu;
constexpr uint32_t kPlain = 0xFFFFFFFFu;
// Drawn mirrored so that they point the other way.
constexpr int kMirroredButtons[] = {CStationScreen::kGalaxyButton, CStationScreen::kCrewButton,
                                    CStationScreen::kInfoButton, CStationScreen::kStoreButton,
                                    CStationScreen::kUpgradeButton};
// The pages the station leads to, hidden while the hail panel is open.
constexpr int kPageButtons[] = {CStationScreen::kStoreButton, CStationScreen::kMissionsButton,
                                CStationScreen::kUpgradeButton, CStationScreen::kGalaxyButton,
                                CStationScreen::kCrewButton};

void SetPrice(CTextControl* text, int price)
{
    char line[32];
    std::snprintf(line, sizeof line, "$%d", price);
    text->SetText(line);
}

}  // namespace

CStationScreen::CStationScreen()
{
    mScreenId = kScreenId;
}

void CStationScreen::SetUpCamera()
{
    gCamera.Reset();
    gCamera.SetEye(0.0f, 0.0f, -20.0f);
    gCamera.SetTarget(0.0f, 0.0f, 0.0f);
    gCamera.Apply();
}

void CStationScreen::Enter()
{
    DeleteControls();
    SetUpCamera();
    LoadButtons();
    LoadTextControls();
    LoadSpriteControls();
    LoadMovieControls();
    LoadObjectControls();
    mBackdrop = ScreenSpriteId();
    RequireWayOut(*this, kLaunchButton);
    if (gPlayerShip && gPlayerShip->mEngine)
        gPlayerShip->mEngine->mEnergy = gPlayerShip->mEngine->mMaxEnergy;
    for (int id : kMirroredButtons) {
        CButton* button = GetButton(id);
        if (button && !button->flippedX)
            button->FlipHorizontal();
    }
    Show(kUpgradeButton, UpgradeFits());
    mEntered = 1;
}

bool CStationScreen::UpgradeFits() const
{
    if (!gPlayerShip)
        return false;
    RowList<UpgradeShipRow> hulls;
    return !gGameDatabase.GetUpgradeShips(hulls, gPlayerShip->mAlignment, static_cast<int>(gPlayerShip->mSize)).empty();
}

void CStationScreen::Show(int id, bool shown)
{
    const uint8_t visible = shown ? 1 : 0;
    if (CButton* button = GetButton(id))
        button->visible = visible;
    else if (CTextControl* text = GetTextControl(id))
        text->visible = visible;
    else if (CSpriteControl* sprite = GetSpriteControl(id))
        sprite->visible = visible;
    else if (CMovieControl* movie = GetMovieControl(id))
        movie->visible = visible;
}

void CStationScreen::ShowServices(bool shown)
{
    for (int id : kPageButtons)
        Show(id, shown && (id != kUpgradeButton || UpgradeFits()));
}

void CStationScreen::OpenForStation(int stationMeshId)
{
    if (!mEntered)
        Enter();
    mServices = stationMeshId != kNoServicesMesh ? 1 : 0;
    if (!mServices) {
        for (int id : {kRepairButton, kSellButton, kRepairText, kSaleText})
            Show(id, false);
    }
    ShowServices(mServices != 0 && !mHailOpen);
    mShownPrices = Prices{};
    CObjectControl* station = GetObjectControl(kStationObject);
    if (!station) {
        os::PostFailureQuit("no object control %d on the station screen", kStationObject);
        return;
    }
    station->meshId = stationMeshId;
    station->meshRecord.meshId = stationMeshId;
}

int CStationScreen::Frame()
{
    if (!mEntered)
        Enter();
    SetUpCamera();
    PulseButtons();
    gResourceManager->DrawScreenSprite(mBackdrop, kBackdropWidth);
    DrawObjectControls();
    ShowPrices();
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    DrawControls();
    return 0;
}

void CStationScreen::PulseButtons()
{
    if (!gPlayerShip)
        return;
    if (CButton* crew = GetButton(kCrewButton))
        crew->colour = gPlayerShip->mLevelUps > 0 ? RedPulse(gPulse) : kDimmed;
    const CEngine* engine = gPlayerShip->mEngine;
    const bool low = engine && engine->mFuel < engine->mMaxFuel / 2;
    if (CButton* refuel = GetButton(kRefuelButton))
        refuel->colour = low ? RedPulse(gPulse) : kDimmed;
    if (CTextControl* price = GetTextControl(kRefuelText))
        price->colour = low ? RedPulse(gPulse) : kPlain;
}

void CStationScreen::ShowPrices()
{
    if (!gPlayerShip)
        return;
    const CEngine* engine = gPlayerShip->mEngine;
    const Prices prices{gPlayerShip->GetRepairCost(), gPlayerShip->GetCompoundSaleValue(),
                        engine && engine->mMaxFuel > engine->mFuel ? engine->mMaxFuel - engine->mFuel : 0};
    // The buttons and texts change with the prices, and stay as they are while nothing changes.
    if (prices == mShownPrices)
        return;
    mShownPrices = prices;
    ShowPrice(kRepairButton, kRepairText, std::min(prices.repair, kMaxRepairPrice));
    ShowPrice(kSellButton, kSaleText, prices.sale);
    ShowPrice(kRefuelButton, kRefuelText, prices.refuel);
}

void CStationScreen::ShowPrice(int buttonId, int textId, int price)
{
    Show(buttonId, price != 0);
    Show(textId, price != 0);
    if (CTextControl* text = GetTextControl(textId); text && price != 0)
        SetPrice(text, price);
}

void CStationScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CStationScreen::OnMouseMove(int, int)
{
}

void CStationScreen::OnMouseUp(int button, int x, int y)
{
    const int id = OnMouseUpControls(x, y);
    if (button == 2)
        CloseHail();
    switch (id) {
    case kLaunchButton:
        Launch();
        break;
    case kStoreButton:
        OpenPage(gStoreScreen);
        break;
    case kMissionsButton:
        OpenPage(gMissionBoardScreen);
        break;
    case kUpgradeButton:
        OpenPage(gShipUpgradeScreen);
        break;
    case kGalaxyButton:
        OpenPage(gGalaxyMapScreen);
        break;
    case kCrewButton:
        OpenPage(gShipStatusScreen);
        break;
    case kInfoButton:
        gInfoScreen->ShowBack();
        OpenPage(gInfoScreen);
        break;
    case kRepairButton:
        Repair();
        break;
    case kSellButton:
        SellCompounds();
        break;
    case kRefuelButton:
        Refuel();
        break;
    default:
        break;
    }
}

void CStationScreen::OpenPage(CScreen* page)
{
    if (!page)
        return;
    page->SetReturnScreen(this);
    gCurrentScreen = page;
}

void CStationScreen::Launch()
{
    gSoundRequest = SoundRequest{kLaunchSound, &gZeroVector};
    gResourceManager->PlaySoundAt(gSoundRequest);
    if (gPlayerShip) {
        gPlayerShip->mPosition.x += kLaunchOffset;
        gPlayerShip->mPosition.y += kLaunchOffset;
        gPlayerShip->mDestination = gPlayerShip->mPosition;
        gPlayerShip->mTarget = nullptr;
        gCamera.SetEye(gPlayerShip->mPosition.x, gPlayerShip->mPosition.y, gCameraHeight);
    }
    gCamera.SetZoom(gCameraHeight);
    gFlightScreen->ReleaseMouseButtons();
    gCurrentScreen = gFlightScreen;
}

void CStationScreen::Repair()
{
    if (!gPlayerShip)
        return;
    gPlayerShip->AddCredits(-std::min(gPlayerShip->GetRepairCost(), kMaxRepairPrice));
    gPlayerShip->Restore();
}

void CStationScreen::SellCompounds()
{
    if (!gPlayerShip)
        return;
    gPlayerShip->AddCredits(gPlayerShip->GetCompoundSaleValue());
    gPlayerShip->ClearSellableCompounds();
}

void CStationScreen::Refuel()
{
    if (!gPlayerShip || !gPlayerShip->mEngine)
        return;
    CEngine& engine = *gPlayerShip->mEngine;
    gPlayerShip->AddCredits(static_cast<double>(engine.mFuel) - engine.mMaxFuel);
    engine.mFuel = engine.mMaxFuel;
}
