// The in-flight screen: the screen of play, which steers the ship from the held keys, keeps the
// flight camera's height, runs the world pass and changes system with its backdrop.
#pragma once

#include "core/draw_records.h"
#include "ui/flight_view.h"
#include "ui/screen.h"

class CFlightScreen : public CScreen, public CFlightView {
public:
    CFlightScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    // The held steering keys and the zoom keys.
    void OnKeyDown(int key) override;

    // A steering key was released, whichever screen is current.
    void OnKeyUp(int key) override;
    // Camera height steps of 20, between -20 and -100; only while this screen is current.
    void ZoomIn() override;
    void ZoomOut() override;

    // Enters the system and sets the backdrop and glow textures of its faction and the scales.
    void SetSystemBackdrop(int systemId) override;
    void SetSystemExtents(const Vec3& boundary, const Vec3& outer) override;
    void ClearCenterMessage() override;
    void Hail(const char* const* lines, int lineCount, const char* keyword) override;
    bool IsHailOpen() const override { return false; }
    void SetTarget(CWorldObject* object) override;

    const MeshDrawRecord& BackdropPlane() const { return mBackdropPlane; }
    const MeshDrawRecord& GlowPlane() const { return mGlowPlane; }
    const MeshDrawRecord& BoundaryPlane() const { return mBoundaryPlane; }
    const Vec3& SystemExtent() const { return mSystemExtent; }

    bool ThrustKey() const { return mThrustKey != 0; }
    bool BrakeKey() const { return mBrakeKey != 0; }
    bool TurnRightKey() const { return mTurnRightKey != 0; }
    bool TurnLeftKey() const { return mTurnLeftKey != 0; }

protected:
    // The planes behind the flight plane; the records point at the fields below.
    MeshDrawRecord mBackdropPlane;
    MeshDrawRecord mGlowPlane;
    MeshDrawRecord mBoundaryPlane;
    Vec3 mBoundaryScale;
    // The system's size with the room beyond its boundary.
    Vec3 mSystemExtent;
    int mGlowValue = 150;
    unsigned char mGlowRising = 1;
    Vec3 mGlowPlanePosition{0.0f, 20.0f, 48.0f};
    Vec3 mBackdropPosition{0.0f, 0.0f, 50.0f};
    Vec3 mBackdropRotation;
    Vec3 mBackdropScale{1550.0f, 1550.0f, 50.0f};
    int mBackdropAlpha = 255;
    uint8_t mMeshFlags = 0;
    uint32_t mBackdropColour = 0xFFFFFFFFu;
    unsigned char mThrustKey = 0;
    unsigned char mBrakeKey = 0;
    unsigned char mTurnRightKey = 0;
    unsigned char mTurnLeftKey = 0;
};

extern CFlightScreen* gFlightScreen;
// The flight camera's eye z, kept across screens.
extern float gCameraHeight;
