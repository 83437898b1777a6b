// The in-flight message log's four lines.
#include "core/message_log.h"

namespace {
// Built on first use: the start-up objects may post before this file's statics exist.
std::deque<std::string>& Log()
{
    static std::deque<std::string> log;
    return log;
}
FlightMessageListener gListener = nullptr;
}  // namespace

void SetFlightMessageListener(FlightMessageListener listener)
{
    gListener = listener;
}

void PostFlightMessage(const std::string& line)
{
    const std::string text = line.size() > kMessageLineLength ? line.substr(0, kMessageCutLength) : line;
    if (gListener)
        gListener(text);
    std::deque<std::string>& log = Log();
    if (log.size() == kMessageLogLines) {
        if (log.back() == text)
            return;
        log.pop_front();
    }
    // An empty text is a free line: it takes none, though on a full log the scroll still happens.
    if (!text.empty())
        log.push_back(text);
}

const std::deque<std::string>& FlightMessages()
{
    return Log();
}

void ClearFlightMessages()
{
    Log().clear();
}
