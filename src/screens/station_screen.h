// CStationScreen: the page shown while docked. It repairs, refuels and buys the mined compounds,
// leads to the store and the other station pages, shows a quest step's conversation in its hail
// panel, and launches back into flight.
#pragma once

#include <cstdint>

#include "world/station_view.h"

class CStationScreen : public CStationView {
public:
    static constexpr int kScreenId = 9;
    static constexpr int kStationObject = 75;
    static constexpr int kLaunchButton = 400;
    static constexpr int kStoreButton = 401;
    static constexpr int kMissionsButton = 402;
    static constexpr int kUpgradeButton = 404;
    static constexpr int kRepairButton = 405;
    static constexpr int kRepairText = 406;
    static constexpr int kGalaxyButton = 407;
    static constexpr int kCrewButton = 408;
    static constexpr int kInfoButton = 409;
    static constexpr int kSellButton = 410;
    static constexpr int kSaleText = 411;
    static constexpr int kRefuelButton = 412;
    static constexpr int kRefuelText = 413;
    static constexpr int kHailPanel = 1502;
    static constexpr int kHailPortrait = 1503;
    static constexpr int kHailFrame = 1504;
    static constexpr int kFirstHailLine = 1510;
    static constexpr int kHailLineCount = 32;
    static constexpr int kHailCaption = 1542;
    static constexpr int kHailHint = 1543;
    // The mesh of a station without services.
    static constexpr int kNoServicesMesh = 1055;
    // The repair button never asks more than this, whatever it mends.
    static constexpr int kMaxRepairPrice = 10;

    CStationScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    // Esc closes the hail; Space shows its next feed.
    void OnKeyDown(int key) override;

    void OpenForStation(int stationMeshId) override;
    void Hail(int questStepId, const char* affiliate) override;
    void ShowHailPanel(bool open);
    bool IsHailOpen() const { return mHailOpen != 0; }

private:
    void SetUpCamera();
    // The repair, sale and refuel buttons and prices follow the ship's state.
    void ShowPrices();
    // The button and its price shown for a price above 0, both hidden for 0.
    void ShowPrice(int buttonId, int textId, int price);
    void PulseButtons();
    void Launch();
    void Repair();
    void SellCompounds();
    void Refuel();
    void OpenPage(CScreen* page);
    void CloseHail();
    void ShowFeed(int feed);
    // The buttons that lead to the station's services, shown only where it has them.
    void ShowServices(bool shown);
    bool UpgradeFits() const;
    void Show(int id, bool shown);

    // What the repair, sale and refuel buttons show; -1 before the first frame of a docking.
    struct Prices {
        int repair = -1;
        int sale = -1;
        int refuel = -1;
        bool operator==(const Prices&) const = default;
    };

    Prices mShownPrices;
    int mBackdrop = 0;
    int mFeed = 1;
    int mLastFeed = 0;
    int mHailStep = 0;
    uint8_t mHailOpen = 0;
    // The docked station has services (store, missions, upgrade and the rest).
    uint8_t mServices = 1;
};

extern CStationScreen* gStationScreen;
