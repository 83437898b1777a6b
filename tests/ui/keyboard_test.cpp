// Keyboard routing: one record per frame, shift and caps lock, steering releases.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "support/input_fixture.h"

using KeyboardTest = InputFixture;

TEST_F(KeyboardTest, ShiftAndCapsLockChooseTheShiftedMap)
{
    EXPECT_EQ(gKeyboard.TranslateKey(16), 'q');
    Key(kKeyLeftShift, true);
    gKeyboard.Poll();
    EXPECT_EQ(gKeyboard.TranslateKey(16), 'Q');
    EXPECT_EQ(gKeyboard.TranslateKey(3), '@');
    Key(kKeyLeftShift, false);
    gKeyboard.Poll();
    EXPECT_EQ(gKeyboard.TranslateKey(16), 'q');

    Key(kKeyCapsLock, true);
    gKeyboard.Poll();
    EXPECT_EQ(gKeyboard.TranslateKey(40), '"');
    // A shift release clears caps lock's shift too.
    Key(kKeyRightShift, false);
    gKeyboard.Poll();
    EXPECT_EQ(gKeyboard.TranslateKey(40), '\'');
    EXPECT_TRUE(screen.calls.empty());  // shift and caps lock never reach the screen
}

TEST_F(KeyboardTest, KeysWithoutAnEntryComeBackAsTheirLowByte)
{
    EXPECT_EQ(gKeyboard.TranslateKey(kKeyF1), ';');
    EXPECT_EQ(static_cast<unsigned char>(gKeyboard.TranslateKey(kKeyUp)), 0xC8);
    EXPECT_EQ(gKeyboard.TranslateKey(kKeyTab), '\t');
    EXPECT_EQ(gKeyboard.TranslateKey(83), '.');
}

TEST_F(KeyboardTest, OneRecordPerFrame)
{
    for (int k = 16; k < 26; ++k)
        Key(k, true);
    for (int frame = 0; frame < 10; ++frame) {
        gKeyboard.Poll();
        ASSERT_EQ(screen.calls.size(), static_cast<size_t>(frame + 1));
        EXPECT_EQ(screen.calls.back(), (ScreenCall{"KeyDown", 16 + frame}));
    }
    gKeyboard.Poll();
    EXPECT_EQ(screen.calls.size(), 10u);
}

TEST_F(KeyboardTest, SteeringReleasesReachTheFlightScreenWhicheverIsCurrent)
{
    flight.HoldAllKeys();
    Key(kKeyW, true);
    Key(kKeyW, false);
    gKeyboard.Poll();
    gKeyboard.Poll();
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"KeyDown", kKeyW}}));
    EXPECT_FALSE(flight.ThrustKey());
    EXPECT_TRUE(flight.BrakeKey());

    for (int key : {kKeyDown, kKeyLeft, kKeyD}) {
        Key(key, false);
        gKeyboard.Poll();
    }
    EXPECT_FALSE(flight.BrakeKey());
    EXPECT_FALSE(flight.TurnLeftKey());
    EXPECT_FALSE(flight.TurnRightKey());
    EXPECT_EQ(screen.calls.size(), 1u);  // releases never reach the current screen
}

TEST_F(KeyboardTest, OtherReleasesAreDropped)
{
    flight.HoldAllKeys();
    Key(16, false);
    gKeyboard.Poll();
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_TRUE(flight.ThrustKey());
}

TEST_F(KeyboardTest, WithoutInputSystemCreationFails)
{
    ScopedGlobal<input::System*> noInput{gDirectInput, nullptr};
    CKeyboard keyboard;
    EXPECT_NE(keyboard.CreateDevice(), 0);
}
