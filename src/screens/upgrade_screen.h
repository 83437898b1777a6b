// CShipUpgradeScreen: the shipyard, where a docked pilot trades the hull for a larger one of the
// same alignment, paying the difference in value.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/screen.h"

class CPlayerShip;

// The price of a hull worth creditValue for this pilot: the pilot's buying share of its value
// less the value of the hull flown now, never below 100. The old hull is not refunded.
int UpgradePrice(const CPlayerShip& ship, int creditValue);

class CShipUpgradeScreen : public CScreen {
public:
    static constexpr int kScreenId = 14;
    static constexpr int kHullView = 80;
    static constexpr int kFirstDescriptionText = 800;
    static constexpr int kDescriptionLines = 9;
    static constexpr int kPreviousButton = 813;
    static constexpr int kBuyButton = 814;
    static constexpr int kNextButton = 815;
    static constexpr int kPriceText = 817;
    static constexpr int kHitPointsText = 818;
    static constexpr int kSizeText = 819;
    static constexpr int kCargoText = 820;
    static constexpr int kLevelText = 821;
    static constexpr int kNameText = 823;
    static constexpr int kBackButton = 824;
    static constexpr int kNoCreditsNotice = 825;
    static constexpr int kCreditsText = 826;
    static constexpr int kLevelNotice = 644;

    CShipUpgradeScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    // Esc leaves, as Back does.
    void OnKeyDown(int key) override;

    // The ship_id of the hull on show; 0 when no offered hull is larger than the pilot's.
    int ShownShipId() const;

private:
    // Steps through the offered hulls (+1 or -1, wrapping) to the next one larger than the
    // pilot's; after one whole round without one, nothing is on show.
    void Step(int direction);
    void ShowHull();
    void ShowNoHull();
    void Buy();
    void Leave();

    int mBackdrop = 0;
    std::vector<int> mHullIds;
    size_t mSelection = 0;
    bool mHullShown = false;
};

extern CShipUpgradeScreen* gShipUpgradeScreen;
