// Random play: the game played from a seed by careless hands, on the real frame loop and by input
// records: keys, the pointer over objects, clicks, held fire, deaths and respawns, docking,
// wormhole trips and every page flight opens. After every frame what the pilot points at must be
// in the world. VARNOK_RANDOM_PLAY_SEED and VARNOK_RANDOM_PLAY_FRAMES play one seed for longer;
// scripts/random-play plays many of them under the sanitizers.
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "net/lobby_screen.h"
#include "road_fixture.h"

namespace {

constexpr int kDefaultFrames = 3000;
// Actions in a row away from flight before the hands look for the way back.
constexpr int kActionsAwayFromFlight = 50;
// Actions in a row dead before the hands find the respawn button.
constexpr int kActionsDead = 25;
// How far from a station or wormhole the pilot is put before flying into it.
constexpr float kApproach = 60.0f;
// Above every control id of the shipped screens.
constexpr int kControlIdLimit = 3000;

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

std::vector<unsigned> Seeds()
{
    const int seed = FromEnvironment("VARNOK_RANDOM_PLAY_SEED", 0);
    if (seed > 0)
        return {static_cast<unsigned>(seed)};
    return {8u, 9u, 10u};
}

bool InWorld(const CWorldObject* object)
{
    if (gPlayerShip && object == gPlayerShip)
        return true;
    for (const auto* map : {&gResourceManager->mObjects, &gResourceManager->mWormholes, &gResourceManager->mSuns,
                            &gResourceManager->mNebulae}) {
        for (const auto& [id, filed] : *map) {
            if (filed == object)
                return true;
        }
    }
    return false;
}

struct Spot {
    int x;
    int y;
};

// The middles of the screen's visible buttons and rows; the main menu's Network button is left
// alone, as the peers of other tests may hold the port.
std::vector<Spot> VisibleButtons(const CScreen* screen)
{
    std::vector<Spot> spots;
    for (int id = 0; id < kControlIdLimit; ++id) {
        if (screen == gMainMenuScreen && id == CMainMenuScreen::kNetworkButton)
            continue;
        if (const CButton* button = screen->GetButton(id); button && button->visible) {
            const int left = button->flippedX ? button->x - button->width : button->x;
            spots.push_back({left + button->width / 2, button->y + button->height / 2});
        }
        if (const CMouseOverButton* row = screen->GetMouseOverButton(id); row && row->visible)
            spots.push_back({row->x + row->width / 2, row->y + row->height / 2});
    }
    return spots;
}

class RandomPlayTest : public RoadTest, public ::testing::WithParamInterface<unsigned> {
protected:
    int Roll(int sides) { return static_cast<int>(mDice() % static_cast<unsigned>(sides)); }
    template <typename T>
    T Pick(const std::vector<T>& from)
    {
        return from[static_cast<size_t>(Roll(static_cast<int>(from.size())))];
    }
    std::string Where() const
    {
        return "seed " + std::to_string(GetParam()) + ", frame " + std::to_string(mFrames) + ", " + mAction;
    }
    bool Playing() const { return mFrames < mFrameLimit && !HasFailure(); }

    // Asked after every frame, the road's own included.
    bool Check(int)
    {
        ++mFrames;
        Tally();
        if (CPlayerShip* ship = gPlayerShip) {
            EXPECT_TRUE(!ship->mTarget || InWorld(ship->mTarget)) << Where() << ": the target left the world";
            EXPECT_TRUE(!ship->mGuideTarget || InWorld(ship->mGuideTarget)) << Where() << ": the guide target too";
        }
        return !HasFailure();
    }
    // One frame of the hands' own; a quit the player chose starts the game again, a failure fails.
    void Frame()
    {
        os::AdvanceManualTime(CRoadDriver::kFrameMs);
        ASSERT_EQ(RunFrame(), 0) << Where();
        Device()->ClearRecords();
        Check(0);
        if (!os::QuitPosted())
            return;
        os::Message message;
        while (os::PeekMessage(&message)) {
            if (message.type == os::MessageType::kQuit) {
                ASSERT_EQ(message.param, 0) << Where() << ": the game ended as a failure";
            }
        }
        StopGame();
        os::ClearMessages();
        ASSERT_FALSE(StartGame(gfx::Backend::kHeadless)) << Where();
        std::srand(GetParam() + static_cast<unsigned>(mFrames));
    }
    void Frames(int count)
    {
        for (int i = 0; i < count && Playing(); ++i)
            Frame();
    }
    void MoveTo(int x, int y)
    {
        int atX = 0;
        int atY = 0;
        gCursor.GetPosition(&atX, &atY);
        Mouse(input::kMouseX, x - atX);
        Mouse(input::kMouseY, y - atY);
        Frame();
    }
    void Button(int button, bool pressed)
    {
        Mouse(input::kMouseButton0 + static_cast<uint32_t>(button), pressed ? static_cast<int32_t>(input::kPressedBit) : 0);
        Frame();
    }
    void ClickAt(Spot spot, int button = 0)
    {
        MoveTo(spot.x, spot.y);
        Button(button, true);
        Button(button, false);
    }
    void Tap(int key)
    {
        Key(key, true);
        Frame();
        Key(key, false);
        Frame();
    }
    Spot AnySpot() { return {Roll(800), Roll(600)}; }

