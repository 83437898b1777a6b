// The in-flight message log: the four lines the heads-up display shows, and the one place every
// subsystem, the catch-all handlers of the resource operations included, reports to.
#pragma once

#include <deque>
#include <string>

constexpr size_t kMessageLogLines = 4;
// A longer text keeps only its first kMessageCutLength characters.
constexpr size_t kMessageLineLength = 60;
constexpr size_t kMessageCutLength = 59;

// Takes the first free line; with all four in use a text equal to the bottom line is dropped and
// any other scrolls the log up by one. An empty text takes no line, but on a full log it still
// scrolls, leaving the bottom line free. The caller's text is never changed.
void PostFlightMessage(const std::string& line);

// Hears every line posted, after the cut, whether the log takes it or not; null for none. The
// log shows four lines only, so whatever must see every line listens here.
using FlightMessageListener = void (*)(const std::string& line);
void SetFlightMessageListener(FlightMessageListener listener);

// The lines in use, top first.
const std::deque<std::string>& FlightMessages();

void ClearFlightMessages();
