// Planets and suns: the push out of the surface, halo or mesh, the radar blip that grows with
// the planet and the segment probe.
#include "world/planet.h"

#include <cmath>

#include "world_fixture.h"

namespace {

class PlanetTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        planet = static_cast<CPlanetObject*>(rm->mObjects.at(1002));
        sun = static_cast<CPlanetObject*>(rm->mSuns.at(1003));
        Device()->ClearRecords();
    }
    size_t DrawsWith(gfx::Texture* texture) const
    {
        size_t count = 0;
        for (const auto& draw : Device()->Draws())
            count += draw.textures[0] == texture ? 1 : 0;
        return count;
    }

    CPlanetObject* planet = nullptr;
    CPlanetObject* sun = nullptr;
};

struct PushCase {
    const char* what;
    Vec3 start;  // relative to the planet's centre
    bool solid;
    Vec3 end;
};

class PlanetPushTest : public PlanetTest, public ::testing::WithParamInterface<PushCase> {};

TEST_P(PlanetPushTest, ASolidObjectThatTouchesIsPutBackOnTheSurface)
{
    // Varn Prime has size 60; the ship 10, so the surface is 70 from the centre.
    const PushCase& push = GetParam();
    CProbeObject ship(5, kTypeLeadShip, Vec3::Sum(planet->mPosition, push.start), 10.0f);
    ship.mPosition.z = 30.0f + push.start.z;
    ship.mSolid = push.solid ? 1 : 0;
    planet->Interact(&ship);
    const Vec3 offset = Vec3::Difference(ship.mPosition, planet->mPosition);
    EXPECT_NEAR(offset.x, push.end.x, 1e-3f);
    EXPECT_NEAR(offset.y, push.end.y, 1e-3f);
    EXPECT_NEAR(offset.z, push.end.z, 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanetPushTest,
                         ::testing::Values(PushCase{"exactly at the sum of sizes", Vec3(70, 0, 0), true,
                                                    Vec3(70, 0, 0)},
                                           PushCase{"inside", Vec3(30, 0, 0), true, Vec3(70, 0, 0)},
                                           PushCase{"inside on a slant", Vec3(-30, 40, 0), true, Vec3(-42, 56, 0)},
                                           PushCase{"above the plane", Vec3(30, 0, 20), true, Vec3(70, 0, 0)},
                                           PushCase{"just outside", Vec3(70.01f, 0, 0), true, Vec3(70.01f, 0, 0)},
                                           PushCase{"not solid", Vec3(30, 0, 0), false, Vec3(30, 0, 0)},
                                           PushCase{"at the centre", Vec3(0, 0, 0), true, Vec3(0, 0, 0)}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(PlanetTest, ASunIsFourHaloCopiesAndAPlanetItsTexturedSphere)
{
    gfx::Texture* halo = rm->GetSpriteTexture(816);
    gfx::Texture* terra = rm->GetSpriteTexture(200);
    ASSERT_TRUE(halo && terra);

    sun->Render();
    EXPECT_EQ(DrawsWith(halo), 4u);
    EXPECT_EQ(DrawsWith(terra), 0u);
    EXPECT_FLOAT_EQ(sun->mPosition.z, 30.0f) << "the halo's depth is put back";

    Device()->ClearRecords();
    LookDownOn(planet->mPosition, -60.0f);
    planet->Render();
    EXPECT_EQ(DrawsWith(halo), 0u);
    EXPECT_GT(DrawsWith(terra), 0u);
}

TEST_F(PlanetTest, TheBlipGrowsWithThePlanetAndIsNeverClipped)
{
    planet->DrawRadar();
    EXPECT_FLOAT_EQ(planet->mBlipScale, 0.75f);
    EXPECT_EQ(planet->mRadarX, 702);
    EXPECT_EQ(planet->mRadarY, 507);

    planet->mPosition.y = 600.0f;
    const size_t before = Device()->Draws().size();
    planet->DrawRadar();
    EXPECT_LT(planet->mRadarY, 476);
    EXPECT_GT(Device()->Draws().size(), before) << "planets skip the edge test";
}

TEST_F(PlanetTest, ASegmentPointingAtThePlanetHitsItEvenBeyondItsEndAndOneAwayMisses)
{
    const Vec3 start = Vec3::Sum(planet->mPosition, Vec3(-100.0f, 0.0f, 0.0f));
    const Vec3 toward = Vec3::Sum(planet->mPosition, Vec3(-50.0f, 0.0f, 0.0f));
    const Vec3 away = Vec3::Sum(planet->mPosition, Vec3(-150.0f, 0.0f, 0.0f));
    const Vec3 aside = Vec3::Sum(planet->mPosition, Vec3(-50.0f, 100.0f, 0.0f));
    EXPECT_TRUE(planet->HitTestSegment(&start, &toward, 5.0f));
    EXPECT_FALSE(planet->HitTestSegment(&start, &away, 5.0f));
    EXPECT_FALSE(planet->HitTestSegment(&start, &aside, 5.0f));
}

struct BlipCase {
    Vec3 position;
    bool drawn;
    int x, y;
};

class RadarBlipTest : public WorldTest, public ::testing::WithParamInterface<BlipCase> {};

TEST_P(RadarBlipTest, OnlyTheLeftAndTopEdgesOfTheSystemAreClipped)
{
    rm->EnterSystem(1);  // 1200 x 1200
    CProbeObject object(10, kTypeResource, GetParam().position, 5.0f);
    object.mRadarBlip =
        SpriteDrawRecord{307, &object.mRadarX, &object.mRadarY, &object.mColour, &gUnitScale, &gUnitScale};
    Device()->ClearRecords();
    object.DrawRadarBlip();
    EXPECT_EQ(object.mRadarX, GetParam().x);
    EXPECT_EQ(object.mRadarY, GetParam().y);
    EXPECT_EQ(!Device()->Draws().empty(), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RadarBlipTest,
    ::testing::Values(BlipCase{Vec3(-600, 0, 30), true, 675, 535}, BlipCase{Vec3(-601, 0, 30), false, 674, 535},
                      BlipCase{Vec3(0, -600, 30), true, 735, 595}, BlipCase{Vec3(0, 600, 30), false, 735, 475},
                      BlipCase{Vec3(600, 0, 30), true, 795, 535}, BlipCase{Vec3(700, -700, 30), true, 805, 605},
                      // Out beyond any int on the radar: held far off it instead.
                      BlipCase{Vec3(1e30f, -1e30f, 30), true, 1000000, 1000000},
                      BlipCase{Vec3(-1e30f, 1e30f, 30), false, -1000000, -1000000}));

TEST_F(WorldTest, AMarkedObjectSparklesAtMostOncePer500Ms)
{
    CProbeObject object(10, kTypeResource, Vec3(0, 0, 30), 5.0f);
    const float markerScale = 20.0f;
    object.mMarker.position = &object.mPosition;
    object.mMarker.scale = &markerScale;
    object.mMarked = 1;
    gFrameTimeMs = 100;
    for (int frame = 0; frame < 12; ++frame)
        object.EmitTrail();
    EXPECT_EQ(rm->mParticles.size(), 2u);
}

}  // namespace