    // Where the object shows on screen: the pick ray is affine in the pointer, so three picks
    // invert it. False when it is off the screen.
    bool ScreenSpotOf(const CWorldObject& object, Spot* spot)
    {
        int atX = 0;
        int atY = 0;
        gCursor.GetPosition(&atX, &atY);
        float pick[3][2] = {};
        const Spot probes[3] = {{0, 0}, {400, 0}, {0, 300}};
        for (int i = 0; i < 3; ++i) {
            gCursor.SetPosition(probes[i].x, probes[i].y);
            gCursor.PickRay(&pick[i][0], &pick[i][1], 30.0f);
        }
        gCursor.SetPosition(atX, atY);
        const float ax = (pick[1][0] - pick[0][0]) / 400.0f;
        const float ay = (pick[1][1] - pick[0][1]) / 400.0f;
        const float bx = (pick[2][0] - pick[0][0]) / 300.0f;
        const float by = (pick[2][1] - pick[0][1]) / 300.0f;
        const float det = ax * by - bx * ay;
        if (det == 0.0f)
            return false;
        const float dx = object.mPosition.x - pick[0][0];
        const float dy = object.mPosition.y - pick[0][1];
        spot->x = static_cast<int>((dx * by - bx * dy) / det);
        spot->y = static_cast<int>((ax * dy - dx * ay) / det);
        return spot->x >= 0 && spot->x < 800 && spot->y >= 0 && spot->y < 600;
    }

    void PlayInFlight()
    {
        CPlayerShip* ship = gPlayerShip;
        const int roll = Roll(100);
        if (roll < 22) {
            mAction = "steer";
            const int keys[] = {kKeyW, kKeyA, kKeyS, kKeyD, kKeyUp, kKeyLeft};
            const int first = keys[Roll(6)];
            const int second = keys[Roll(6)];
            Key(first, true);
            Key(second, true);
            Frames(5 + Roll(60));
            Key(first, false);
            Key(second, false);
            Frame();
        } else if (roll < 36) {
            mAction = "a flight key";
            const std::vector<int> keys = {kKeyF1,    kKeyF1 + 1, kKeyF1 + 4,      kKeyF,     kKeyG,
                                           kKeyEquals, kKeyMinus,  kKeyTab,         kKeySpace, kKeyLeftShift,
                                           kKeyC,      kKeyT,      kKeyLeftControl, kKeyM,     kKeyEscape};
            Tap(Pick(keys));
        } else if (roll < 50) {
            mAction = "point at an object";
            Spot spot;
            if (PointAtAnObject(&spot)) {
                if (Roll(3) == 0)
                    Tap(kKeyLeftControl);
                else if (Roll(2) == 0)
                    ClickAt(spot, 2);
            }
        } else if (roll < 62) {
            mAction = "hold fire";
            MoveTo(Roll(800), Roll(600));
            Button(0, true);
            Frames(5 + Roll(50));
            // Another page opened with the button held: its release goes there.
            if (Roll(3) == 0)
                Tap(Pick(std::vector<int>{kKeyM, kKeyC, kKeyT, kKeyEscape}));
            Button(0, false);
        } else if (roll < 70) {
            mAction = "click";
            ClickAt(AnySpot(), Roll(3));
        } else if (roll < 73) {
            mAction = "wheel";
            Mouse(input::kMouseWheel, (Roll(2) ? 1 : -1) * input::kWheelNotch);
            Frame();
        } else if (roll < 77) {
            mAction = "die in a fight";
            MoveTo(Roll(800), Roll(600));
            Button(0, true);
            Frames(3 + Roll(10));
            for (int hit = 0; hit < 20 && ship && ship->mActive; ++hit)
                ship->TakeDamage(1000000, 0);
            // The hands go on pointing about, the shots included, over the death notice.
            Spot spot;
            for (int look = Roll(6); look >= 0; --look) {
                PointAtAnObject(&spot);
                Frames(Roll(20));
            }
            Button(0, false);
        } else if (roll < 85) {
            mAction = "dock";
            FlyInto(kTypeStation, gResourceManager->mObjects, [] { return gCurrentScreen != gFlightScreen; });
        } else if (roll < 90) {
            mAction = "a wormhole trip";
            const int system = gResourceManager->mCurrentSystemId;
            FlyInto(kTypeWormhole, gResourceManager->mWormholes,
                    [system] { return gResourceManager->mCurrentSystemId != system; });
        } else {
            mAction = "a button of flight";
            const std::vector<Spot> buttons = VisibleButtons(gFlightScreen);
            if (!buttons.empty())
                ClickAt(Pick(buttons));
        }
    }

