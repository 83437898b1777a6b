// Quest, step, conversation and trigger queries.
#include "db/game_database.h"

#include <gtest/gtest.h>

#include "db/db_fixture.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"

namespace {

using DbQuests = DbFixture;

TEST_F(DbQuests, EveryQueryRunsAgainstTheSchema)
{
    RowList<QuestLineRow> lines;
    RowList<QuestStepIdRow> steps;
    RowList<DisabledWormholeRow> disabled;
    RowList<ConversationLineRow> conversation;
    RowList<QuestOfferRow> offers;
    RowList<QuestTriggerIdRow> triggers;
    RowList<StateTriggerIdRow> states;
    std::list<int32_t> systems;
    mDb.GetQuest(1);
    mDb.GetQuestDescription(lines, 1);
    mDb.GetQuestStepIds(steps, 1);
    mDb.GetQuestStep(1);
    mDb.GetDisabledWormholes(disabled, 1);
    mDb.GetConversation(conversation, 1, 1);
    mDb.GetConversationFeeds(conversation, 1);
    mDb.GetMaxConversationFeed(1);
    mDb.GetOfferedQuests(offers, 1, "lawful");
    mDb.GetPreviousQuestId(1);
    mDb.GetNextQuestId(1);
    mDb.GetQuestSystems(systems, "lawful", {});
    mDb.GetQuestTriggerIds(triggers, 1, "lawful");
    mDb.GetQuestTrigger(1);
    mDb.GetStateTriggerIds(states, 1);
    mDb.GetStateTrigger(1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbQuests, StepsReadTheirKeywordsAndFlags)
{
    Content(
        "insert into quest_step values (11, 1, 2, 'assasinate', 5, 3, 'Find him', 'Done', 1.5, 2.5, 6, "
        "'exotic', 7, 8000, 'pirate', 'true');");
    QuestStepRecord* s = mDb.GetQuestStep(11);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->quest_id, 1);
    EXPECT_EQ(s->device_id, 5);
    EXPECT_EQ(s->system_id, 3);
    EXPECT_EQ(s->quest_step_sequence, 2);
    EXPECT_STREQ(s->begin_step_string, "Find him");
    EXPECT_STREQ(s->complete_step_string, "Done");
    EXPECT_EQ(s->quest_step_type, kQuestStepAssassinate);
    EXPECT_FLOAT_EQ(s->y_pos, 2.5f);
    EXPECT_EQ(s->compound_type, kCompoundExotic);
    EXPECT_EQ(s->target_object_id, 8000);
    EXPECT_STREQ(s->display_alignment, "pirate");
    EXPECT_TRUE(s->conversation);
}

TEST_F(DbQuests, ConversationsComeByFeedAndLine)
{
    Content(
        "insert into quest_step_conversation values (1, 4, 2, 1, 'b1'), (2, 4, 1, 2, 'a2'), (3, 4, 1, 1, 'a1'),"
        "(4, 4, 0, 1, 'intro'), (5, 5, 9, 1, 'other');");
    RowList<ConversationLineRow> lines;
    mDb.GetConversation(lines, 4, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_STREQ(lines.front()->line, "a1");
    EXPECT_STREQ(lines.back()->line, "a2");
    mDb.GetConversationFeeds(lines, 4);
    std::vector<std::string> order;
    for (ConversationLineRow* l : lines)
        order.push_back(l->line);
    EXPECT_EQ(order, (std::vector<std::string>{"a1", "a2", "b1"}));
    EXPECT_EQ(mDb.GetMaxConversationFeed(4), 2);
    EXPECT_EQ(mDb.GetMaxConversationFeed(6), 0);
}

TEST_F(DbQuests, TiesWithoutARowAreZero)
{
    Content("insert into quest_ties values (3, 4);");
    EXPECT_EQ(mDb.GetNextQuestId(3), 4);
    EXPECT_EQ(mDb.GetPreviousQuestId(4), 3);
    EXPECT_EQ(mDb.GetNextQuestId(4), 0);
    EXPECT_EQ(mDb.GetPreviousQuestId(3), 0);
}

TEST_F(DbQuests, OffersMatchLevelAndAlignment)
{
    Content(
        "insert into quest (quest_id, min_level, max_level, prereq_quest_id) values (1, 1, 5, 0), (2, 3, 9, 1),"
        "(3, 1, 9, 0);"
        "insert into quest_alignment values (1, 'lawful'), (2, 'lawful'), (3, 'evil');");
    RowList<QuestOfferRow> offers;
    mDb.GetOfferedQuests(offers, 2, "lawful");
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers.front()->quest_id, 1);
    mDb.GetOfferedQuests(offers, 4, "lawful");
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers.back()->prereq_quest_id, 1);
}

