// Whether a solar system's row lets a pilot in. Without a row there is nothing to fly to, and
// without a width and a height every move is clamped to the centre, where the ship docks again
// on every launch.
#pragma once

// Why the system cannot be entered ("has no system row", "has no width or height"); null when it
// can.
const char* SystemRefusal(int systemId);