    // Moves the pointer onto an object of the object map that shows on screen, shots included.
    bool PointAtAnObject(Spot* spot)
    {
        std::vector<const CWorldObject*> objects;
        for (const auto& [id, object] : gResourceManager->mObjects)
            objects.push_back(object);
        if (objects.empty() || !ScreenSpotOf(*Pick(objects), spot))
            return false;
        MoveTo(spot->x, spot->y);
        return true;
    }

    // The pilot is put a short flight from an object of the kind, as a long flight would bring
    // it, and flies in until done() holds.
    void FlyInto(int type, const std::map<int, CWorldObject*>& map, const std::function<bool()>& done)
    {
        std::vector<int> ids;
        for (const auto& [id, object] : map) {
            if (object->mType == type && object->mActive)
                ids.push_back(id);
        }
        CPlayerShip* ship = gPlayerShip;
        if (ids.empty() || !ship || !ship->mActive)
            return;
        const int id = Pick(ids);
        const Vec3 at = map.at(id)->mPosition;
        ship->mPosition = Vec3(at.x + kApproach, at.y, ship->mPosition.z);
        ship->mDestination = ship->mPosition;
        // The road's flight asks once a frame; each ask counts and checks that frame.
        FlyToward(id, 300, [&] { return !Check(0) || done() || !Playing() || !gPlayerShip || !gPlayerShip->mActive; });
    }

    void PlayElsewhere()
    {
        const int roll = Roll(100);
        if (roll < 60) {
            mAction = "a button of another page";
            const std::vector<Spot> buttons = VisibleButtons(gCurrentScreen);
            if (!buttons.empty())
                ClickAt(Pick(buttons));
        } else if (roll < 75 && gCurrentScreen != gMainMenuScreen) {
            mAction = "a click on another page";
            ClickAt(AnySpot(), Roll(2));
        } else {
            mAction = "a key on another page";
            Tap(Pick(std::vector<int>{kKeyEscape, kKeyReturn, kKeyBackspace, kKeyR, kKeyI, kKeyM, kKeyT, kKeyC,
                                      kKeyLeft, kKeyRight, kKeySpace}));
        }
    }

