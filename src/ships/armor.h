// CArmor: the layer between the shield and the hull.
#pragma once

#include "ships/defense_device.h"

class CArmor : public CDefenseDevice {
public:
    // Reads the armor's row; a missing row posts the quit message and leaves an armor of 0 points.
    explicit CArmor(int deviceId);

    // Scales the regeneration by the owner's armor factor.
    virtual void Attach(CShip* owner);

    int mArmorId = 0;
};
