// The description panel of the store and the ship-and-crew screen: the lines that describe a
// device, a refuel, a compound sale or an ammunition refill, and their writing into the panel's
// twenty text controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDeviceInfo;
class CEngine;
class CScreen;
class CWeaponInfo;

constexpr int kPanelLineCount = 20;
constexpr uint32_t kPanelColour = 0xFF97B4FDu;
// An unmet requirement, and a device the hull cannot fit.
constexpr uint32_t kPanelUnmetColour = 0xFFFF4040u;

struct PanelLine {
    std::string text;
    bool unmet = false;
};

// The store describes with prices and says what its hull cannot equip; the ship-and-crew screen
// describes without prices and says what its hull cannot use.
enum class PanelForm { kStore, kCrew };

// A device's name (with its damage type), its price in the store form (the purchase price when
// offered, else the selling price), its statistics by kind and what the pilot needs to equip it.
std::vector<PanelLine> DescribeDevice(const CDeviceInfo& device, bool offered, PanelForm form);
std::vector<PanelLine> DescribeFuel(const CEngine& engine);
// Class 1 common to 4 exotic.
std::vector<PanelLine> DescribeCompound(int compoundClass);
std::vector<PanelLine> DescribeRefill(const CWeaponInfo& weapon);

// Writes the lines from the first text control downward and empties the rest of the twenty.
void WritePanel(CScreen& screen, int firstLineId, const std::vector<PanelLine>& lines);
