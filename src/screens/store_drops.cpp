// What a drop on the store does: equipping, unequipping, selling and buying by drag and drop.
#include "core/saturated.h"
#include "db/game_enums.h"
#include "screens/store_screen.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

bool InRange(int id, int first, int count)
{
    return id >= first && id < first + count;
}

bool IsCargo(int snapId)
{
    return InRange(snapId, CStoreScreen::kFirstCargoSnap, kPlayerListSize);
}

bool IsSell(int snapId)
{
    return InRange(snapId, CStoreScreen::kFirstSellSnap, CStoreScreen::kSellSnapCount);
}

// Any slot of the ship: the weapon slots, the shield, the armor and the engine.
bool IsEquipSlot(int snapId)
{
    return InRange(snapId, CStoreScreen::kFirstWeaponSnap, CStoreScreen::kEngineSnap - CStoreScreen::kFirstWeaponSnap + 1);
}

void Sell(CPlayerShip& ship, const CDeviceInfo& device)
{
    ship.mCredits = CreditsAfterSale(ship.mCredits, ship.SellFactor(), device.mCreditValue);
    PlayUiSound();
}

}  // namespace

int CreditsAfterSale(int credits, float sellFactor, int creditValue)
{
    return SaturatedInt(static_cast<double>(credits) +
                        static_cast<double>(sellFactor * static_cast<float>(creditValue)));
}

void CStoreScreen::OnDrop(int dragId, int snapId)
{
    // What was described may move or go; the next hover describes it again.
    HidePanel();
    if (CPlayerShip* ship = gPlayerShip) {
        if (InRange(dragId, kFirstWeaponDrag, kPlayerListSize)) {
            DropInstalledWeapon(*ship, dragId - kFirstWeaponDrag, snapId);
        } else if (InRange(dragId, kFirstCargoDrag, kPlayerListSize)) {
            DropCargo(*ship, dragId - kFirstCargoDrag, snapId);
        } else if (dragId == kShieldDrag || dragId == kArmorDrag || dragId == kEngineDrag) {
            DropInstalled(*ship, dragId, snapId);
        } else {
            for (int kind = 0; kind < kOfferKindCount; ++kind) {
                const OfferPlaces& places = kOfferPlaces[kind];
                if (InRange(dragId, places.firstDrag, places.capacity))
                    DropOffer(*ship, static_cast<OfferKind>(kind), dragId - places.firstDrag, snapId);
            }
        }
    }
    Reseat();
}

void CStoreScreen::DropInstalledWeapon(CPlayerShip& ship, int slot, int snapId)
{
    if (slot >= ship.mWeaponCount)
        return;
    if (IsCargo(snapId)) {
        ship.UnequipToCargo(slot);
    } else if (IsSell(snapId)) {
        Sell(ship, *ship.mWeapons[slot]);
        ship.RemoveWeapon(slot);
    }
}

void CStoreScreen::DropCargo(CPlayerShip& ship, int slot, int snapId)
{
    if (slot >= ship.mCarriedCount)
        return;
    CDeviceInfo& device = *ship.mCarried[slot];
    if (IsEquipSlot(snapId)) {
        // Refused: the panel says what the pilot lacks.
        if (!ship.EquipCarriedDevice(slot)) {
            WritePanel(*this, kFirstPanelLine, DescribeDevice(device, false, PanelForm::kStore));
            ShowPanel(mPanelX, mPanelY);
        }
    } else if (IsSell(snapId)) {
        if (device.mDeviceType == kDeviceEngine && !ship.mEngine) {
            ShowNotice(kEngineNotSoldSprite);
        } else if (device.mDeviceType == kDeviceQuest) {
            ShowNotice(kMissionNotSoldSprite);
        } else {
            Sell(ship, device);
            ship.RemoveCarriedDevice(slot);
        }
    }
}

void CStoreScreen::DropInstalled(CPlayerShip& ship, int dragId, int snapId)
{
    if (IsCargo(snapId)) {
        if (dragId == kShieldDrag)
            ship.UnequipShield();
        else if (dragId == kArmorDrag)
            ship.UnequipArmor();
        else
            ship.UnequipEngine();
        return;
    }
    if (!IsSell(snapId))
        return;
    if (dragId == kEngineDrag) {
        ShowNotice(kEngineNotSoldSprite);
    } else if (dragId == kArmorDrag && ship.mArmor) {
        Sell(ship, *ship.mArmor);
        delete ship.mArmor;
        ship.mArmor = nullptr;
    } else if (dragId == kShieldDrag && ship.mShield) {
        Sell(ship, *ship.mShield);
        delete ship.mShield;
        ship.mShield = nullptr;
    }
}
