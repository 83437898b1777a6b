// The helpers the content check relies on.
#include "content/game_files.h"

#include <gtest/gtest.h>

namespace {

TEST(GameFilesTest, PowerOfTwo)
{
    EXPECT_TRUE(content_check::IsPowerOfTwo(1));
    EXPECT_TRUE(content_check::IsPowerOfTwo(256));
    EXPECT_FALSE(content_check::IsPowerOfTwo(0));
    EXPECT_FALSE(content_check::IsPowerOfTwo(800));
    EXPECT_FALSE(content_check::IsPowerOfTwo(-4));
}

}  // namespace
