// The wire layouts: one field list per message, walked by a writer and by a bounded reader.
#include "net/net_messages.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

namespace {

class Writer {
public:
    explicit Writer(size_t size) : mData(size, 0) {}

    void Int(int32_t value) { Word(static_cast<uint32_t>(value)); }
    void Word(uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            mData[mAt++] = static_cast<uint8_t>(value >> (8 * i));
    }
    void Float(float value) { Word(std::bit_cast<uint32_t>(value)); }
    void Vector(const Vec3& value)
    {
        Float(value.x);
        Float(value.y);
        Float(value.z);
    }
    // The field stays NUL-terminated: longer text is cut.
    void Text(const std::string& text, size_t field)
    {
        std::memcpy(&mData[mAt], text.data(), std::min(text.size(), field - 1));
        mAt += field;
    }
    void Ints(const std::array<int32_t, kSnapshotListSize>& values)
    {
        for (int32_t value : values)
            Int(value);
    }
    // Words no reader takes stay zero.
    void Skip(size_t bytes) { mAt += bytes; }
    NetBytes Take() { return std::move(mData); }

private:
    NetBytes mData;
    size_t mAt = 0;
};

class Reader {
public:
    explicit Reader(const NetBytes& data) : mData(data) {}

    void Int(int32_t& value)
    {
        uint32_t word = 0;
        Word(word);
        value = static_cast<int32_t>(word);
    }
    void Word(uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(mData[mAt++]) << (8 * i);
    }
    void Float(float& value)
    {
        uint32_t word = 0;
        Word(word);
        value = std::bit_cast<float>(word);
    }
    void Vector(Vec3& value)
    {
        Float(value.x);
        Float(value.y);
        Float(value.z);
    }
    // A peer may leave out the terminator: the text stops at the field's last byte.
    void Text(std::string& text, size_t field)
    {
        const auto* begin = reinterpret_cast<const char*>(&mData[mAt]);
        text.assign(begin, strnlen(begin, field - 1));
        mAt += field;
    }
    void Ints(std::array<int32_t, kSnapshotListSize>& values)
    {
        for (int32_t& value : values)
            Int(value);
    }
    void Skip(size_t bytes) { mAt += bytes; }

private:
    const NetBytes& mData;
    size_t mAt = kNetHeaderBytes;
};

// Each body in wire order; the const and the mutable message share one list.
#define VARNOK_FIELDS(Type, ...) \
    void Fields(Writer& io, const Type& m) __VA_ARGS__ void Fields(Reader& io, Type& m) __VA_ARGS__

VARNOK_FIELDS(MsgChatLine, { io.Text(m.text, kChatTextBytes); })
VARNOK_FIELDS(MsgObjectState, {
    io.Int(m.objectId);
    io.Int(m.hitPoints);
    io.Vector(m.position);
})
VARNOK_FIELDS(MsgShipState, {
    io.Int(m.objectId);
    io.Int(m.hitPoints);
    io.Int(m.shieldPoints);
    io.Int(m.armorPoints);
    io.Vector(m.position);
    io.Vector(m.destination);
    io.Vector(m.rotation);
    io.Vector(m.velocity);
    io.Int(m.systemId);
    io.Skip(8);
})
VARNOK_FIELDS(MsgRemoteFire, {
    io.Int(m.objectId);
    io.Int(m.deviceId);
    io.Vector(m.target);
})
VARNOK_FIELDS(MsgWeaponSlot, {
    io.Int(m.objectId);
    io.Int(m.slot);
})
VARNOK_FIELDS(MsgDestination, {
    io.Int(m.objectId);
    io.Vector(m.destination);
})
VARNOK_FIELDS(MsgStartGame, { io.Int(m.systemId); })
VARNOK_FIELDS(MsgShipSnapshot, {
    io.Int(m.hullId);
    io.Int(m.communication);
    io.Int(m.engineering);
    io.Int(m.navigation);
    io.Int(m.science);
    io.Int(m.tactical);
    io.Int(m.pilotLevel);
    io.Text(m.pilotName, kSnapshotNameBytes);
    io.Text(m.shipName, kSnapshotNameBytes);
    io.Word(m.colour);
    io.Int(m.engineId);
    io.Int(m.shieldId);
    io.Int(m.armorId);
    io.Int(m.fuel);
    io.Int(m.affiliate);
    io.Int(m.weaponCount);
    io.Int(m.carriedCount);
    io.Ints(m.weapons);
    io.Ints(m.ammunition);
    io.Ints(m.carried);
    io.Ints(m.amounts);
    io.Int(m.objectId);
})
VARNOK_FIELDS(MsgRequestObjectId, {
    (void)io;
    (void)m;
})
VARNOK_FIELDS(MsgObjectIdAssigned, { io.Int(m.objectId); })
VARNOK_FIELDS(MsgCreateShot, {
    io.Int(m.deviceId);
    io.Int(m.ownerId);
    io.Vector(m.point);
    io.Int(m.kind);
    io.Int(m.shotId);
})
VARNOK_FIELDS(MsgIdHolder, {
    io.Int(m.objectId);
    io.Word(m.player);
})
VARNOK_FIELDS(MsgShotBlow, {
    io.Int(m.objectId);
    io.Int(m.ownerId);
    io.Int(m.shotId);
    io.Int(m.damage);
})

#undef VARNOK_FIELDS

template <typename M>
NetBytes Encode(const M& message)
{
    Writer writer(M::kBytes);
    writer.Int(0);
    writer.Int(M::kType);
    Fields(writer, message);
    return writer.Take();
}

}  // namespace

