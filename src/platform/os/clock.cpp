// Millisecond clocks on std::chrono's steady clock.
#include "platform/os/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace os {

namespace {
std::atomic<bool> gManual{false};
std::atomic<uint32_t> gManualNow{0};

uint32_t SteadyMs()
{
    static const auto start = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}
}  // namespace

uint32_t TimeMs()
{
    return gManual ? gManualNow.load() : SteadyMs();
}

void SetManualTime(bool manual, uint32_t nowMs)
{
    gManualNow = nowMs;
    gManual = manual;
}

void AdvanceManualTime(uint32_t ms)
{
    gManualNow += ms;
}

uint32_t TickCount()
{
    auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

void SleepMs(uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace os
