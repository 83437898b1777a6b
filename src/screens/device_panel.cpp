// The device description panel's lines.
#include "screens/device_panel.h"

#include <cstdarg>
#include <cstdio>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "ui/screen.h"
#include "ui/text_control.h"

namespace {

constexpr const char* kDamageNames[] = {"Radiation", "Organic", "Crystal", "Photon", "Antimatter", "Plasma"};
constexpr const char* kCompoundNames[] = {"Common", "Uncommon", "Rare", "Exotic"};

class CLines {
public:
    void Add(bool unmet, const char* format, ...) __attribute__((format(printf, 3, 4)))
    {
        char text[128];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        if (mLines.size() < kPanelLineCount)
            mLines.push_back(PanelLine{text, unmet});
    }

    std::vector<PanelLine> Take() { return std::move(mLines); }

private:
    std::vector<PanelLine> mLines;
};

// "Name (Crystal)" for damage types 1 to 6, else the plain name.
void AddName(CLines& lines, const char* name, int damageType)
{
    if (damageType >= kDamageRadiation && damageType <= kDamagePlasma)
        lines.Add(false, "%s (%s)", name, kDamageNames[damageType - 1]);
    else
        lines.Add(false, "%s", name);
}

int DamageTypeOf(const CDeviceInfo& device)
{
    if (const auto* weapon = dynamic_cast<const CWeaponInfo*>(&device))
        return weapon->mDeviceMod;
    if (const auto* defense = dynamic_cast<const CDefenseDevice*>(&device))
        return defense->mDamageType;
    return kDamageNone;
}

void AddPrice(CLines& lines, const CDeviceInfo& device, bool offered)
{
    if (offered)
        lines.Add(false, "Purchase Price: $%d", gPlayerShip->PurchasePrice(device.mCreditValue));
    else
        lines.Add(false, "Selling Price: $%d", gPlayerShip->SalePrice(device.mCreditValue));
}

void AddDamage(CLines& lines, const CWeaponInfo& weapon)
{
    lines.Add(false, "Damage: %d-%d", weapon.mMinDamage, weapon.mMinDamage + weapon.mVariableDamage);
    lines.Add(false, "Energy Used: %d", weapon.mEnergyReq);
}

// The lines of a weapon after its name and price; the laid weapon of a mine leaves out its
// maximum ammunition.
void AddWeaponStats(CLines& lines, const CWeaponInfo& weapon, bool withAmmo)
{
    switch (weapon.mWeaponType) {
    case kWeaponBeam:
        AddDamage(lines, weapon);
        if (withAmmo && weapon.mMaxAmmo >= 1)
            lines.Add(false, "Max Ammo: %d", weapon.mMaxAmmo);
        lines.Add(false, "Precision: %d", weapon.mPrecision);
        lines.Add(false, "Guided: No");
        lines.Add(false, "Range: %.2f", weapon.mRange);
        break;
    case kWeaponProjectile: {
        const auto& projectile = static_cast<const CProjectileWeapon&>(weapon);
        AddDamage(lines, weapon);
        if (withAmmo && weapon.mMaxAmmo > 0)
            lines.Add(false, "Max Ammo: %d", weapon.mMaxAmmo);
        lines.Add(false, "Precision: %d", weapon.mPrecision);
        lines.Add(false, projectile.mGuided ? "Guided: Yes" : "Guided: No");
        lines.Add(false, "Acceleration: %.2f", projectile.mAcceleration);
        lines.Add(false, "Max Velocity: %.2f", projectile.mMaxVelocity);
        lines.Add(false, "Range: %.2f", weapon.mRange);
        break;
    }
    case kWeaponShockwave:
        AddDamage(lines, weapon);
        if (withAmmo && weapon.mMaxAmmo > 0)
            lines.Add(false, "Max Ammo: %d", weapon.mMaxAmmo);
        lines.Add(false, "Precision: %d", weapon.mPrecision);
        lines.Add(false, "Guided: No");
        lines.Add(false, "Blast Radius: %.2f", weapon.mRange);
        break;
    case kWeaponPhantom: {
        const auto& phantom = static_cast<const CPhantomWeapon&>(weapon);
        lines.Add(false, "Damage: %d", phantom.mDamage);
        if (withAmmo)
            lines.Add(false, "Max Ammo: %d", weapon.mMaxAmmo);
        lines.Add(false, "Range: %.2f", weapon.mRange);
        lines.Add(false, "Duration: %d", phantom.mAliveTime);
        lines.Add(false, "Velocity: %.2f", phantom.mVelocity);
        lines.Add(false, "Size: %.2f", phantom.mSize);
        break;
    }
    case kWeaponHealth:
        lines.Add(false, "Charges: %d", weapon.mMaxAmmo);
        lines.Add(false, "Repair Percent: %d~",
                  static_cast<int>(100.0f * static_cast<const CHealthWeapon&>(weapon).mHealFraction));
        break;
    default:
        break;
    }
}

void AddWeapon(CLines& lines, const CWeaponInfo& weapon, bool offered, PanelForm form)
{
    const bool priced = form == PanelForm::kStore;
    if (weapon.mWeaponType == kWeaponMine) {
        const auto& mine = static_cast<const CMineWeapon&>(weapon);
        const CWeaponInfo* laid = gResourceManager->GetDeviceWeaponInfo(mine.mDestructDeviceId);
        AddName(lines, weapon.mName, laid ? laid->mDeviceMod : kDamageNone);
        if (priced)
            AddPrice(lines, weapon, offered);
        lines.Add(false, "Max Ammo: %d", weapon.mMaxAmmo);
        if (laid)
            AddWeaponStats(lines, *laid, false);
        return;
    }
    AddName(lines, weapon.mName, weapon.mDeviceMod);
    // A phantom launcher shows no price.
    if (priced && weapon.mWeaponType != kWeaponPhantom)
        AddPrice(lines, weapon, offered);
    AddWeaponStats(lines, weapon, true);
}

void AddRequirements(CLines& lines, const CDeviceInfo& device, PanelForm form)
{
    const CPlayerShip& pilot = *gPlayerShip;
    const DeviceCriteriaRecord* need = gGameDatabase.GetDeviceCriteria(device.mDeviceId, pilot.mAlignment);
    if (!need) {
        lines.Add(true, "%s", device.mName);
        lines.Add(true, form == PanelForm::kStore ? "Can not be equipped by this ship class"
                                                  : "Can not be used by this ship class");
        return;
    }
    lines.Add(false, "Required to Equip:");
    lines.Add(need->level > pilot.mLevel, "Level: %d", need->level);
    lines.Add(need->ship_size > pilot.mSize, "Ship Size: %.2f", need->ship_size);
    const struct {
        const char* format;
        int needed;
        int has;
    } skills[] = {
        {"Communication Level: %d", need->com_level, pilot.mCommunication},
        {"Engineering Level: %d", need->eng_level, pilot.mEngineering},
        {"Navigation Level: %d", need->nav_level, pilot.mNavigation},
        {"Science Level: %d", need->sci_level, pilot.mScience},
        {"Tactical Level: %d", need->tac_level, pilot.mTactical},
    };
    // A requirement of 1 is what every pilot has; it is not listed.
    for (const auto& skill : skills) {
        if (skill.needed > 1)
            lines.Add(skill.needed > skill.has, skill.format, skill.needed);
    }
}

}  // namespace

