// Every object kind of the content is built from its row, updated and drawn, and without its row
// ends the game. Each kind that gets its factory adds its case here; a kind with a factory and no
// case fails the check below.
#include "world/object_kinds.h"

#include <cmath>
#include <set>

#include "platform/os/message_queue.h"
#include "world_fixture.h"

namespace {

struct KindCase {
    const char* name;
    ObjectKindId kind;
    int systemId;
    int objectId;  // a shipped object of the kind
};

const KindCase kKindCases[] = {
    {"planet", kKindPlanet, 1, 1002},      {"sun", kKindPlanet, 1, 1003},
    {"nebula", kKindNebula, 1, 1009},      {"scaffold", kKindScaffold, 1, 1010},
    {"orbit_object", kKindOrbit, 1, 1007}, {"phantom", kKindPhantom, 3, 3006},
    {"vortex", kKindVortex, 3, 3007},      {"outpost", kKindOutpost, 3, 3004},
    {"mine", kKindMine, 3, 3005},          {"fountain", kKindFountain, 5, 5006},
    {"wormhole", kKindWormhole, 1, 1004},  {"resource", kKindResource, 1, 1006},
    {"goto", kKindGoto, 1, 1011},          {"health", kKindHealth, 1, 1012},
    {"device_object", kKindDeviceObject, 1, 1013},
    {"lead_ship", kKindLeadShip, 3, 3010}, {"wingman", kKindWingman, 3, 3011},
    {"station", kKindStation, 1, 1001},
};

class ObjectKindTest : public WorldTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ObjectKindTest, IsBuiltFromItsRowThenUpdatesAndDraws)
{
    const KindCase& c = GetParam();
    rm->EnterSystem(c.systemId);
    Device()->ClearRecords();
    std::unique_ptr<CWorldObject> object(gObjectKinds[c.kind].make(c.objectId));
    ASSERT_FALSE(os::QuitPosted());
    EXPECT_EQ(object->mId, c.objectId);
    EXPECT_EQ(object->mActive, 1);
    EXPECT_EQ(object->mSystemId, c.systemId);
    for (int frame = 0; frame < 3; ++frame) {
        object->Update();
        object->Render();
        object->DrawRadar();
    }
    EXPECT_FALSE(Device()->Draws().empty());
    EXPECT_FALSE(std::isnan(object->mPosition.x) || std::isnan(object->mRotation.z));
}

TEST_P(ObjectKindTest, WithoutItsRowEndsTheGameAndStaysOut)
{
    // The frame that builds it still runs to its end, so it is updated and drawn once.
    rm->EnterSystem(GetParam().systemId);
    std::unique_ptr<CWorldObject> object(gObjectKinds[GetParam().kind].make(99999));
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_EQ(object->mActive, 0);
    object->Update();
    object->Render();
    object->DrawRadar();
}

INSTANTIATE_TEST_SUITE_P(Content, ObjectKindTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjectKinds, EveryKindWithAFactoryHasACase)
{
    std::set<int> covered;
    for (const KindCase& c : kKindCases)
        covered.insert(c.kind);
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (gObjectKinds[kind].make) {
            EXPECT_TRUE(covered.count(kind)) << gObjectKinds[kind].name;
        }
    }
}

}  // namespace
