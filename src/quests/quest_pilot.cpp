// What steps and triggers alike ask of the pilot's carried devices.
#include "quests/quest_pilot.h"

namespace {

constexpr int kCarriedSlots = 10;

}  // namespace

bool PilotCarriesDevice(int deviceId)
{
    if (!gQuestPilot)
        return false;
    for (int slot = 0; slot < kCarriedSlots; ++slot) {
        const int carried = gQuestPilot->CarriedDeviceId(slot);
        if (carried == 0)
            return false;
        if (carried == deviceId)
            return true;
    }
    return false;
}
