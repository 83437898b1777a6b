// Ships destroyed in the world pass break into debris near the camera, and every piece (with
// the mesh it owns) is freed when it fades.
#include "ship_fixture.h"

namespace {

class DebrisTest : public ShipTest {};

TEST_F(DebrisTest, AHundredShipsDestroyedInThePassLeaveDebrisThatFades)
{
    // A hazard that wrecks every ship it touches during the pass's contacts.
    CProbeObject* hazard = Place(rm->mObjects, 5000, kTypeVortex);
    hazard->onInteract = [](CWorldObject* other) {
        if (other->mType == kTypeLeadShip)
            other->TakeDamage(1000, 0);
    };
    gFrameTimeMs = 100;
    size_t mostDebris = 0;
    for (int wave = 0; wave < 10; ++wave) {
        for (int i = 0; i < 10; ++i) {
            const int id = 100 + wave * 10 + i;
            auto* ship = new CTestShip(id, 3.0f, 50);
            ship->SetPosition(Vec3(static_cast<float>(i * 5 - 25), static_cast<float>(wave * 5 - 25), 30.0f));
            rm->mObjects[id] = ship;
        }
        rm->UpdateObjects();
        mostDebris = std::max(mostDebris, rm->mDebris.size());
    }
    int wrecks = 0;
    for (auto& [id, object] : rm->mObjects)
        wrecks += object->mType == kTypeLeadShip && !object->mActive ? 1 : 0;
    EXPECT_EQ(wrecks, 100);
    EXPECT_GT(mostDebris, 10u) << "each wreck breaks into pieces";

    for (int frame = 0; frame < 100 && !rm->mDebris.empty(); ++frame)
        rm->UpdateObjects();
    EXPECT_TRUE(rm->mDebris.empty()) << "debris lives at most 5 s";
}

}  // namespace
