// The thirteen game messages peers exchange: their fields, and their little-endian wire layouts
// with each type's exact size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/vec3.h"

using NetBytes = std::vector<uint8_t>;

// Every message starts with a reserved word and its type.
constexpr size_t kNetHeaderBytes = 8;
constexpr size_t kChatTextBytes = 100;
constexpr size_t kSnapshotNameBytes = 50;
constexpr int kSnapshotListSize = 10;

struct MsgChatLine {
    static constexpr int kType = 1;
    static constexpr size_t kBytes = 108;
    std::string text;  // at most kChatTextBytes - 1 characters
};

struct MsgObjectState {
    static constexpr int kType = 2;
    static constexpr size_t kBytes = 28;
    int32_t objectId = 0;
    int32_t hitPoints = 0;
    Vec3 position;
};

struct MsgShipState {
    static constexpr int kType = 3;
    static constexpr size_t kBytes = 84;
    int32_t objectId = 0;
    int32_t hitPoints = 0;
    int32_t shieldPoints = 0;
    int32_t armorPoints = 0;
    Vec3 position;
    Vec3 destination;
    Vec3 rotation;
    Vec3 velocity;
    // The system the ship's player is in, in the first word of the further vector; the other two
    // words are zero. A sender that tells no system leaves it kNoSystemTold.
    int32_t systemId = 0;
};
// Such a ship is shown in whichever system this player is in.
constexpr int32_t kNoSystemTold = 0;

struct MsgRemoteFire {
    static constexpr int kType = 4;
    static constexpr size_t kBytes = 28;
    int32_t objectId = 0;
    int32_t deviceId = 0;
    Vec3 target;
};

struct MsgWeaponSlot {
    static constexpr int kType = 5;
    static constexpr size_t kBytes = 16;
    int32_t objectId = 0;
    int32_t slot = 0;
};

struct MsgDestination {
    static constexpr int kType = 6;
    static constexpr size_t kBytes = 24;
    int32_t objectId = 0;
    Vec3 destination;
};

struct MsgStartGame {
    static constexpr int kType = 7;
    static constexpr size_t kBytes = 12;
    int32_t systemId = 0;
};

struct MsgShipSnapshot {
    static constexpr int kType = 8;
    static constexpr size_t kBytes = 332;
    int32_t hullId = 0;
    int32_t communication = 0;
    int32_t engineering = 0;
    int32_t navigation = 0;
    int32_t science = 0;
    int32_t tactical = 0;
    int32_t pilotLevel = 0;
    std::string pilotName;  // at most kSnapshotNameBytes - 1 characters
    std::string shipName;
    uint32_t colour = 0;
    int32_t engineId = 0;
    int32_t shieldId = 0;
    int32_t armorId = 0;
    int32_t fuel = 0;
    int32_t affiliate = 0;
    int32_t weaponCount = 0;
    int32_t carriedCount = 0;
    std::array<int32_t, kSnapshotListSize> weapons{};
    std::array<int32_t, kSnapshotListSize> ammunition{};
    std::array<int32_t, kSnapshotListSize> carried{};
    std::array<int32_t, kSnapshotListSize> amounts{};
    int32_t objectId = 0;
};

struct MsgRequestObjectId {
    static constexpr int kType = 9;
    static constexpr size_t kBytes = 8;
};

struct MsgObjectIdAssigned {
    static constexpr int kType = 10;
    static constexpr size_t kBytes = 12;
    int32_t objectId = 0;
};

// The host tells every player which player holds an id it handed out.
struct MsgIdHolder {
    static constexpr int kType = 12;
    static constexpr size_t kBytes = 16;
    int32_t objectId = 0;
    uint32_t player = 0;
};

enum ShotKind { kShotBeam = 1, kShotProjectile = 2, kShotShockwave = 3 };

struct MsgCreateShot {
    static constexpr int kType = 11;
    static constexpr size_t kBytes = 36;
    int32_t deviceId = 0;
    int32_t ownerId = 0;
    Vec3 point;
    int32_t kind = 0;
    int32_t shotId = 0;
};

// The shooter's game tells the owner of a ship that one of its shots, as told by type 11, struck
// that ship's copy there, with the blow's damage before the ship's shield and armor.
struct MsgShotBlow {
    static constexpr int kType = 13;
    static constexpr size_t kBytes = 24;
    int32_t objectId = 0;
    int32_t ownerId = 0;
    int32_t shotId = 0;
    int32_t damage = 0;
};

// The type word of a message; 0 for one shorter than the header.
int NetMessageType(const NetBytes& data);
// The exact size of a message of that type; 0 for an unknown type.
size_t NetMessageBytes(int type);

NetBytes EncodeMessage(const MsgChatLine& message);
NetBytes EncodeMessage(const MsgObjectState& message);
NetBytes EncodeMessage(const MsgShipState& message);
NetBytes EncodeMessage(const MsgRemoteFire& message);
NetBytes EncodeMessage(const MsgWeaponSlot& message);
NetBytes EncodeMessage(const MsgDestination& message);
NetBytes EncodeMessage(const MsgStartGame& message);
NetBytes EncodeMessage(const MsgShipSnapshot& message);
NetBytes EncodeMessage(const MsgRequestObjectId& message);
NetBytes EncodeMessage(const MsgObjectIdAssigned& message);
NetBytes EncodeMessage(const MsgCreateShot& message);
NetBytes EncodeMessage(const MsgIdHolder& message);
NetBytes EncodeMessage(const MsgShotBlow& message);

// Nothing unless the data is exactly the type's size and carries its type.
template <typename Message>
std::optional<Message> DecodeMessage(const NetBytes& data);
