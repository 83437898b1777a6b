// Beam and projectile shots: reach, life, fade, hits, pushes and chains whose carrier is gone.
#include <cmath>
#include <limits>

#include "weapon_fixture.h"

namespace {

class ShotTest : public WeaponTest {
protected:
    void SetUp() override
    {
        WeaponTest::SetUp();
        shooter = new CTestShip(2001, 4.0f, 100);
        shooter->mAffiliate = 1;
        rm->mObjects[shooter->mId] = shooter;
    }
    CTestShip* shooter = nullptr;
};

TEST_F(ShotTest, BeamEndsAtHalfTheOwnerSizePlusRangeAndHitsEveryFrameItLives)
{
    CBeamShot* beam = Launch<CBeamShot>(kPlainBeam, shooter, Vec3(0.0f, 200.0f, 30.0f));
    ASSERT_NE(beam, nullptr);
    EXPECT_NEAR(beam->mTarget.x, 0.0f, 1e-4f);
    EXPECT_NEAR(beam->mTarget.y, 62.0f, 1e-4f);
    CTestActor* enemy = Enemy(2002, beam->mTarget);
    int frames = 0;
    while (beam->mActive && frames < 20) {
        beam->Interact(enemy);
        beam->Update();
        ++frames;
    }
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(enemy->hits, std::vector<int>(7, 8));
    // Force scalar 5: every push has length 5 and points away from the owner.
    ASSERT_EQ(enemy->pushes.size(), 7u);
    EXPECT_NEAR(enemy->pushes[0].y, 5.0f, 1e-4f);
}

// The pass gives the player every object's touch, live or not: the frame a beam fades in hits too.
TEST_F(ShotTest, ABeamHitsThePlayerInTheFrameItFadesOut)
{
    pilot->mAffiliate = 2;
    shooter->mPosition = Vec3(0.0f, -40.0f, 30.0f);
    CBeamShot* beam = Launch<CBeamShot>(kPlainBeam, shooter, pilot->mPosition);
    ASSERT_NE(beam, nullptr);
    const int beamId = beam->mId;
    int frames = 0;
    while (rm->mObjects.count(beamId) && frames < 20) {
        rm->UpdateObjects();
        ++frames;
    }
    ASSERT_EQ(frames, 8) << "seven frames of light, deleted in the eighth";
    EXPECT_EQ(pilot->mHitPoints, 100 - 7 * 8);
}

TEST_F(ShotTest, BeamSparesItsOwnSideAndHurtsNothingOnceItsOwnerIsGone)
{
    CBeamShot* beam = Launch<CBeamShot>(kPlainBeam, shooter, Vec3(30.0f, 0.0f, 30.0f));
    ASSERT_NE(beam, nullptr);
    CTestActor* friendly = Enemy(2002, beam->mTarget);
    friendly->mAffiliate = shooter->mAffiliate;
    CTestActor* enemy = Enemy(2003, beam->mTarget);
    beam->Interact(friendly);
    shooter->mActive = 0;
    beam->Interact(enemy);
    shooter->mActive = 1;
    // A beam that follows a moving owner keeps its end point where it was.
    shooter->mPosition = Vec3(0.0f, -20.0f, 30.0f);
    beam->Update();
    EXPECT_TRUE(Vec3::Equals(beam->mTarget, Vec3(30.0f, 0.0f, 30.0f)));
    EXPECT_NEAR(beam->mBeamMidpoint.y, -10.0f, 1e-4f);
    rm->mObjects.erase(shooter->mId);
    delete shooter;
    beam->Update();
    beam->Interact(enemy);
    EXPECT_TRUE(friendly->hits.empty());
    EXPECT_TRUE(enemy->hits.empty());
}

TEST_F(ShotTest, APeersBeamAndBoltKeepItsPointAndIdWithNoSpreadOrHullInTheReach)
{
    // Filed like the world files a peer's shot, which owns it from then on.
    auto file = [this](CShot* shot, int id) {
        rm->mObjects[id] = shot;
        return shot;
    };
    // The spread beam draws no spread of its own: the peer's copy already did.
    auto* nearBeam =
        static_cast<CBeamShot*>(file(new CBeamShot(kSpreadBeam, shooter, Vec3(10.0f, 20.0f, 30.0f), 100500), 100500));
    EXPECT_EQ(nearBeam->mId, 100500);
    EXPECT_TRUE(Vec3::Equals(nearBeam->mTarget, Vec3(10.0f, 20.0f, 30.0f)));
    // Its reach is the range alone, where a local launch adds half the owner's size.
    auto* farBeam =
        static_cast<CBeamShot*>(file(new CBeamShot(kPlainBeam, shooter, Vec3(0.0f, 200.0f, 30.0f), 100501), 100501));
    EXPECT_NEAR(farBeam->mTarget.y, 60.0f, 1e-4f);

    shooter->mRotation.z = 1.0f;
    const Vec3 point(15.0f, 40.0f, 40.05f);
    auto* bolt = static_cast<CProjectileShot*>(file(new CProjectileShot(kPlainBolt, shooter, point, 100502), 100502));
    EXPECT_EQ(bolt->mId, 100502);
    EXPECT_TRUE(Vec3::Equals(bolt->mTarget, point)) << "not stretched to the full range";
    EXPECT_FLOAT_EQ(bolt->mFlightHeading, 1.0f) << "the owner's heading";
    EXPECT_TRUE(bolt->mActive);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(file(new CProjectileShot(kPlainBolt, shooter, Vec3(nan, 0.0f, 30.0f), 100503), 100503)->mActive);
    shooter->mPosition.x = nan;
    EXPECT_FALSE(file(new CBeamShot(kPlainBeam, shooter, point, 100504), 100504)->mActive);
    shooter->mPosition.x = 0.0f;
}

TEST_F(ShotTest, ProjectileFliesItsWholeRangeAndFadesWithDistance)
{
    CProjectileShot* bolt = Launch<CProjectileShot>(kPlainBolt, pilot, Vec3(10.0f, 0.0f, 30.0f));
    ASSERT_NE(bolt, nullptr);
    EXPECT_NEAR(Vec3Length(Vec3::Difference(bolt->mTarget, bolt->mStart)), 80.0f, 1e-3f);
    EXPECT_TRUE(bolt->OwnerIsPlayer());
    int frames = 0;
    int blurFrames = 0;
    while (bolt->mActive && frames < 200) {
        const float flown = Vec3Length(Vec3::Difference(bolt->mPosition, bolt->mStart));
        bolt->Update();
        if (bolt->mActive && flown < 4.0f) {
            EXPECT_EQ(bolt->mAlpha, 200) << flown;
            ++blurFrames;
        }
        ++frames;
    }
    EXPECT_GT(blurFrames, 0);
    EXPECT_FALSE(bolt->mActive);
    EXPECT_NEAR(Vec3Length(Vec3::Difference(bolt->mPosition, bolt->mStart)), 80.0f, 1e-3f);
}

TEST_F(ShotTest, SpinningSpriteIsDrawnFainterThanItsFade)
{
    CProjectileShot* bolt = Launch<CProjectileShot>(kPlainBolt, pilot, Vec3(10.0f, 0.0f, 30.0f));
    ASSERT_NE(bolt, nullptr);
    bolt->mPosition = Vec3::Sum(bolt->mStart, Vec3(40.0f, 0.0f, 0.0f));
    bolt->Update();
    EXPECT_EQ(bolt->mAlpha, 140);
    bolt->Render();
    EXPECT_EQ(bolt->mAlpha, 115);
}

TEST_F(ShotTest, ProjectileHitsOnceAndNeverItsOwnSideOrPickups)
{
    CProjectileShot* bolt = Launch<CProjectileShot>(kPlainBolt, shooter, Vec3(10.0f, 0.0f, 30.0f));
    ASSERT_NE(bolt, nullptr);
    for (int type : {kTypeShot, kTypeResource, kTypeDeviceObject, kTypeHealth}) {
        CTestActor* pickup = Enemy(3000 + type, bolt->mPosition, 0.0f);
        pickup->mType = type;
        bolt->Interact(pickup);
        EXPECT_TRUE(pickup->hits.empty()) << type;
    }
    CTestActor* friendly = Enemy(3100, bolt->mPosition, 0.0f);
    friendly->mAffiliate = shooter->mAffiliate;
    bolt->Interact(friendly);
    EXPECT_TRUE(friendly->hits.empty());
    // Two objects of size 0 still touch within one unit.
    CTestActor* enemy = Enemy(3200, Vec3::Sum(bolt->mPosition, Vec3(0.9f, 0.0f, 0.0f)), 0.0f);
    bolt->mSize = 0.0f;
    bolt->Interact(enemy);
    bolt->Interact(enemy);
    EXPECT_EQ(enemy->hits, std::vector<int>{6});
    EXPECT_FALSE(bolt->mActive);
}

TEST_F(ShotTest, PushBurstsAProjectileWithoutDamage)
{
    CProjectileShot* bolt = Launch<CProjectileShot>(kPlainBolt, shooter, Vec3(10.0f, 0.0f, 30.0f));
    ASSERT_NE(bolt, nullptr);
    CTestActor* enemy = Enemy(3200, bolt->mPosition, 4.0f);
    bolt->Push(gZeroVector);
    EXPECT_FALSE(bolt->mActive);
    bolt->Interact(enemy);
    EXPECT_TRUE(enemy->hits.empty());
    EXPECT_TRUE(Vec3::Equals(bolt->mVelocity, gZeroVector));
}

// The scatter cannon's slug ends and fires its spores with the slug as their owner; the world
// then deletes the slug, and the spores fly on and hit with their owner gone.
TEST_F(ShotTest, ChainFiredAfterItsCarrierEndedHitsWithoutReadingIt)
{
    CProjectileShot* slug = Launch<CProjectileShot>(kScatterCannon, shooter, Vec3(10.0f, 0.0f, 30.0f));
    ASSERT_NE(slug, nullptr);
    const int slugId = slug->mId;
    for (int frame = 0; frame < 200 && rm->mObjects.count(slugId); ++frame)
        rm->UpdateObjects();
    ASSERT_EQ(rm->mObjects.count(slugId), 0u);
    std::vector<CProjectileShot*> spores;
    for (CProjectileShot* shot : Shots<CProjectileShot>()) {
        if (shot->mWeaponRecord->mDeviceId == kSporeBurst)
            spores.push_back(shot);
    }
    ASSERT_EQ(spores.size(), 1u);
    CProjectileShot* spore = spores[0];
    EXPECT_EQ(spore->Owner(), nullptr);
    EXPECT_EQ(spore->mAffiliate, shooter->mAffiliate);
    CTestActor* enemy = Enemy(3300, spore->mPosition, 4.0f);
    rm->UpdateObjects();
    ASSERT_EQ(enemy->hits.size(), 1u);
    EXPECT_GE(enemy->hits[0], 3);
    EXPECT_LT(enemy->hits[0], 6);
    EXPECT_FALSE(spore->mActive);
    EXPECT_TRUE(FlightMessages().empty());
}

}  // namespace
