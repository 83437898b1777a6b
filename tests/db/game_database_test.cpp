// The database object: opening both files, and the four query shapes with their ownership rules.
#include "db/game_database.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include "db/db_fixture.h"
#include "db/query_shapes.h"
#include "platform/os/message_queue.h"

namespace {

using DbOpen = DbFixture;
using DbShapes = DbFixture;

TEST_F(DbOpen, MissingSaveFileEndsTheGameNamingItAndIsNeverCreated)
{
    std::filesystem::remove(SaveFile());
    CGameDatabase db;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(db.Open(ContentFile(), SaveFile()));
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find(SaveFile()), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_FALSE(std::filesystem::exists(SaveFile()));
}

TEST_F(DbOpen, AFileThatIsNoDatabaseIsRefused)
{
    std::ofstream(ContentFile(), std::ios::trunc) << "these are not the tables you are looking for\n";
    CGameDatabase db;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(db.Open(ContentFile(), SaveFile()));
    EXPECT_NE(testing::internal::GetCapturedStderr().find(ContentFile()), std::string::npos);
    EXPECT_TRUE(os::QuitPosted());
}

TEST_F(DbOpen, AnEmptyFileIsRefusedAndLeftEmpty)
{
    std::ofstream(SaveFile(), std::ios::trunc).close();
    CGameDatabase db;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(db.Open(ContentFile(), SaveFile()));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::filesystem::file_size(SaveFile()), 0u);
}

