// The in-flight screen as the layers below the screens reach it: the input that goes to it
// whichever screen is current, and what the world asks of it: system changes, messages, hails. The
// in-flight screen implements it; gFlightView is that screen from start-up to shutdown, and
// null only when no in-flight screen exists.
#pragma once

#include <string>

#include "core/vec3.h"

class CWorldObject;

class CFlightView {
public:
    virtual ~CFlightView() = default;

    // A steering key (W, A, S, D or an arrow) was released.
    virtual void OnKeyUp(int key) = 0;
    // The mouse wheel turned one notch toward or away from the player.
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;

    // Enters the system through the world and shows its backdrop: the one way to change system.
    virtual void SetSystemBackdrop(int systemId) = 0;
    // The system just entered: the boundary plane's scale and the outer extent of the system.
    virtual void SetSystemExtents(const Vec3& boundary, const Vec3& outer) = 0;
    // Shows the text as the centre message; an empty text leaves an empty line shown.
    virtual void ShowCenterMessage(const char* text) = 0;
    // Empties and hides the centre message.
    virtual void ClearCenterMessage() = 0;

    // A line for the in-flight message log.
    virtual void PostMessage(const std::string& text) = 0;
    // Opens the hail box with the lines and the portrait of the keyword; without lines nothing
    // opens and an open box stays as it is.
    virtual void Hail(const char* const* lines, int lineCount, const char* keyword) = 0;
    virtual bool IsHailOpen() const = 0;
    virtual void CloseHail() = 0;
    // Makes the object the player ship's target and shows it; null clears it.
    virtual void SetTarget(CWorldObject* object) = 0;
};

extern CFlightView* gFlightView;
