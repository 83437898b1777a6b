// The in-flight message log: the lines the heads-up display shows, and the one place the
// catch-all handlers of the resource operations report to.
#pragma once

#include <deque>
#include <string>

// Appends a line; the log keeps the most recent lines only.
void PostFlightMessage(const std::string& line);

// The lines kept, oldest first.
const std::deque<std::string>& FlightMessages();

void ClearFlightMessages();
