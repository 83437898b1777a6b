// Temporary ids and spawning: the countdown and its wrap, ids in use skipped, a live object
// never replaced, and the spawn caps that one counter shares.
#include "world/object_kinds.h"
#include "world_fixture.h"

namespace {

using TempIdTest = WorldTest;

TEST_F(TempIdTest, CountsDownFrom100499AndWrapsFrom100001To101000)
{
    EXPECT_EQ(rm->NextTempObjectId(), 100499);
    EXPECT_EQ(rm->NextTempObjectId(), 100498);
    rm->mTempIdCounter = 2;
    EXPECT_EQ(rm->NextTempObjectId(), 100001);
    EXPECT_EQ(rm->NextTempObjectId(), 101000);
    EXPECT_EQ(rm->NextTempObjectId(), 100999);
}

TEST_F(TempIdTest, AnIdHeldByAnyMapIsSkipped)
{
    for (auto* map : {&rm->mObjects, &rm->mNebulae, &rm->mWormholes, &rm->mSuns}) {
        rm->DeleteWorldObjects();
        rm->mTempIdCounter = 500;
        Place(*map, 100499, kTypeShot);
        Place(*map, 100498, kTypeShot);
        EXPECT_EQ(rm->NextTempObjectId(), 100497);
    }
}

enum class Drop { kResource, kDevice, kHealth };

class SpawnTest : public WorldTest {
protected:
    static CWorldObject* Made(int type, const Vec3& at)
    {
        return new CProbeObject(gResourceManager->NextTempObjectId(), type, at, 2.0f);
    }
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        rm->DeleteWorldObjects();
    }
    void Spawn(Drop drop)
    {
        switch (drop) {
        case Drop::kResource:
            rm->SpawnResource(1, 5, 0.0f, 0.0f, 30.0f);
            break;
        case Drop::kDevice:
            rm->SpawnDeviceObject(11, 0.0f, 0.0f, 30.0f);
            break;
        case Drop::kHealth:
            rm->SpawnHealthObject(50, 0.0f, 0.0f, 30.0f);
            break;
        }
    }

    ScopedGlobal<SpawnKinds> makers{gSpawnKinds,
                                    SpawnKinds{[](int, int, const Vec3& at) { return Made(kTypeResource, at); },
                                               [](int, const Vec3& at) { return Made(kTypeDeviceObject, at); },
                                               [](int, const Vec3& at) { return Made(kTypeHealth, at); }}};
};

TEST_F(SpawnTest, TheTwentySecondResourceIsRefused)
{
    for (int i = 0; i < 22; ++i)
        Spawn(Drop::kResource);
    EXPECT_EQ(rm->mObjects.size(), 21u);
}

TEST_F(SpawnTest, TheTwelfthSpawnOfAnyKindEndsPickupsWhileResourcesGoOnToTheTwentyFirst)
{
    for (int i = 0; i < 11; ++i)
        Spawn(i % 2 ? Drop::kDevice : Drop::kHealth);
    EXPECT_EQ(rm->mObjects.size(), 11u);

    Spawn(Drop::kDevice);
    Spawn(Drop::kHealth);
    EXPECT_EQ(rm->mObjects.size(), 11u) << "refused spawns make nothing";
    EXPECT_EQ(rm->mSpawnCounter, 13) << "refused spawns count";

    for (int i = 0; i < 10; ++i)
        Spawn(Drop::kResource);
    EXPECT_EQ(rm->mObjects.size(), 11u + 8u) << "resources run to the 21st spawn of the visit";

    rm->EnterSystem(1);
    const size_t placed = rm->mObjects.size();
    Spawn(Drop::kHealth);
    EXPECT_EQ(rm->mObjects.size(), placed + 1) << "a new visit starts the count again";
}

TEST_F(SpawnTest, FilingNeverReplacesALiveObject)
{
    CProbeObject* live = Place(rm->mObjects, 100499, kTypeResource);
    gSpawnKinds.resource = [](int, int, const Vec3& at) -> CWorldObject* {
        return new CProbeObject(100499, kTypeResource, at, 2.0f);
    };
    Spawn(Drop::kResource);
    EXPECT_EQ(rm->mObjects.at(100499), live);
    EXPECT_EQ(rm->mObjects.size(), 1u);
}


}  // namespace
