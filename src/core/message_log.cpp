// The in-flight message log's storage.
#include "core/message_log.h"

namespace {
constexpr size_t kKeptLines = 64;
std::deque<std::string> gFlightMessages;
}  // namespace

void PostFlightMessage(const std::string& line)
{
    gFlightMessages.push_back(line);
    if (gFlightMessages.size() > kKeptLines)
        gFlightMessages.pop_front();
}

const std::deque<std::string>& FlightMessages()
{
    return gFlightMessages;
}

void ClearFlightMessages()
{
    gFlightMessages.clear();
}