std::vector<PanelLine> DescribeDevice(const CDeviceInfo& device, bool offered, PanelForm form)
{
    CLines lines;
    if (const auto* weapon = dynamic_cast<const CWeaponInfo*>(&device)) {
        AddWeapon(lines, *weapon, offered, form);
    } else if (device.mDeviceType == kDeviceQuest) {
        lines.Add(false, "%s", device.mName);
        lines.Add(false, "This device is for a mission.");
    } else {
        if (const auto* engine = dynamic_cast<const CEngine*>(&device)) {
            lines.Add(false, "%s", device.mName);
            if (form == PanelForm::kStore)
                AddPrice(lines, device, offered);
            lines.Add(false, "Acceleration: %.2f", engine->mAcceleration);
            lines.Add(false, "Max Velocity: %.2f", engine->mTopSpeedBase);
            lines.Add(false, "Regeneration: %d", engine->mRegenerationRate);
            lines.Add(false, "Max Energy: %d", engine->mMaxEnergy);
            lines.Add(false, "Fuel Economy: %.2f", engine->mDistancePerFuelUnit);
        } else if (const auto* defense = dynamic_cast<const CDefenseDevice*>(&device)) {
            AddName(lines, device.mName, DamageTypeOf(device));
            if (form == PanelForm::kStore)
                AddPrice(lines, device, offered);
            lines.Add(false, "Armor Class: %d", defense->mArmorClass);
            lines.Add(false, "Hit Points: %d", defense->mMaxPoints);
            lines.Add(false, "Regeneration: %d", defense->mRegenerationRate);
        }
    }
    AddRequirements(lines, device, form);
    return lines.Take();
}

std::vector<PanelLine> DescribeFuel(const CEngine& engine)
{
    CLines lines;
    lines.Add(false, "%s", engine.mName);
    lines.Add(false, "Current Fuel: %d / %d", engine.mFuel, engine.mMaxFuel);
    lines.Add(false, "Fuel Efficiency: %.2f", engine.mDistancePerFuelUnit);
    lines.Add(false, "Distance Left: %.2f", static_cast<float>(engine.mFuel) * engine.mDistancePerFuelUnit);
    lines.Add(false, "Cost of Refueling: $%d", engine.mMaxFuel - engine.mFuel);
    return lines.Take();
}

std::vector<PanelLine> DescribeCompound(int compoundClass)
{
    CLines lines;
    if (compoundClass < 1 || compoundClass > 4)
        return lines.Take();
    char cargo[64];
    gPlayerShip->FormatCargo(cargo);
    lines.Add(false, "Compound Type: %s", kCompoundNames[compoundClass - 1]);
    lines.Add(false, "Amount: %d", gPlayerShip->GetCompoundAmount(compoundClass));
    lines.Add(false, "Selling Price: $%d", gPlayerShip->GetCompoundClassSale(compoundClass));
    lines.Add(false, "Cargo Space: %s", cargo);
    return lines.Take();
}

std::vector<PanelLine> DescribeRefill(const CWeaponInfo& weapon)
{
    CLines lines;
    const int stored = gPlayerShip->GetAmmo(weapon.mDeviceId);
    lines.Add(false, "Weapon: %s", weapon.mName);
    lines.Add(false, "Current Ammo: %d / %d", stored, weapon.mMaxAmmo);
    lines.Add(false, "Price: $%d",
              AmmoRefillPrice(stored, weapon.mMaxAmmo, weapon.mCreditValue, gPlayerShip->SellFactor()));
    return lines.Take();
}

void WritePanel(CScreen& screen, int firstLineId, const std::vector<PanelLine>& lines)
{
    for (int i = 0; i < kPanelLineCount; ++i) {
        CTextControl* text = screen.GetTextControl(firstLineId + i);
        if (!text)
            continue;
        const bool used = i < static_cast<int>(lines.size());
        text->SetText(used ? lines[i].text.c_str() : "");
        text->colour = used && lines[i].unmet ? kPanelUnmetColour : kPanelColour;
    }
}
