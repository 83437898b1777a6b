// 100 000 random and mutated messages of every type through the manager's handler: nothing may
// crash, quit or leak, whatever a peer sends.
#include <map>
#include <random>

#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "platform/os/message_queue.h"
#include "world/world_fixture.h"

namespace {

class NetFuzzTest : public WorldTest {
protected:
    void TearDown() override
    {
        gNetworkManager.mRemoteShipIds.clear();
        gNetworkManager.mChatLines.clear();
        gNetworkManager.mIdCounter = 0;
        gNetworkManager.mHost = 0;
        WorldTest::TearDown();
    }
};

TEST_F(NetFuzzTest, RandomAndMutatedMessagesNeverCrashOrQuit)
{
    RowList<CreateShipRow> rows;
    const CreateShipRow& hull = *gGameDatabase.GetCreateShips(rows).front();
    MsgShipSnapshot snapshot;
    snapshot.hullId = hull.ship_id;
    snapshot.engineId = hull.engine_device_id;
    snapshot.weaponCount = 1;
    snapshot.weapons[0] = hull.weapon_id_1;
    snapshot.objectId = 21;
    const std::vector<NetBytes> seeds = {
        EncodeMessage(MsgChatLine{"hi"}),
        EncodeMessage(MsgObjectState{21, 5, Vec3(1, 1, 30)}),
        EncodeMessage(MsgShipState{21, 5, 5, 5, Vec3(1, 1, 30), Vec3(2, 2, 30), Vec3(), Vec3(1, 0, 0), Vec3()}),
        EncodeMessage(MsgRemoteFire{21, hull.weapon_id_1, Vec3(5, 5, 30)}),
        EncodeMessage(MsgWeaponSlot{21, 3}),
        EncodeMessage(MsgDestination{21, Vec3(9, 9, 30)}),
        EncodeMessage(MsgStartGame{1}),
        EncodeMessage(snapshot),
        EncodeMessage(MsgRequestObjectId{}),
        EncodeMessage(MsgObjectIdAssigned{40}),
        EncodeMessage(MsgCreateShot{hull.weapon_id_1, 21, Vec3(9, 0, 30), kShotBeam, 700}),
    };
    gNetworkManager.mHost = 1;
    std::mt19937 random(24);
    // Messages of each type that passed the size check and so reached its handler.
    std::map<int, int> wellSized;
    for (int i = 0; i < 100000; ++i) {
        netpeer::Event event;
        event.kind = netpeer::EventKind::kReceive;
        event.player = 2;
        NetBytes data = seeds[random() % seeds.size()];
        switch (random() % 5) {
        case 0:  // one byte anywhere, the type word included
            data[random() % data.size()] = static_cast<uint8_t>(random());
            break;
        case 1:  // the ids and counts of the body
            if (data.size() > 8)
                data[8 + random() % (data.size() - 8)] = static_cast<uint8_t>(random() % 32);
            break;
        case 2:  // a wrong length
            data.resize(random() % 400);
            break;
        case 3:  // a random body at its type's own size
            for (size_t at = 8; at < data.size(); ++at)
                data[at] = static_cast<uint8_t>(random());
            break;
        default:  // noise
            for (uint8_t& byte : data)
                byte = static_cast<uint8_t>(random());
            break;
        }
        if (NetMessageBytes(NetMessageType(data)) == data.size())
            ++wellSized[NetMessageType(data)];
        event.data = std::move(data);
        gNetworkManager.NetMessageHandler(event);
        if (i % 100 == 0)
            gNetworkManager.ApplyEvents();
    }
    gNetworkManager.ApplyEvents();
    EXPECT_FALSE(os::QuitPosted());
    for (int type = 1; type <= 11; ++type)
        EXPECT_GT(wellSized[type], 1000) << "type " << type;
    // The mutations still reached the handlers, and no text got past its field.
    EXPECT_FALSE(gNetworkManager.RemoteShips().empty());
    ASSERT_FALSE(gNetworkManager.mChatLines.empty());
    for (const std::string& line : gNetworkManager.mChatLines)
        EXPECT_LT(line.size(), kChatTextBytes);
}

}  // namespace
