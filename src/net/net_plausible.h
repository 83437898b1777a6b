// What a peer's message may carry before anything here acts on it: object ids of the kinds the
// session hands out, floats that are finite and within what a game can produce in this system
// and its content, and points and levels no larger than the game's sums and factors hold. A
// message carrying anything else is dropped whole.
#pragma once

#include "net/net_messages.h"

// The messages without ids or floats are always plausible.
template <typename Message>
bool IsPlausible(const Message&)
{
    return true;
}
bool IsPlausible(const MsgObjectState& message);
bool IsPlausible(const MsgShipState& message);
bool IsPlausible(const MsgRemoteFire& message);
bool IsPlausible(const MsgWeaponSlot& message);
bool IsPlausible(const MsgDestination& message);
bool IsPlausible(const MsgShipSnapshot& message);
bool IsPlausible(const MsgObjectIdAssigned& message);
bool IsPlausible(const MsgCreateShot& message);
bool IsPlausible(const MsgIdHolder& message);
bool IsPlausible(const MsgShotBlow& message);