TEST_F(DbQuests, QuestSystemsFollowThePrerequisitesOfTheListedQuests)
{
    Content(
        "insert into quest (quest_id, prereq_quest_id) values (1, 0), (2, 1), (3, 1), (4, 1);"
        "insert into quest_alignment values (1, 'lawful'), (2, 'lawful'), (3, 'lawful'), (4, 'evil');"
        "insert into quest_step (quest_step_id, quest_id, quest_step_sequence, system_id) values "
        "(10, 1, 1, 7), (20, 2, 1, 8), (21, 2, 2, 9), (30, 3, 1, 5), (40, 4, 1, 6);"
        "insert into state_trigger values (1, 1, 0, 5, 105);");
    std::list<int32_t> systems;
    mDb.GetQuestSystems(systems, "lawful", {1});
    EXPECT_EQ(systems, (std::list<int32_t>{8}));
    // No quests at all reads as the list "0": the quests without a prerequisite.
    EXPECT_EQ(mDb.GetQuestSystems(systems, "lawful", {}), (std::list<int32_t>{7}));
    // A long campaign's list is no problem for the statement.
    std::vector<int32_t> many;
    for (int32_t id = 1000; id < 1400; ++id)
        many.push_back(id);
    many.push_back(1);
    EXPECT_EQ(mDb.GetQuestSystems(systems, "lawful", many).size(), 1u);
    EXPECT_TRUE(mDb.GetQuestSystems(systems, "law'ful", {1}).empty());
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbQuests, TriggersOfASystemAndTheirRecords)
{
    Content(
        "insert into quest (quest_id) values (1), (2);"
        "insert into quest_alignment values (1, 'lawful'), (2, 'evil');"
        "insert into quest_trigger values (5, 1, 3, 'proximity', 1.5, 2.5, 40, 6, 7, 8, 9);"
        "insert into quest_trigger values (6, 2, 3, 'enter', 0, 0, 0, 0, 0, 0, 0);"
        "insert into state_trigger values (4, 1, 12, 3, 103);");
    RowList<QuestTriggerIdRow> triggers;
    mDb.GetQuestTriggerIds(triggers, 3, "lawful");
    ASSERT_EQ(triggers.size(), 1u);
    EXPECT_EQ(triggers.front()->quest_trigger_id, 5);
    EXPECT_EQ(triggers.front()->prereq_quest_id, 8);
    QuestTriggerRecord* t = mDb.GetQuestTrigger(5);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->quest_trigger_type, kQuestTriggerProximity);
    EXPECT_FLOAT_EQ(t->distance, 40);
    EXPECT_EQ(t->device_id, 6);
    EXPECT_EQ(t->object_id, 7);
    EXPECT_EQ(t->remove_quest_id, 9);
    RowList<StateTriggerIdRow> states;
    ASSERT_EQ(mDb.GetStateTriggerIds(states, 3).size(), 1u);
    StateTriggerRecord* s = mDb.GetStateTrigger(states.front()->state_trigger_id);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->quest_step_id, 12);
    EXPECT_EQ(s->new_system_id, 103);
}

}  // namespace
