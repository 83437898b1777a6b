// Weapon rows of our own beside the shipped ones, and a world with a shooter and a target.
#pragma once

#include <string>

#include "db/game_enums.h"
#include "ship_fixture.h"
#include "ships/beam_shot.h"
#include "ships/projectile_shot.h"
#include "ships/weapon_records.h"
#include "world/hazard_fixture.h"

// Shipped weapon devices.
constexpr int kPulseLaser = 10;
constexpr int kPlasmaBolt = 11;
constexpr int kScatterCannon = 23;
constexpr int kSporeBurst = 25;
constexpr int kRepairNanites = 22;
constexpr int kFoldGate = 21;
constexpr int kShadowVeil = 15;
constexpr int kWraithDrone = 20;
// Test rows.
constexpr int kPlainBeam = 90;
constexpr int kSpreadBeam = 91;
constexpr int kPlainBolt = 92;
constexpr int kQuickCharge = 93;
constexpr int kQuarterRepair = 94;

inline std::string WeaponTestRows()
{
    auto device = [](int id, const char* name, const char* type) {
        return "INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, "
               "credit_value, display_mesh_id, ailment_id, for_sale) VALUES (" +
               std::to_string(id) + ", '" + name + "', '', 'photon', '" + type + "', 1, 20, 0, 'false');\n";
    };
    const std::string beam =
        "INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, "
        "variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES ";
    const std::string bolt =
        "INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, "
        "precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, "
        "solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) "
        "VALUES ";
    return device(kPlainBeam, "Plain Beam", "weapon") + device(kSpreadBeam, "Spread Beam", "weapon") +
           device(kPlainBolt, "Plain Bolt", "weapon") + device(kQuickCharge, "Quick Charge", "weapon") +
           device(kQuarterRepair, "Quarter Repair", "weapon") + beam + "(90, 90, 400, 0.0, 20, 8, 0, 60.0, 0, 1.5, " +
           "250, 0, 'ff80e0ff', 5);\n" + beam + "(91, 91, 400, 3.9, 20, 8, 0, 60.0, 0, 1.5, 250, 0, 'ff80e0ff', 0);\n" +
           bolt + "(90, 92, 300, 6, 0, 80.0, 0, 0.3, 4.0, 0.3, 0.0, 'false', 40, 5, 251, 0, 2.0, 20, 0, 1.0, 4, " +
           "'ffff8040', 62);\n" +
           "INSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, sprite_id, energy_req, "
           "color_mod, charge_type, multiplier) VALUES (90, 93, 0, 25, 254, 5, 'a060b0ff', 'shield', 1.5);\n"
           "INSERT INTO health_weapon (health_weapon_id, device_id, heal_pct, max_ammo) VALUES (90, 94, 25, 5);\n";
}

class WeaponTest : public ShipTest {
protected:
    void SetUp() override
    {
        ShipTest::SetUp();
        Content(WeaponTestRows());
        rm->mCurrentSystemId = 1;
        pilot->mAffiliate = 1;
    }

    // A target of another side, filed in the object map (which owns it).
    CTestActor* Enemy(int id, Vec3 position, float size = 4.0f)
    {
        auto* actor = new CTestActor(id, kTypeLeadShip, position, size);
        actor->mAffiliate = 2;
        rm->mObjects[id] = actor;
        return actor;
    }
    // The shots in the object map, in id order.
    template <class Shot>
    std::vector<Shot*> Shots()
    {
        std::vector<Shot*> shots;
        for (auto& [id, object] : rm->mObjects) {
            if (auto* shot = dynamic_cast<Shot*>(object))
                shots.push_back(shot);
        }
        return shots;
    }
    template <class Shot>
    Shot* Launch(int deviceId, CActor* owner, Vec3 target)
    {
        const Vec3 origin = owner->mPosition;
        const auto before = Shots<Shot>();
        rm->LaunchWeapon(deviceId, owner, &origin, &target);
        const auto after = Shots<Shot>();
        for (Shot* shot : after) {
            if (std::find(before.begin(), before.end(), shot) == before.end())
                return shot;
        }
        return nullptr;
    }
};
