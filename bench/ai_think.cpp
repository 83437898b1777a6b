// 20 lead ships with 5 wingmen each, in two hostile fleets over one system, headless: microseconds
// per ship for a think alone, and for the whole world pass in which they think, fly, fire and
// collide. Runs in a temporary game folder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_game_setup.h"
#include "core/camera.h"
#include "core/frame_clock.h"
#include "ships/lead_ship_ai.h"
#include "ships/ship_ai.h"

namespace {

constexpr int kLeads = 20;
constexpr int kWingmenPerLead = 5;
constexpr int kShips = kLeads * (1 + kWingmenPerLead);
constexpr int kThinks = 200;
constexpr int kFrames = 500;
// Shipped pirates: a lead with its task script, and its wingman.
constexpr int kLeadRow = 3010;
constexpr int kWingmanRow = 3011;

Vec3 RandomPoint()
{
    return Vec3(static_cast<float>(std::rand() % 600 - 300), static_cast<float>(std::rand() % 600 - 300), 30.0f);
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    std::srand(21);
    BenchGame game;
    if (!game.Start())
        return 1;
    CResourceManager& rm = *gResourceManager;
    rm.EnterSystem(3);
    rm.DeleteWorldObjects();
    gCamera.SetEye(0.0f, 0.0f, -50.0f);

    std::vector<CLeadShipAI*> leads;
    std::vector<CShipAI*> wingmen;
    int nextId = 50000;
    for (int lead = 0; lead < kLeads; ++lead) {
        auto* ship = new CLeadShipAI(kLeadRow);
        ship->mId = nextId++;
        ship->mLeadId = ship->mId;
        ship->mAffiliate = 1 + lead % 2;
        ship->mPosition = ship->mDestination = RandomPoint();
        rm.mObjects[ship->mId] = ship;
        rm.RegisterLeadShip(ship, ship->mLeadId);
        leads.push_back(ship);
        for (int wing = 0; wing < kWingmenPerLead; ++wing) {
            auto* wingman = new CShipAI(kWingmanRow);
            wingman->mId = nextId++;
            wingman->mLeadId = ship->mLeadId;
            wingman->mAffiliate = ship->mAffiliate;
            wingman->mPosition = wingman->mDestination = Vec3::Sum(ship->mPosition, wingman->mOffset);
            rm.mObjects[wingman->mId] = wingman;
            wingmen.push_back(wingman);
        }
    }

    gFrameTimeMs = 16;
    gFrameScale = 0.16f;
    auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kThinks; ++round) {
        for (CLeadShipAI* lead : leads)
            lead->Think();
        for (CShipAI* wingman : wingmen)
            wingman->Think();
    }
    const double thinkSeconds = Seconds(start);

    start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
        rm.UpdateObjects();
        rm.UpdateParticles();
    }
    const double passSeconds = Seconds(start);
    std::printf(
        "ai_think: %d lead ships with %d wingmen each: think %.2f us per ship, world pass (think, fly, fire, "
        "collide) %.2f us per ship per frame\n",
        kLeads, kWingmenPerLead, thinkSeconds * 1e6 / (static_cast<double>(kThinks) * kShips),
        passSeconds * 1e6 / (static_cast<double>(kFrames) * kShips));
    rm.DeleteWorldObjects();
    return 0;
}
