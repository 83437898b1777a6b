// The in-flight screen: the screen of play, which steers the ship from the held keys and
// keeps the flight camera's height.
#pragma once

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

    bool ThrustKey() const { return mThrustKey != 0; }
    bool BrakeKey() const { return mBrakeKey != 0; }
    bool TurnRightKey() const { return mTurnRightKey != 0; }
    bool TurnLeftKey() const { return mTurnLeftKey != 0; }

protected:
    unsigned char mThrustKey = 0;
    unsigned char mBrakeKey = 0;
    unsigned char mTurnRightKey = 0;
    unsigned char mTurnLeftKey = 0;
};

extern CFlightScreen* gFlightScreen;
// The flight camera's eye z, kept across screens.
extern float gCameraHeight;
