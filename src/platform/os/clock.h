// Millisecond clocks in place of the platform's timer calls.
#pragma once

#include <cstdint>

namespace os {

// Milliseconds since the first call, wrapping at 2^32 like the system timer it replaces.
uint32_t TimeMs();

// Tests drive time by hand: while set, TimeMs returns this value.
void SetManualTime(bool manual, uint32_t nowMs = 0);
void AdvanceManualTime(uint32_t ms);

// Milliseconds since the machine started (seeds the random generator).
uint32_t TickCount();

void SleepMs(uint32_t ms);

}  // namespace os
