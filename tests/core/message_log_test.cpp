// The four-line message log: the cut, the free lines, the duplicate rule, scrolling and empty texts.
#include "core/message_log.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines()
{
    return {FlightMessages().begin(), FlightMessages().end()};
}

TEST(MessageLogTest, SixtyCharactersStayWholeAndALongerTextKeepsFiftyNine)
{
    ClearFlightMessages();
    const std::string sixty(60, 'a');
    const std::string sixtyOne = std::string(59, 'b') + "cd";
    PostFlightMessage(sixty);
    PostFlightMessage(sixtyOne);
    EXPECT_EQ(Lines(), (std::vector<std::string>{sixty, std::string(59, 'b')}));
    EXPECT_EQ(sixtyOne.size(), 61u) << "the caller's text is never cut";
    ClearFlightMessages();
}

TEST(MessageLogTest, EqualTextsFillTheFreeLinesThenTheBottomLineIsNotRepeated)
{
    ClearFlightMessages();
    for (int i = 0; i < 5; ++i)
        PostFlightMessage("same");
    EXPECT_EQ(Lines(), (std::vector<std::string>(4, "same")));
    PostFlightMessage("other");
    PostFlightMessage("other");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"same", "same", "same", "other"}));
    ClearFlightMessages();
}

TEST(MessageLogTest, AFifthDistinctTextScrollsTheLogUp)
{
    ClearFlightMessages();
    for (const char* line : {"one", "two", "three", "four", "five"})
        PostFlightMessage(line);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"two", "three", "four", "five"}));
    ClearFlightMessages();
}

TEST(MessageLogTest, AnEmptyTextTakesNoFreeLineButScrollsAFullLogLeavingTheBottomFree)
{
    ClearFlightMessages();
    PostFlightMessage("");
    PostFlightMessage("one");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one"}));
    for (const char* line : {"two", "three", "four", ""})
        PostFlightMessage(line);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"two", "three", "four"}));
    PostFlightMessage("five");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"two", "three", "four", "five"}));
    ClearFlightMessages();
}

}  // namespace
