// The wire codec: every type keeps its size and layout, and anything of the wrong size or kind
// is refused.
#include "net/net_messages.h"

#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

struct CodecCase {
    std::string name;
    int type;
    size_t bytes;
    NetBytes sample;
    // The sample's first body word, 0 for a message without a body.
    int32_t firstWord;
    std::function<std::optional<NetBytes>(const NetBytes&)> reencode;
};

template <typename M>
CodecCase Case(const std::string& name, const M& sample, int32_t firstWord)
{
    return {name,
            M::kType,
            M::kBytes,
            EncodeMessage(sample),
            firstWord,
            [](const NetBytes& data) -> std::optional<NetBytes> {
                if (std::optional<M> message = DecodeMessage<M>(data))
                    return EncodeMessage(*message);
                return std::nullopt;
            }};
}

int32_t WordAt(const NetBytes& data, size_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, &data[offset], 4);
    return value;
}

MsgShipSnapshot SampleSnapshot()
{
    MsgShipSnapshot m;
    m.hullId = 808;
    m.communication = 1;
    m.engineering = 2;
    m.navigation = 3;
    m.science = 4;
    m.tactical = 5;
    m.pilotLevel = 6;
    m.pilotName = "Ada";
    m.shipName = "Courier";
    m.colour = 0xFF102030u;
    m.engineId = 1;
    m.shieldId = 3;
    m.armorId = 4;
    m.fuel = 77;
    m.affiliate = 2;
    m.weaponCount = 2;
    m.carriedCount = 1;
    m.weapons = {10, 11};
    m.ammunition = {0, 5};
    m.carried = {23};
    m.amounts = {9};
    m.objectId = 21;
    return m;
}

std::vector<CodecCase> Cases()
{
    return {
        Case("ChatLine", MsgChatLine{"hello"}, 0x6c6c6568),
        Case("ObjectState", MsgObjectState{802, 40, Vec3(1, 2, 3)}, 802),
        Case("ShipState", MsgShipState{803, 1, 2, 3, Vec3(1, 2, 3), Vec3(4, 5, 6), Vec3(7, 8, 9), Vec3(-1, -2, -3), 5},
             803),
        Case("RemoteFire", MsgRemoteFire{804, 10, Vec3(5, 6, 30)}, 804),
        Case("WeaponSlot", MsgWeaponSlot{805, 1}, 805),
        Case("Destination", MsgDestination{806, Vec3(-4, 8, 30)}, 806),
        Case("StartGame", MsgStartGame{807}, 807),
        Case("ShipSnapshot", SampleSnapshot(), 808),
        Case("RequestObjectId", MsgRequestObjectId{}, 0),
        Case("ObjectIdAssigned", MsgObjectIdAssigned{810}, 810),
        Case("CreateShot", MsgCreateShot{811, 21, Vec3(1, 1, 30), kShotBeam, 600}, 811),
        Case("IdHolder", MsgIdHolder{812, 3}, 812),
        Case("ShotBlow", MsgShotBlow{813, 21, 100600, 40}, 813),
    };
}

class CodecTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(CodecTest, RoundTripsAtItsSizeAndRefusesAnyOtherSizeOrKind)
{
    const CodecCase& c = GetParam();
    ASSERT_EQ(c.sample.size(), c.bytes);
    EXPECT_EQ(NetMessageBytes(c.type), c.bytes);
    EXPECT_EQ(NetMessageType(c.sample), c.type);
    EXPECT_EQ(WordAt(c.sample, 0), 0);
    if (c.bytes > kNetHeaderBytes) {
        EXPECT_EQ(WordAt(c.sample, 8), c.firstWord);
    }

    std::optional<NetBytes> again = c.reencode(c.sample);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, c.sample);

    NetBytes longer = c.sample;
    longer.push_back(0);
    EXPECT_FALSE(c.reencode(longer));
    NetBytes shorter = c.sample;
    shorter.pop_back();
    EXPECT_FALSE(c.reencode(shorter));

    // The same bytes under every other type word.
    for (int other = 0; other <= 14; ++other) {
        if (other == c.type)
            continue;
        NetBytes relabelled = c.sample;
        relabelled[4] = static_cast<uint8_t>(other);
        EXPECT_FALSE(c.reencode(relabelled)) << "as type " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, CodecTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<CodecCase>& info) { return info.param.name; });

TEST(NetMessages, SnapshotFieldsSitAtTheirOffsetsAndTextsAreBounded)
{
    MsgShipSnapshot snapshot = SampleSnapshot();
    snapshot.pilotName = std::string(80, 'p');
    const NetBytes data = EncodeMessage(snapshot);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&data[36])), std::string(49, 'p'));
    EXPECT_STREQ(reinterpret_cast<const char*>(&data[86]), "Courier");
    EXPECT_EQ(WordAt(data, 136), static_cast<int32_t>(0xFF102030u));
    EXPECT_EQ(WordAt(data, 160), 2);
    EXPECT_EQ(WordAt(data, 172), 11);
    EXPECT_EQ(WordAt(data, 212), 5);
    EXPECT_EQ(WordAt(data, 248), 23);
    EXPECT_EQ(WordAt(data, 288), 9);
    EXPECT_EQ(WordAt(data, 328), 21);

    // A peer that fills a name field to its end still yields a bounded name.
    NetBytes unterminated = data;
    std::memset(&unterminated[86], 's', 50);
    std::optional<MsgShipSnapshot> read = DecodeMessage<MsgShipSnapshot>(unterminated);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->shipName, std::string(49, 's'));
    EXPECT_EQ(read->colour, 0xFF102030u);
}

TEST(NetMessages, AChatOf99CharactersArrivesWholeAndLongerTextIsCut)
{
    const std::string text(99, 'c');
    std::optional<MsgChatLine> read = DecodeMessage<MsgChatLine>(EncodeMessage(MsgChatLine{text}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text, text);

    const NetBytes cut = EncodeMessage(MsgChatLine{std::string(150, 'c')});
    EXPECT_EQ(cut[107], 0);
    EXPECT_EQ(DecodeMessage<MsgChatLine>(cut)->text, text);
    EXPECT_EQ(NetMessageType(NetBytes(7, 1)), 0);
}

}  // namespace
