// Angles kept within one turn.
#pragma once

// angle brought into [0, turn). Content rows and peers can hand over any float, so a value far
// outside the turn is reduced in one step rather than by stepping a turn at a time, and a value
// that is not finite becomes 0: the call always ends at once.
float WrappedAngle(float angle, float turn);
