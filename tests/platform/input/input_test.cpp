// Input devices: buffering, overflow, acquisition, and the physical key codes.
#include "platform/input/input.h"

#include <gtest/gtest.h>

#include "platform/os/window.h"

namespace {

class InputDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = os::OpenHeadlessWindow();
        system = new input::System(window.get());
        ASSERT_EQ(system->CreateDevice(input::DeviceKind::kKeyboard, &keyboard), input::kOk);
        keyboard->SetBufferSize(4);
    }
    void TearDown() override
    {
        keyboard->Release();
        system->Release();
    }
    std::unique_ptr<os::Window> window;
    input::System* system = nullptr;
    input::Device* keyboard = nullptr;
};

}  // namespace

TEST_F(InputDeviceTest, OnlyAnAcquiredDeviceCollects)
{
    system->Feed(input::DeviceKind::kKeyboard, 30, input::kPressedBit);
    input::DeviceRecord record;
    uint32_t count = 1;
    EXPECT_EQ(keyboard->GetDeviceData(&record, &count), input::kNotAcquired);
    EXPECT_EQ(count, 0u);
    keyboard->Acquire();
    count = 1;
    EXPECT_EQ(keyboard->GetDeviceData(&record, &count), input::kOk);
    EXPECT_EQ(count, 0u);
}

TEST_F(InputDeviceTest, RecordsComeOutInOrderAndOnlyToTheirKind)
{
    keyboard->Acquire();
    system->Feed(input::DeviceKind::kKeyboard, 30, input::kPressedBit);
    system->Feed(input::DeviceKind::kMouse, input::kMouseX, 5);
    system->Feed(input::DeviceKind::kKeyboard, 30, 0);
    input::DeviceRecord records[4];
    uint32_t count = 4;
    EXPECT_EQ(keyboard->GetDeviceData(records, &count), input::kOk);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(records[0].data, input::kPressedBit);
    EXPECT_EQ(records[1].data, 0u);
    EXPECT_LT(records[0].sequence, records[1].sequence);
}

TEST_F(InputDeviceTest, AFullBufferKeepsTheOldestAndReportsTheOverflowOnce)
{
    keyboard->Acquire();
    for (uint32_t key = 2; key < 8; ++key)
        system->Feed(input::DeviceKind::kKeyboard, key, input::kPressedBit);
    input::DeviceRecord records[8];
    uint32_t count = 8;
    EXPECT_EQ(keyboard->GetDeviceData(records, &count), input::kBufferOverflow);
    ASSERT_EQ(count, 4u);
    EXPECT_EQ(records[0].offset, 2u);
    EXPECT_EQ(records[3].offset, 5u);
    system->Feed(input::DeviceKind::kKeyboard, 9, input::kPressedBit);
    count = 8;
    EXPECT_EQ(keyboard->GetDeviceData(records, &count), input::kOk);
    EXPECT_EQ(count, 1u);
}

TEST_F(InputDeviceTest, ADeviceOutlivesItsSystemHarmlessly)
{
    input::System* other = new input::System(window.get());
    input::Device* orphan = nullptr;
    other->CreateDevice(input::DeviceKind::kMouse, &orphan);
    other->Release();
    EXPECT_EQ(orphan->Acquire(), input::kFail);
    EXPECT_EQ(orphan->Release(), 0u);
}

TEST(ScanCodes, KeysMapByPhysicalPosition)
{
    // SDL scancodes are USB usage ids: A is 4, W 26, 1 is 30, Return 40, Up 82.
    EXPECT_EQ(input::ScanCodeOfSdlScancode(4), 30u);
    EXPECT_EQ(input::ScanCodeOfSdlScancode(26), 17u);
    EXPECT_EQ(input::ScanCodeOfSdlScancode(30), 2u);
    EXPECT_EQ(input::ScanCodeOfSdlScancode(40), 28u);
    EXPECT_EQ(input::ScanCodeOfSdlScancode(82), 200u);
    EXPECT_EQ(input::ScanCodeOfSdlScancode(57), 58u);   // caps lock
    EXPECT_EQ(input::ScanCodeOfSdlScancode(225), 42u);  // left shift
    EXPECT_EQ(input::ScanCodeOfSdlScancode(0), 0u);
}
