// The store's stock: drawn from the devices the pilot could soon fit, and bought by dragging an
// offer onto the ship or into the cargo.
#include <cstdio>
#include <cstdlib>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "screens/store_screen.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

const CStoreScreen::OfferPlaces CStoreScreen::kOfferPlaces[kOfferKindCount] = {
    {2300, 2200, 2350, 10, kDeviceWeapon},
    {2310, 2210, 2360, 5, kDeviceArmor},
    {2315, 2215, 2365, 5, kDeviceEngine},
    {2320, 2220, 2370, 5, kDeviceShield},
};

namespace {

// The kind of offer a device type is sold as; kOfferKindCount for types the store does not sell.
int OfferKindOf(int deviceType)
{
    for (int kind = 0; kind < CStoreScreen::kOfferKindCount; ++kind) {
        if (CStoreScreen::kOfferPlaces[kind].deviceType == deviceType)
            return kind;
    }
    return CStoreScreen::kOfferKindCount;
}

}  // namespace

void CStoreScreen::DeleteOffers()
{
    for (std::vector<CDeviceInfo*>& offers : mOffers) {
        for (CDeviceInfo* offer : offers)
            delete offer;
        offers.clear();
    }
}

void CStoreScreen::Restock()
{
    // The unsold stock of the last visit goes before a new one is drawn.
    DeleteOffers();
    const CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    RowList<DeviceForSaleRow> rows;
    gGameDatabase.GetDevicesForSale(rows, ship->mAlignment, ship->mLevel + 1, ship->mShipLevel + 100,
                                    ship->mSize + 2.0f, ship->mCommunication + 5, ship->mEngineering + 5,
                                    ship->mNavigation + 5, ship->mScience + 5, ship->mTactical + 5);
    for (const DeviceForSaleRow* row : rows) {
        // The walk ends as soon as any kind is full.
        bool full = false;
        for (int kind = 0; kind < kOfferKindCount; ++kind)
            full = full || static_cast<int>(mOffers[kind].size()) >= kOfferPlaces[kind].capacity;
        if (full)
            break;
        const int kind = OfferKindOf(row->device_type);
        if (kind == kOfferKindCount)
            continue;
        // A weapon without its weapon row could be neither built nor fired; its author hears of it
        // at every stocking, drawn or not.
        if (kind == kWeaponOffers && gResourceManager->GetWeaponType(row->device_id) == kWeaponNone) {
            std::fprintf(stderr, "varnok: device %d is not offered: it has no row in any weapon table\n",
                         row->device_id);
            continue;
        }
        // Only what is filed is built: every other weapon row is passed over.
        if (kind == kWeaponOffers && std::rand() % 2 == 0)
            continue;
        if (CDeviceInfo* device = gGameDatabase.CreateDevice(row->device_id))
            mOffers[kind].push_back(device);
    }
}

CDeviceInfo* CStoreScreen::TakeOffer(OfferKind kind, int index)
{
    CDeviceInfo* offer = mOffers[kind][index];
    mOffers[kind].erase(mOffers[kind].begin() + index);
    return offer;
}

bool CStoreScreen::Pay(CPlayerShip& ship, const CDeviceInfo& offer)
{
    const int price = ship.PurchasePrice(offer.mCreditValue);
    if (ship.mCredits < price) {
        ShowNotice(kNoCreditsSprite);
        return false;
    }
    ship.AddCredits(-price);
    PlayUiSound();
    return true;
}

void CStoreScreen::DropOffer(CPlayerShip& ship, OfferKind kind, int index, int snapId)
{
    if (index >= static_cast<int>(mOffers[kind].size()))
        return;
    CDeviceInfo& offer = *mOffers[kind][index];
    const bool toCargo = snapId >= kFirstCargoSnap && snapId < kFirstCargoSnap + kPlayerListSize;
    // A full hold takes nothing: the price is not taken for a device that would be lost.
    if (toCargo && ship.mCarriedCount >= kPlayerListSize)
        return;
    const bool toWeapons = snapId >= kFirstWeaponSnap && snapId < kFirstWeaponSnap + kPlayerListSize;
    bool fits = toCargo;
    switch (kind) {
    case kWeaponOffers:
        fits = fits || (toWeapons && ship.mWeaponCount < kPlayerListSize);
        break;
    case kArmorOffers:
        fits = fits || (snapId == kArmorSnap && !ship.mArmor);
        break;
    case kEngineOffers:
        fits = fits || (snapId == kEngineSnap && !ship.mEngine);
        break;
    case kShieldOffers:
        fits = fits || (snapId == kShieldSnap && !ship.mShield);
        break;
    default:
        break;
    }
    if (!fits || !Pay(ship, offer))
        return;

    CDeviceInfo* bought = TakeOffer(kind, index);
    if (toCargo) {
        // A device bought into the hold comes with its full load.
        if (kind == kWeaponOffers)
            ship.StoreAmmo(bought->mDeviceId, static_cast<CWeaponInfo*>(bought)->mMaxAmmo);
        else if (kind == kEngineOffers)
            ship.StoreAmmo(bought->mDeviceId, static_cast<CEngine*>(bought)->mMaxFuel);
        ship.AddCarriedDevice(bought);
        return;
    }
    switch (kind) {
    case kWeaponOffers:
        // The weapon slots hold the shared record of the device; the store's copy goes.
        ship.AddWeapon(gResourceManager->GetDeviceWeaponInfo(bought->mDeviceId));
        delete bought;
        break;
    case kArmorOffers:
        ship.mArmor = static_cast<CArmor*>(bought);
        ship.mArmor->Attach(&ship);
        break;
    case kEngineOffers:
        ship.mEngine = static_cast<CEngine*>(bought);
        ship.mEngine->Attach(&ship);
        ship.mEngine->mFuel = ship.mEngine->mMaxFuel;
        break;
    case kShieldOffers:
        ship.mShield = static_cast<CShield*>(bought);
        ship.mShield->Attach(&ship);
        break;
    default:
        break;
    }
}
