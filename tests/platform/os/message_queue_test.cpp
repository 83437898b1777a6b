// The message queue: order, quit from other threads.
#include "platform/os/message_queue.h"

#include <thread>

#include <gtest/gtest.h>

TEST(MessageQueue, MessagesComeOutInOrderAndQuitIsSeen)
{
    os::ClearMessages();
    os::Message message;
    EXPECT_FALSE(os::PeekMessage(&message));
    os::PostMessage(os::MessageType::kActivate, 1);
    std::thread other([] { os::PostQuitMessage(); });
    other.join();
    EXPECT_TRUE(os::QuitPosted());
    ASSERT_TRUE(os::PeekMessage(&message));
    EXPECT_EQ(message.type, os::MessageType::kActivate);
    EXPECT_EQ(message.param, 1);
    ASSERT_TRUE(os::PeekMessage(&message));
    EXPECT_EQ(message.type, os::MessageType::kQuit);
    EXPECT_FALSE(os::QuitPosted());
    EXPECT_FALSE(os::PeekMessage(&message));
}