    // Back to flight as a player would find the way: Continue or a new pilot on the main menu, a
    // name and the points on the pilot's pages, elsewhere a button that leads out, else Esc.
    // Every page can be left.
    void FindTheWayBack()
    {
        mAction = "the way back to flight";
        static const char* const kWaysOut[] = {"Back", "Close", "Launch", "Continue", "Station", "Done", "Cancel"};
        for (int tries = 0; tries < 20 && gCurrentScreen != gFlightScreen && Playing(); ++tries) {
            if (gCurrentScreen == gMainMenuScreen) {
                const CButton* resume = gMainMenuScreen->GetButton(CMainMenuScreen::kContinueButton);
                if (gGameDatabase.GetCurrentPlayerId() >= 0 && resume && resume->visible)
                    ClickControl(gMainMenuScreen, CMainMenuScreen::kContinueButton);
                else
                    MakePilotThroughTheMenus();
                continue;
            }
            if (gCurrentScreen == gPilotNameScreen) {
                for (int key : {kKeyR, kKeyI, kKeyN, static_cast<int>(kKeyReturn)})
                    Tap(key);
                continue;
            }
            // A new pilot's page is left only by Create, once every point is spent.
            if (gCurrentScreen == gNewPilotScreen) {
                for (int i = 0; i < 20 && gNewPilotScreen->PointsLeft() > 0; ++i)
                    ClickAt({254, 166 + 40 * Roll(CNewPilotScreen::kSkillCount)});
                ClickControl(gNewPilotScreen, CNewPilotScreen::kCreateButton);
                continue;
            }
            bool clicked = false;
            for (int id = 0; id < kControlIdLimit && !clicked; ++id) {
                const CButton* button = gCurrentScreen->GetButton(id);
                for (const char* way : kWaysOut) {
                    if (!clicked && button && button->visible && std::string(button->text) == way) {
                        ClickControl(gCurrentScreen, id);
                        clicked = true;
                    }
                }
            }
            if (!clicked)
                Tap(kKeyEscape);
        }
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << Where() << ": screen " << gCurrentScreen->GetScreenId();
    }

    // What the play came to, for its last line.
    void Tally()
    {
        if (gCurrentScreen && gCurrentScreen != mLastScreen) {
            mScreensSeen.insert(gCurrentScreen->GetScreenId());
            mDocks += gCurrentScreen == gStationScreen ? 1 : 0;
            mLastScreen = gCurrentScreen;
        }
        const int system = gResourceManager->mCurrentSystemId;
        mSystemChanges += mLastSystem != 0 && system != mLastSystem ? 1 : 0;
        mLastSystem = system;
        const bool alive = gPlayerShip && gPlayerShip->mActive;
        mDeaths += mAlive && gPlayerShip && !alive ? 1 : 0;
        mAlive = alive;
    }
    void Respawn()
    {
        mAction = "respawn";
        const CButton* respawn = gFlightScreen->GetButton(CFlightScreen::kRespawnButton);
        if (respawn && respawn->visible)
            ClickControl(gFlightScreen, CFlightScreen::kRespawnButton);
        else
            Tap(kKeyEscape);
    }

    std::mt19937 mDice{GetParam()};
    int mFrames = 0;
    int mFrameLimit = FromEnvironment("VARNOK_RANDOM_PLAY_FRAMES", kDefaultFrames);
    std::string mAction = "the start";
    std::set<int> mScreensSeen;
    const CScreen* mLastScreen = nullptr;
    int mLastSystem = 0;
    bool mAlive = false;
    int mDocks = 0;
    int mSystemChanges = 0;
    int mDeaths = 0;
};

TEST_P(RandomPlayTest, PlaysFromItsSeedWithoutAFaultAndEveryTargetInTheWorld)
{
    std::srand(GetParam());
    road.Frames(5);
    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFailure());
    int away = 0;
    int dead = 0;
    while (Playing()) {
        const bool flying = gCurrentScreen == gFlightScreen;
        away = flying ? 0 : away + 1;
        dead = flying && gPlayerShip && !gPlayerShip->mActive ? dead + 1 : 0;
        if (gCurrentScreen == gNetworkScreen || gCurrentScreen == gLobbyScreen || away > kActionsAwayFromFlight)
            FindTheWayBack();
        else if (dead > kActionsDead)
            Respawn();
        else if (flying)
            PlayInFlight();
        else
            PlayElsewhere();
    }
    std::printf("[ random   ] seed %u: %d frames, %zu screens, %d docks, %d system changes, %d deaths\n", GetParam(),
                mFrames, mScreensSeen.size(), mDocks, mSystemChanges, mDeaths);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlayTest, ::testing::ValuesIn(Seeds()),
                         [](const ::testing::TestParamInfo<unsigned>& info) { return std::to_string(info.param); });

}  // namespace
