// The in-flight screen as the layers below the screens reach it: the input that goes to it
// whichever screen is current. The in-flight screen implements it; gFlightView is that screen
// from start-up to shutdown, and null only when no in-flight screen exists.
#pragma once

class CFlightView {
public:
    virtual ~CFlightView() = default;

    // A steering key (W, A, S, D or an arrow) was released.
    virtual void OnKeyUp(int key) = 0;
    // The mouse wheel turned one notch toward or away from the player.
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
};

extern CFlightView* gFlightView;
