// CObjectControl: turning with wrapped angles, orbiting about the y axis, and the screen's
// additive drawing of the flat strip mesh.
#include "ui/object_control.h"

#include <cmath>

#include "app/frame.h"
#include "support/control_screen.h"
#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 908;
}  // namespace

class ObjectControlTest : public UiFixture {
protected:
    // A control of the mesh at (x, 0, z), turning by rotv per unit of frame scale.
    void ObjectRow(int id, int mesh, float x, float z, float rotv, bool orbit, float velocity)
    {
        Insert("object_control", id, kScreen, mesh, x, 0, z, 0, 6.0, -1.0, 0, rotv, 0, 2.0, velocity, Flag(orbit), 0, 0,
               10, "true");
    }
};

TEST_F(ObjectControlTest, TakesItsRow)
{
    ObjectRow(90801, 3, 4.0f, 10.0f, 0.5f, false, 0.0f);
    CObjectControl control(90801);
    EXPECT_EQ(control.meshId, 3);
    EXPECT_FLOAT_EQ(control.position.x, 4.0f);
    EXPECT_FLOAT_EQ(control.scale.y, 2.0f);
    EXPECT_EQ(control.alpha, 255);
    EXPECT_EQ(control.colour, 0x00FFFFFFu);
    // Without orbit the orbit centre stays at the origin whatever the row says.
    EXPECT_FLOAT_EQ(control.orbitCentre.z, 0.0f);
    EXPECT_EQ(control.visible, 1);
}

TEST_F(ObjectControlTest, TurnsAndWrapsOnlyAnglesOfAFullTurnOrMore)
{
    ObjectRow(90801, 3, 0.0f, 10.0f, 0.5f, false, 0.0f);
    CObjectControl control(90801);
    gFrameScale = 1.0f;
    gDevice->BeginScene();
    control.Draw();
    gDevice->EndScene();
    EXPECT_NEAR(control.rotation.y, 6.5f - 6.28318f, 1e-5f);
    // Negative angles are left alone.
    EXPECT_FLOAT_EQ(control.rotation.z, -1.0f);
}

TEST_F(ObjectControlTest, OrbitsAboutItsCentreOnTheYAxis)
{
    ObjectRow(90801, 3, 5.0f, 10.0f, 0.0f, true, 1.5707963f);
    CObjectControl control(90801);
    gFrameScale = 1.0f;
    gDevice->BeginScene();
    control.Draw();
    gDevice->EndScene();
    // A quarter turn of the offset (5, 0, 0) about the centre (0, 0, 10), the left-handed way.
    EXPECT_NEAR(control.position.x, 0.0f, 1e-4f);
    EXPECT_NEAR(control.position.z, 5.0f, 1e-4f);
    EXPECT_NEAR(std::hypot(control.position.x, control.position.z - 10.0f), 5.0f, 1e-4f);
}

TEST_F(ObjectControlTest, ScreenDrawsTheStripMeshAtAlpha250AndOthersOpaque)
{
    ObjectRow(90801, 22, 0.0f, 10.0f, 0.0f, false, 0.0f);
    ObjectRow(90802, 3, 0.0f, 10.0f, 0.0f, false, 0.0f);
    ControlScreen screen(kScreen);
    screen.Enter();
    screen.GetObjectControl(90801)->alpha = 17;
    gDevice->BeginScene();
    screen.DrawObjectControls();
    gDevice->EndScene();
    EXPECT_EQ(screen.GetObjectControl(90801)->alpha, 250);
    EXPECT_EQ(screen.GetObjectControl(90802)->alpha, 255);
}