TEST_F(DbOpen, ASaveFileAnotherCopyOfTheGameIsWritingStillOpens)
{
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(SaveFile().c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    CGameDatabase db;
    EXPECT_TRUE(db.Open(ContentFile(), SaveFile()));
    EXPECT_FALSE(os::QuitPosted());
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST_F(DbOpen, GamePathsAreRelativeToTheWorkingDirectory)
{
    Content("insert into screen values (1, 'main', 7)");
    folder.Enter();
    CGameDatabase db;
    ASSERT_TRUE(db.Open());
    ASSERT_NE(db.GetScreen(1), nullptr);
    EXPECT_EQ(db.GetScreen(1)->sprite_id, 7);
    EXPECT_EQ(db.GetCurrentPlayerId(), -1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbShapes, ARecordIsReplacedByTheNextCallAndAMissingRowIsNull)
{
    Content("insert into screen values (1, 'main', 7); insert into screen values (2, 'name', 8);");
    ScreenRecord* first = mDb.GetScreen(1);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->screen_name, "main");
    ScreenRecord* second = mDb.GetScreen(2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->screen_id, 2);
    EXPECT_STREQ(second->screen_name, "name");
    // No other row's data for an id without a row.
    EXPECT_EQ(mDb.GetScreen(99), nullptr);
    EXPECT_EQ(mDb.GetScreen(1)->sprite_id, 7);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbShapes, WithSeveralRowsTheLastOneWins)
{
    Content(
        "insert into quest (quest_id, quest_name) values (4, 'Escort');"
        "insert into quest_alignment values (4, 'lawful'); insert into quest_alignment values (4, 'evil');");
    QuestRecord* quest = mDb.GetQuest(4);
    ASSERT_NE(quest, nullptr);
    EXPECT_STREQ(quest->alignment, "evil");
}

TEST_F(DbShapes, AListCallReplacesTheCallersListAndAnEmptyResultIsEmpty)
{
    Content("insert into host values (1, 'a', '10.0.0.1', 6734); insert into host values (2, 'b', '10.0.0.2', 1);");
    RowList<HostRow> hosts;
    mDb.GetHosts(hosts);
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_STREQ(hosts.front()->host_address, "10.0.0.1");
    EXPECT_EQ(hosts.back()->host_port, 1);
    Content("delete from host");
    RowList<HostRow>& again = mDb.GetHosts(hosts);
    EXPECT_EQ(&again, &hosts);
    EXPECT_TRUE(hosts.empty());
}

TEST_F(DbShapes, ListRowsKeepTheStatementsOrder)
{
    Content(
        "insert into task values (1, 5, 3, 'move', 0, 0, 'true', 0, 0);"
        "insert into task values (2, 5, 1, 'attack', 0, 0, 'false', 0, 0);"
        "insert into task values (3, 5, 2, 'flee', 0, 0, 'false', 0, 0);");
    RowList<TaskIdRow> tasks;
    mDb.GetTaskIds(tasks, 5);
    std::vector<int32_t> order;
    for (TaskIdRow* t : tasks)
        order.push_back(t->task_id);
    EXPECT_EQ(order, (std::vector<int32_t>{2, 3, 1}));
}

TEST_F(DbShapes, AFailedStatementPostsQuitAndTheMethodStillReturns)
{
    Content("drop table host; drop table screen; drop table quest_ties; drop table button;");
    RowList<HostRow> hosts;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(mDb.GetHosts(hosts).empty());
    const std::string errors = testing::internal::GetCapturedStderr();
    // One line that names the statement and why it failed, and a quit that ends the game as a failure.
    EXPECT_NE(errors.find("no such table: host"), std::string::npos) << errors;
    EXPECT_NE(errors.find("select host_id, host_description, host_address, host_port from host"), std::string::npos)
        << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    os::Message quit;
    ASSERT_TRUE(os::PeekMessage(&quit));
    EXPECT_EQ(quit.type, os::MessageType::kQuit);
    EXPECT_NE(quit.param, 0);
    os::ClearMessages();
    EXPECT_EQ(mDb.GetScreen(1), nullptr);
    EXPECT_TRUE(os::QuitPosted());
    os::ClearMessages();
    EXPECT_EQ(mDb.GetNextQuestId(1), 0);
    EXPECT_TRUE(os::QuitPosted());
    os::ClearMessages();
    EXPECT_EQ(mDb.GetButton(1), nullptr);
    EXPECT_TRUE(os::QuitPosted());
    os::ClearMessages();
    mDb.AddHost("10.1.1.1");
    EXPECT_TRUE(os::QuitPosted());
}

TEST_F(DbShapes, ScalarsStartFromTheirPresets)
{
    EXPECT_EQ(mDb.GetCurrentPlayerId(), -1);
    EXPECT_EQ(mDb.GetNextQuestId(3), 0);
    EXPECT_EQ(mDb.GetPreviousQuestId(3), 0);
    EXPECT_EQ(mDb.GetMaxConversationFeed(3), 0);
    EXPECT_EQ(mDb.NextPlayerQuestId(), 0);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbShapes, NullColumnsReadAsZeroAndEmpty)
{
    Content(
        "insert into control (control_id) values (5); insert into text_control (text_id, control_id) "
        "values (9, 5);");
    TextControlRecord* text = mDb.GetTextControl(5);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text_id, 9);
    EXPECT_EQ(text->x_pos, 0);
    EXPECT_FALSE(text->visible);
    EXPECT_EQ(text->text_size, 0);
    EXPECT_STREQ(text->text, "");
    EXPECT_EQ(text->color_mod, 0u);
    EXPECT_EQ(text->screen_id, 0);
}

TEST_F(DbShapes, ColoursAreEightHexDigitsWithAlphaOnTop)
{
    Content(
        "insert into control values (1, 1, 0, 0, 'true', 'small', 'ff80ff00');"
        "insert into control values (2, 1, 0, 0, 'True', 'small', '0a0000ff');"
        "insert into sprite_control values (1, 1, 3); insert into sprite_control values (2, 2, 3);");
    SpriteControlRecord* bright = mDb.GetSpriteControl(1);
    ASSERT_NE(bright, nullptr);
    EXPECT_EQ(bright->color_mod, 0xff80ff00u);
    EXPECT_EQ(bright->color_mod >> 24, 0xffu);
    EXPECT_TRUE(bright->visible);
    SpriteControlRecord* faint = mDb.GetSpriteControl(2);
    ASSERT_NE(faint, nullptr);
    EXPECT_EQ(faint->color_mod, 0x0a0000ffu);
    EXPECT_FALSE(faint->visible);
}

TEST_F(DbShapes, LongTextIsCutToItsArrayAndTerminated)
{
    std::string longName(300, 'n');
    Content("insert into screen values (1, '" + longName + "', 2)");
    ScreenRecord* screen = mDb.GetScreen(1);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(std::string(screen->screen_name), longName.substr(0, sizeof screen->screen_name - 1));
    EXPECT_EQ(screen->sprite_id, 2);
}

struct Pair {
    int32_t a;
    int32_t b;
};

void FillPair(Pair& p, CColumnReader& in)
{
    p.a = in.Int();
    p.b = in.Int();
}

TEST(DbRowCallbacks, ARowOfTheWrongWidthIsSkipped)
{
    std::list<std::unique_ptr<Pair>> rows;
    char one[] = "1";
    char two[] = "2";
    char* values[] = {one, two, two};
    ListRow<Pair, 2, FillPair>(&rows, 3, values, nullptr);
    ListRow<Pair, 2, FillPair>(&rows, 1, values, nullptr);
    EXPECT_TRUE(rows.empty());
    ListRow<Pair, 2, FillPair>(&rows, 2, values, nullptr);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front()->b, 2);

    std::unique_ptr<Pair> record;
    RecordRow<Pair, 2, FillPair>(&record, 3, values, nullptr);
    EXPECT_EQ(record, nullptr);
    int32_t scalar = -1;
    ScalarRow(&scalar, 2, values, nullptr);
    EXPECT_EQ(scalar, -1);
    ScalarRow(&scalar, 1, values, nullptr);
    EXPECT_EQ(scalar, 1);
}

}  // namespace