int NetMessageType(const NetBytes& data)
{
    if (data.size() < kNetHeaderBytes)
        return 0;
    return static_cast<int>(static_cast<uint32_t>(data[4]) | static_cast<uint32_t>(data[5]) << 8 |
                            static_cast<uint32_t>(data[6]) << 16 | static_cast<uint32_t>(data[7]) << 24);
}

size_t NetMessageBytes(int type)
{
    static constexpr size_t kSizes[] = {0,
                                        MsgChatLine::kBytes,
                                        MsgObjectState::kBytes,
                                        MsgShipState::kBytes,
                                        MsgRemoteFire::kBytes,
                                        MsgWeaponSlot::kBytes,
                                        MsgDestination::kBytes,
                                        MsgStartGame::kBytes,
                                        MsgShipSnapshot::kBytes,
                                        MsgRequestObjectId::kBytes,
                                        MsgObjectIdAssigned::kBytes,
                                        MsgCreateShot::kBytes,
                                        MsgIdHolder::kBytes,
                                        MsgShotBlow::kBytes};
    return type >= 1 && type < static_cast<int>(std::size(kSizes)) ? kSizes[type] : 0;
}

template <typename M>
std::optional<M> DecodeMessage(const NetBytes& data)
{
    if (data.size() != M::kBytes || NetMessageType(data) != M::kType)
        return std::nullopt;
    M message;
    Reader reader(data);
    Fields(reader, message);
    return message;
}

#define VARNOK_CODEC(Type)                      \
    NetBytes EncodeMessage(const Type& message) \
    {                                           \
        return Encode(message);                 \
    }                                           \
    template std::optional<Type> DecodeMessage<Type>(const NetBytes& data);

VARNOK_CODEC(MsgChatLine)
VARNOK_CODEC(MsgObjectState)
VARNOK_CODEC(MsgShipState)
VARNOK_CODEC(MsgRemoteFire)
VARNOK_CODEC(MsgWeaponSlot)
VARNOK_CODEC(MsgDestination)
VARNOK_CODEC(MsgStartGame)
VARNOK_CODEC(MsgShipSnapshot)
VARNOK_CODEC(MsgRequestObjectId)
VARNOK_CODEC(MsgObjectIdAssigned)
VARNOK_CODEC(MsgCreateShot)
VARNOK_CODEC(MsgIdHolder)
VARNOK_CODEC(MsgShotBlow)

#undef VARNOK_CODEC
