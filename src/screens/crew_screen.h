// CShipStatusScreen: the ship-and-crew page: the pilot, the crew's skills and what each gives,
// the ship's figures, skill points to spend, and the devices in drag-and-drop slots to equip,
// unequip or jettison into space.
#pragma once

#include "ui/screen.h"

class CDeviceInfo;

class CShipStatusScreen : public CScreen {
public:
    static constexpr int kScreenId = 7;
    static constexpr int kBackdrop = 450;
    static constexpr int kShipView = 100;
    static constexpr int kShipNameText = 350;
    static constexpr int kPilotNameText = 351;
    static constexpr int kLevelText = 352;
    static constexpr int kEngineeringText = 353;
    static constexpr int kCommunicationText = 354;
    static constexpr int kScienceText = 355;
    static constexpr int kTacticalText = 356;
    static constexpr int kNavigationText = 357;
    static constexpr int kExperienceText = 358;
    static constexpr int kDamageText = 359;
    static constexpr int kTotalHitPointsText = 360;
    static constexpr int kEnergyText = 361;
    static constexpr int kAmmoText = 362;
    static constexpr int kHullText = 363;
    static constexpr int kAccelerationText = 364;
    static constexpr int kTopSpeedText = 365;
    static constexpr int kRepairRateText = 366;
    static constexpr int kEngineeringButton = 370;
    static constexpr int kCommunicationButton = 371;
    static constexpr int kScienceButton = 372;
    static constexpr int kTacticalButton = 373;
    static constexpr int kNavigationButton = 374;
    static constexpr int kBackButton = 375;
    static constexpr int kFirstCompoundText = 376;
    static constexpr int kLevelUpsText = 380;
    static constexpr int kCreditsText = 381;
    static constexpr int kCargoText = 382;
    static constexpr int kHelpBox = 385;
    static constexpr int kFirstHelpText = 386;
    static constexpr int kHelpLines = 4;
    static constexpr int kDiscountText = 390;
    static constexpr int kScienceBonusText = 391;
    // Snap controls, drag buttons and hover buttons of the slots.
    static constexpr int kFirstWeaponSnap = 1600;
    static constexpr int kFirstCargoSnap = 1610;
    static constexpr int kShieldSnap = 1620;
    static constexpr int kArmorSnap = 1621;
    static constexpr int kEngineSnap = 1622;
    static constexpr int kFirstJettisonSnap = 1625;
    static constexpr int kLastJettisonSnap = 1628;
    static constexpr int kFirstWeaponDrag = 1650;
    static constexpr int kFirstCargoDrag = 1660;
    static constexpr int kShieldDrag = 1670;
    static constexpr int kArmorDrag = 1671;
    static constexpr int kEngineDrag = 1672;
    static constexpr int kFirstWeaponHover = 1800;
    static constexpr int kFirstCargoHover = 1810;
    static constexpr int kShieldHover = 1820;
    static constexpr int kArmorHover = 1821;
    static constexpr int kEngineHover = 1822;
    static constexpr int kSlots = 10;
    // The device description panel's lines; hidden until a device is described.
    static constexpr int kPanelSprite = 384;
    static constexpr int kFirstPanelText = 1700;
    static constexpr int kPanelLines = 20;

    CShipStatusScreen();

    void Enter() override;
    int Frame() override;
    void OnDrop(int dragButtonId, int snapControlId) override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // The skill buttons show only while level-ups wait.
    void ShowSkillButtons(bool shown);

private:
    // Every figure of the page from the player ship.
    void ShowStats();
    void SpendPoint(int button);
    // The help box under the skill button; the texts it covers hide and the skill buttons it
    // covers dim.
    void ShowHelp(int button, const char* const* lines);
    void HideHelp();
    // The device of a slot's hover button; null for an empty slot or any other id.
    CDeviceInfo* DeviceOfHover(int id) const;
    // The device's display mesh in the ship view; null shows the hull.
    void ShowDeviceMesh(const CDeviceInfo* device);
    // The description panel at (x, y), hiding the figures it covers; HidePanel shows them again.
    void ShowPanel(int x, int y);
    void HidePanel();
    // Describes a slot's device beside its hover button; an empty slot closes the panel.
    void DescribeHovered(int hoverId);
    // Drag buttons on the snaps of the installed and carried devices; empty slots hidden.
    void SeatDevices();
    void Seat(int dragId, int snapId, const CDeviceInfo* device);
    void DropOnJettison(int dragId);
    void Leave(CScreen* screen);
};

// Where the next jettisoned device lands: 0 to 7 around the ship, shared by every jettison of
// the run.
extern int gJettisonRing;
// Puts the device out into space beside the player's ship, at the next place of the ring.
void JettisonDevice(int deviceId);

extern CShipStatusScreen* gShipStatusScreen;
