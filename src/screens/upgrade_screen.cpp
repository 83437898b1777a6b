// The shipyard: stepping through the larger hulls of the pilot's alignment, their figures and
// price, and the purchase.
#include "screens/upgrade_screen.h"

#include <algorithm>
#include <cstdio>

#include "core/keys.h"
#include "core/saturated.h"
#include "db/game_database.h"
#include "screens/hull_view.h"
#include "screens/screen_return.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"

namespace {

constexpr int kMinimumPrice = 100;
constexpr float kHullAngle = 1.5708f + 0.5236f;
// A hull's ship level asks twice that pilot level.
constexpr int kLevelsPerShipLevel = 2;
constexpr const char* kNoLargerHull = "No larger hull is offered to your alignment.";

void Show(CButton* button, bool shown)
{
    if (button)
        button->visible = shown ? 1 : 0;
}

void Show(CSpriteControl* sprite, bool shown)
{
    if (sprite)
        sprite->visible = shown ? 1 : 0;
}

}  // namespace

int UpgradePrice(const CPlayerShip& ship, int creditValue)
{
    // The buying share is truncated before the old hull's value comes off.
    const int share = ship.PurchasePrice(creditValue);
    return std::max(SaturatedInt(static_cast<double>(share) - ship.mHullCreditValue), kMinimumPrice);
}

CShipUpgradeScreen::CShipUpgradeScreen()
{
    mScreenId = kScreenId;
}

int CShipUpgradeScreen::ShownShipId() const
{
    return mHullShown ? mHullIds[mSelection] : 0;
}

void CShipUpgradeScreen::Enter()
{
    DeleteControls();
    LoadTextControls();
    LoadButtons();
    LoadObjectControls();
    LoadSpriteControls();
    mBackdrop = ScreenSpriteId();
    RequireWayOut(*this, kBackButton);
    mEntered = 1;

    mHullIds.clear();
    mSelection = 0;
    if (gPlayerShip) {
        RowList<UpgradeShipRow> rows;
        for (const UpgradeShipRow* row :
             gGameDatabase.GetUpgradeShips(rows, gPlayerShip->mAlignment, static_cast<int>(gPlayerShip->mSize)))
            mHullIds.push_back(row->ship_id);
    }
    // The page opens on the next larger hull after the first offered one.
    Step(1);
    PlaceHullViewCamera();
    ShowHull();
}

int CShipUpgradeScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(mBackdrop);
    return 0;
}

void CShipUpgradeScreen::Step(int direction)
{
    mHullShown = false;
    const size_t count = mHullIds.size();
    if (count == 0 || !gPlayerShip)
        return;
    // The offer was chosen by the whole size, so a round may find nothing larger than the
    // exact size: one round is the end of the search.
    for (size_t tried = 0; tried < count; ++tried) {
        mSelection = direction > 0 ? (mSelection + 1) % count : (mSelection + count - 1) % count;
        const ShipRecord* hull = gGameDatabase.GetShip(mHullIds[mSelection]);
        if (hull && hull->size > gPlayerShip->mSize) {
            mHullShown = true;
            return;
        }
    }
}

void CShipUpgradeScreen::ShowHull()
{
    char text[64];
    std::snprintf(text, sizeof text, "%d", gPlayerShip ? gPlayerShip->mCredits : 0);
    SetScreenText(*this, kCreditsText, text);
    const ShipRecord* found = mHullShown ? gGameDatabase.GetShip(ShownShipId()) : nullptr;
    if (!found) {
        ShowNoHull();
        return;
    }
    // The record lives until the next hull query; the description query below is another.
    const ShipRecord hull = *found;
    for (int id : {kPreviousButton, kNextButton, kBuyButton})
        Show(GetButton(id), true);
    SetScreenText(*this, kNameText, hull.ship_type);
    std::snprintf(text, sizeof text, "%d", UpgradePrice(*gPlayerShip, hull.credit_value));
    SetScreenText(*this, kPriceText, text);
    std::snprintf(text, sizeof text, "%d", hull.max_hit_points);
    SetScreenText(*this, kHitPointsText, text);
    std::snprintf(text, sizeof text, "%.2f", hull.size);
    SetScreenText(*this, kSizeText, text);
    std::snprintf(text, sizeof text, "%d", hull.max_cargo);
    SetScreenText(*this, kCargoText, text);
    std::snprintf(text, sizeof text, "%d", kLevelsPerShipLevel * hull.ship_level);
    SetScreenText(*this, kLevelText, text);
    if (CObjectControl* view = GetObjectControl(kHullView)) {
        view->meshId = hull.mesh_id;
        view->meshRecord.meshId = hull.mesh_id;
        view->rotation.z = kHullAngle;
        view->visible = 1;
    }
    ShowShipDescription(*this, kFirstDescriptionText, kDescriptionLines, hull.ship_id);
}

void CShipUpgradeScreen::ShowNoHull()
{
    for (int id : {kPreviousButton, kNextButton, kBuyButton})
        Show(GetButton(id), false);
    for (int id : {kNameText, kPriceText, kHitPointsText, kSizeText, kCargoText, kLevelText})
        SetScreenText(*this, id, "");
    if (CObjectControl* view = GetObjectControl(kHullView))
        view->visible = 0;
    ShowShipDescription(*this, kFirstDescriptionText, kDescriptionLines, 0);
    SetScreenText(*this, kFirstDescriptionText, kNoLargerHull);
}

void CShipUpgradeScreen::Buy()
{
    const ShipRecord* hull = mHullShown && gPlayerShip ? gGameDatabase.GetShip(ShownShipId()) : nullptr;
    if (!hull)
        return;
    const int price = UpgradePrice(*gPlayerShip, hull->credit_value);
    const bool levelMet = kLevelsPerShipLevel * hull->ship_level <= gPlayerShip->mLevel;
    if (levelMet && price <= gPlayerShip->mCredits) {
        gPlayerShip->AddCredits(-price);
        gPlayerShip->ChangeHull(hull->ship_id);
        Leave();
        return;
    }
    // The notices take the place of the next button until the next press.
    Show(GetButton(kNextButton), false);
    Show(GetSpriteControl(kNoCreditsNotice), levelMet);
    Show(GetSpriteControl(kLevelNotice), !levelMet);
}

void CShipUpgradeScreen::Leave()
{
    mEntered = 0;
    ReturnTo(mReturnScreen);
}

void CShipUpgradeScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
    Show(GetSpriteControl(kNoCreditsNotice), false);
    Show(GetSpriteControl(kLevelNotice), false);
    Show(GetButton(kNextButton), mHullShown);
}

void CShipUpgradeScreen::OnMouseUp(int, int x, int y)
{
    switch (OnMouseUpControls(x, y)) {
    case kBackButton:
        Leave();
        break;
    case kNextButton:
        Step(1);
        ShowHull();
        break;
    case kPreviousButton:
        Step(-1);
        ShowHull();
        break;
    case kBuyButton:
        Buy();
        break;
    default:
        break;
    }
}

void CShipUpgradeScreen::OnMouseMove(int, int)
{
}

void CShipUpgradeScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape)
        Leave();
}
