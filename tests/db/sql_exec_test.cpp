// Statement text: escaping of text values, id lists, and statements of any length.
#include "db/sql_exec.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlExec, QuotedTextDoublesEveryApostrophe)
{
    EXPECT_EQ(FormatSql("values ('%q')", "O'Neil's"), "values ('O''Neil''s')");
    EXPECT_EQ(FormatSql("values ('%q')", "x'); drop table player; --"), "values ('x''); drop table player; --')");
}

TEST(SqlExec, NumbersFormatAsPrintfDoes)
{
    EXPECT_EQ(FormatSql("%d %f '%x'", -7, 2.5, 0xff80ff00u), "-7 2.500000 'ff80ff00'");
}

TEST(SqlExec, LongStatementsAreNeitherCutNorOverflowed)
{
    std::string longText(5000, 'a');
    std::string sql = FormatSql("select '%q'", longText.c_str());
    EXPECT_EQ(sql.size(), longText.size() + 9);
    EXPECT_EQ(sql.substr(sql.size() - 3), "aa'");
}

TEST(SqlExec, IdListsJoinWithCommasAndAnEmptyListIsZero)
{
    EXPECT_EQ(IdList({}), "0");
    EXPECT_EQ(IdList({5}), "5");
    EXPECT_EQ(IdList({1, 22, 303}), "1,22,303");
    std::vector<int> many(500, 1234);
    EXPECT_EQ(IdList(many).size(), 500u * 5 - 1);
}

TEST(SqlExec, NoDatabaseIsAFailureNotACrash)
{
    EXPECT_TRUE(ExecSql(nullptr, "select 1", nullptr, nullptr).has_value());
}

}  // namespace
