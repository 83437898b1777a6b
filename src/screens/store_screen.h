// CStoreScreen: the station's equipment store. It shows the ship's installed devices, weapon and
// cargo slots, a stock drawn at the first visit in each system and four sell slots; devices move
// by dragging. Buttons refill ammunition, refuel and sell each class of compounds, and hovering
// an item describes it in the panel.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "screens/device_panel.h"
#include "ui/screen.h"

class CDeviceInfo;
class CPlayerShip;
class CWeaponInfo;

class CStoreScreen : public CScreen {
public:
    static constexpr int kScreenId = 11;
    static constexpr int kBackdrop = 600;
    static constexpr int kItemObject = 101;
    static constexpr int kBackButton = 645;
    static constexpr int kNoCreditsSprite = 646;
    static constexpr int kEngineNotSoldSprite = 647;
    static constexpr int kMissionNotSoldSprite = 648;
    static constexpr int kCreditsText = 2410;
    static constexpr int kFirstCargoSnap = 2000;
    static constexpr int kFirstWeaponSnap = 2010;
    static constexpr int kShieldSnap = 2020;
    static constexpr int kArmorSnap = 2021;
    static constexpr int kEngineSnap = 2022;
    static constexpr int kFirstSellSnap = 2230;
    static constexpr int kSellSnapCount = 4;
    static constexpr int kFirstCargoDrag = 2100;
    static constexpr int kFirstWeaponDrag = 2110;
    static constexpr int kShieldDrag = 2120;
    static constexpr int kArmorDrag = 2121;
    static constexpr int kEngineDrag = 2122;
    static constexpr int kFirstCargoHover = 2150;
    static constexpr int kFirstWeaponHover = 2160;
    static constexpr int kShieldHover = 2170;
    static constexpr int kArmorHover = 2171;
    static constexpr int kEngineHover = 2172;
    static constexpr int kFirstRefillButton = 2050;
    static constexpr int kFirstRefillPlaceholder = 2070;
    static constexpr int kRefillCount = 15;
    static constexpr int kRefuelButton = 2085;
    static constexpr int kRefuelPlaceholder = 2086;
    static constexpr int kFirstCompoundButton = 2090;
    static constexpr int kFirstCompoundPlaceholder = 2094;
    static constexpr int kSellableCompoundClasses = 4;
    static constexpr int kFirstPanelLine = 2390;
    static constexpr int kPanelSprite = 2420;
    static constexpr int kPanelWidth = 380;
    static constexpr int kPanelHeight = 340;

    // The kinds on sale, each with its drag buttons, snaps and hover buttons.
    enum OfferKind { kWeaponOffers, kArmorOffers, kEngineOffers, kShieldOffers, kOfferKindCount };
    struct OfferPlaces {
        int firstDrag;
        int firstSnap;
        int firstHover;
        int capacity;
        int deviceType;
    };
    static const OfferPlaces kOfferPlaces[kOfferKindCount];

    CStoreScreen();
    // Deletes the offers that were not sold.
    ~CStoreScreen() override;

    // Loads the controls and draws a new stock.
    void Enter() override;
    int Frame() override;
    void OnDrop(int dragButtonId, int snapControlId) override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    // Describes the item under the cursor in the panel, on the other side of the cursor.
    void OnMouseMove(int x, int y) override;
    // Esc leaves for the station, as the station button does.
    void OnKeyDown(int key) override;

    // The whole page from the player's state.
    void Rebuild();
    // Every drag button of a used place on its snap, the others hidden with their snaps empty.
    void Reseat();
    void ShowPanel(int x, int y);
    void HidePanel();
    void ClearPanel();

    const std::vector<CDeviceInfo*>& Offers(OfferKind kind) const { return mOffers[kind]; }
    const std::vector<CWeaponInfo*>& Refills() const { return mRefills; }

private:
    void SetUpCamera();
    void Leave();
    // Object control 101 shows the mesh: the hovered item's, else the hull's.
    void ShowItemMesh(int meshId);
    void ShowHullMesh();
    void Restock();
    void DeleteOffers();
    void ShowCredits();
    void Show(int id, bool shown);
    // A used place shows its drag button with the sprite (0 keeps the one it has) on the snap.
    void Seat(int dragId, int snapId, bool used, int spriteId);
    void RebuildRefills();
    void Refuel(CPlayerShip& ship);
    void SellCompounds(CPlayerShip& ship, int compoundClass);
    void Refill(CPlayerShip& ship, int entry);
    // Hides what the shown panel covers, remembering it.
    void HideCovered();

    // Drops of the ship's own devices and of the offers.
    void DropInstalledWeapon(CPlayerShip& ship, int slot, int snapId);
    void DropCargo(CPlayerShip& ship, int slot, int snapId);
    void DropInstalled(CPlayerShip& ship, int dragId, int snapId);
    void DropOffer(CPlayerShip& ship, OfferKind kind, int index, int snapId);
    // Takes the price; false, with the not-enough-credits notice, when the credits fall short.
    bool Pay(CPlayerShip& ship, const CDeviceInfo& offer);
    // The offer leaves the stock, the later ones moving down one place.
    CDeviceInfo* TakeOffer(OfferKind kind, int index);
    void ShowNotice(int spriteId);

    uint8_t mRebuildPending = 1;
    int mBackdrop = kBackdrop;
    std::vector<CDeviceInfo*> mOffers[kOfferKindCount];
    std::vector<CWeaponInfo*> mRefills;
    bool mPanelShown = false;
    int mPanelX = 0;
    int mPanelY = 0;
    // Controls the panel hid, by kind (0 snap, 1 drag, 2 mouse-over, 3 sprite, 4 text) and id.
    std::vector<std::pair<int, int>> mCovered;
};

// The device types' drag-button sprites.
int DeviceIconSprite(int deviceType);
// A device sold at the sell factor: the sum is truncated.
int CreditsAfterSale(int credits, float sellFactor, int creditValue);

extern CStoreScreen* gStoreScreen;
