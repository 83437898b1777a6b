// The store's description panel: what the cursor rests on, described on the other side of it.
#include <cstring>

#include "db/game_enums.h"
#include "ui/control_text.h"
#include "screens/store_screen.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kPanelMarginX = 20;
constexpr int kPanelMarginY = 20;
constexpr int kPanelLineStep = 15;
constexpr int kScreenMiddleX = 400;
constexpr int kUpperPanelY = 115;
constexpr int kLowerPanelY = 230;
constexpr int kRightPanelX = 410;

enum CoveredKind { kCoveredSnap, kCoveredDrag, kCoveredMouseOver, kCoveredSprite, kCoveredText };

bool Overlaps(int x, int y, int w, int h, int px, int py, int pw, int ph)
{
    return x < px + pw && px < x + w && y < py + ph && py < y + h;
}

}  // namespace

void CStoreScreen::OnMouseMove(int x, int y)
{
    // A drag in progress keeps the page as it is.
    for (const auto& [id, drag] : mDragButtons) {
        if (drag->dragging)
            return;
    }
    const CPlayerShip* ship = gPlayerShip;
    const int id = MouseOverButtonAt(x, y);
    if (!ship || id == 0) {
        HidePanel();
        return;
    }
    ShowHullMesh();

    const CDeviceInfo* device = nullptr;
    bool offered = false;
    std::vector<PanelLine> lines;
    auto placeIn = [&](int first, int count, auto* const* list, int used) {
        if (id >= first && id < first + count && id - first < used)
            device = list[id - first];
    };
    placeIn(kFirstWeaponHover, kPlayerListSize, ship->mWeapons, ship->mWeaponCount);
    placeIn(kFirstCargoHover, kPlayerListSize, ship->mCarried, ship->mCarriedCount);
    if (id == kShieldHover)
        device = ship->mShield;
    else if (id == kArmorHover)
        device = ship->mArmor;
    else if (id == kEngineHover)
        device = ship->mEngine;
    for (int kind = 0; kind < kOfferKindCount; ++kind) {
        const OfferPlaces& places = kOfferPlaces[kind];
        if (id >= places.firstHover && id < places.firstHover + places.capacity &&
            id - places.firstHover < static_cast<int>(mOffers[kind].size())) {
            device = mOffers[kind][id - places.firstHover];
            offered = true;
        }
    }
    if (device) {
        lines = DescribeDevice(*device, offered, PanelForm::kStore);
        ShowItemMesh(device->mDisplayMeshId);
    } else if (id >= kFirstRefillButton && id - kFirstRefillButton < static_cast<int>(mRefills.size())) {
        lines = DescribeRefill(*mRefills[id - kFirstRefillButton]);
    } else if (id == kRefuelButton && ship->mEngine) {
        lines = DescribeFuel(*ship->mEngine);
    } else if (id >= kFirstCompoundButton && id < kFirstCompoundButton + kSellableCompoundClasses) {
        lines = DescribeCompound(id - kFirstCompoundButton + 1);
    }
    if (lines.empty()) {
        HidePanel();
        return;
    }
    WritePanel(*this, kFirstPanelLine, lines);
    ShowPanel(x < kScreenMiddleX ? kRightPanelX : 0, y < kLowerPanelY ? kUpperPanelY : kLowerPanelY);
}

void CStoreScreen::ShowPanel(int x, int y)
{
    if (mPanelShown && (x != mPanelX || y != mPanelY))
        HidePanel();
    mPanelX = x;
    mPanelY = y;
    for (int i = 0; i < kPanelLineCount; ++i) {
        if (CTextControl* line = GetTextControl(kFirstPanelLine + i)) {
            line->x = x + kPanelMarginX;
            line->y = y + kPanelMarginY + kPanelLineStep * i;
            line->visible = 1;
        }
    }
    if (CSpriteControl* panel = GetSpriteControl(kPanelSprite)) {
        panel->x = x;
        panel->y = y;
        panel->visible = 1;
    }
    mPanelShown = true;
    HideCovered();
}

void CStoreScreen::HideCovered()
{
    const int x = mPanelX;
    const int y = mPanelY;
    auto cover = [&](int kind, int id, auto& control) {
        if (control.visible && Overlaps(control.x, control.y, control.width, control.height, x, y, kPanelWidth,
                                        kPanelHeight)) {
            control.visible = 0;
            mCovered.emplace_back(kind, id);
        }
    };
    for (auto& [id, snap] : mSnapControls)
        cover(kCoveredSnap, id, *snap);
    for (auto& [id, drag] : mDragButtons)
        cover(kCoveredDrag, id, *drag);
    for (auto& [id, button] : mMouseOverButtons)
        cover(kCoveredMouseOver, id, *button);
    for (auto& [id, sprite] : mSpriteControls) {
        if (id == kPanelSprite || id == kNoCreditsSprite || id == kEngineNotSoldSprite || id == kMissionNotSoldSprite)
            continue;
        int width = 0;
        int height = 0;
        GetSpriteExtent(sprite->spriteId, &width, &height);
        if (sprite->visible && Overlaps(sprite->x, sprite->y, width, height, x, y, kPanelWidth, kPanelHeight)) {
            sprite->visible = 0;
            mCovered.emplace_back(kCoveredSprite, id);
        }
    }
    for (auto& [id, text] : mTextControls) {
        if (id >= kFirstPanelLine && id < kFirstPanelLine + kPanelLineCount)
            continue;
        const int width = text->glyphAdvance * static_cast<int>(std::strlen(text->text));
        if (text->visible && Overlaps(text->x, text->y, width, text->glyphHeight, x, y, kPanelWidth, kPanelHeight)) {
            text->visible = 0;
            mCovered.emplace_back(kCoveredText, id);
        }
    }
}

void CStoreScreen::HidePanel()
{
    if (!mPanelShown)
        return;
    mPanelShown = false;
    for (int i = 0; i < kPanelLineCount; ++i) {
        if (CTextControl* line = GetTextControl(kFirstPanelLine + i))
            line->visible = 0;
    }
    if (CSpriteControl* panel = GetSpriteControl(kPanelSprite))
        panel->visible = 0;
    for (const auto& [kind, id] : mCovered) {
        switch (kind) {
        case kCoveredSnap:
            if (CSnapControl* snap = GetSnapControl(id))
                snap->visible = 1;
            break;
        case kCoveredDrag:
            if (CDragButton* drag = GetDragButton(id))
                drag->visible = 1;
            break;
        case kCoveredMouseOver:
            if (CMouseOverButton* button = GetMouseOverButton(id))
                button->visible = 1;
            break;
        case kCoveredSprite:
            if (CSpriteControl* sprite = GetSpriteControl(id))
                sprite->visible = 1;
            break;
        default:
            if (CTextControl* text = GetTextControl(id))
                text->visible = 1;
            break;
        }
    }
    mCovered.clear();
    // What the player did meanwhile decides what shows now.
    Rebuild();
    ShowHullMesh();
}

void CStoreScreen::ClearPanel()
{
    for (int i = 0; i < kPanelLineCount; ++i) {
        if (CTextControl* line = GetTextControl(kFirstPanelLine + i))
            line->SetText("");
    }
    HidePanel();
}
