// Quest triggers offering their quests, and state triggers choosing the state of a system.
#include "quest_fixture.h"
#include "quests/quest_trigger.h"
#include "quests/quest_trigger_source.h"

namespace {

class TriggerTest : public QuestTest {
protected:
    void AddTrigger(int id, int questId, const char* type, float x, float y, float distance, int prereq = 0,
                    int remove = 0)
    {
        Content("INSERT INTO quest_trigger VALUES (" + std::to_string(id) + ", " + std::to_string(questId) + ", 1, '" +
                type + "', " + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(distance) +
                ", 5, 0, " + std::to_string(prereq) + ", " + std::to_string(remove) + ");");
    }
    int Offered(int triggerId)
    {
        CQuestTrigger trigger(triggerId);
        return gQuestTriggerSource.OfferedQuest(&trigger);
    }
    void Complete(int questId) { player->mCompletedQuests[questId] = new CQuest(questId); }
};

// A trigger with distance 0 holds only on its point.
TEST_F(TriggerTest, APositionTriggerOfDistanceZeroFiresOnlyOnThePoint)
{
    AddQuest(970, {});
    AddTrigger(970, 970, "position", 100.0f, 50.0f, 0.0f);
    const struct {
        Vec3 at;
        int offered;
    } cases[] = {{Vec3(100.0f, 50.0f, 30.0f), 970}, {Vec3(100.01f, 50.0f, 30.0f), 0}, {Vec3(100.0f, 49.99f, 30.0f), 0}};
    for (const auto& c : cases) {
        player->mPosition = c.at;
        EXPECT_EQ(Offered(970), c.offered) << c.at.x << ", " << c.at.y;
    }
}

// Only an enter trigger waits for its prerequisite; it fires at the first test after it is met.
TEST_F(TriggerTest, AnUnmetPrerequisiteHoldsOnlyAnEnterTrigger)
{
    AddQuest(971, {});
    AddTrigger(971, 971, "enter", 0.0f, 0.0f, 0.0f, 979);
    AddTrigger(972, 971, "position", 0.0f, 0.0f, 10.0f, 979);
    EXPECT_EQ(Offered(971), 0);
    EXPECT_EQ(Offered(972), 971) << "a position trigger offers without the prerequisite";

    Complete(979);
    EXPECT_EQ(Offered(971), 971);
}

// A quest under way or finished is not offered again, nor one that a finished quest removed;
// a trigger of another system or of the dock type never holds.
TEST_F(TriggerTest, TakenOrRemovedQuestsAreNotOfferedAgain)
{
    AddQuest(973, {"goto"});
    AddTrigger(973, 973, "enter", 0.0f, 0.0f, 0.0f, 0, 978);
    AddTrigger(974, 973, "dock", 0.0f, 0.0f, 1000.0f);
    AddTrigger(975, 973, "device", 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(Offered(973), 973);
    EXPECT_EQ(Offered(974), 0);
    EXPECT_EQ(Offered(975), 0) << "device 5 is not aboard";
    Carry(5);
    EXPECT_EQ(Offered(975), 973);

    rm->mCurrentSystemId = 3;
    EXPECT_EQ(Offered(973), 0);
    rm->mCurrentSystemId = 1;

    Complete(978);
    EXPECT_EQ(Offered(973), 0);
    player->mCompletedQuests.erase(978);
    player->AcceptQuest(973);
    EXPECT_EQ(Offered(973), 0);
    player->DropActiveQuests();
    Complete(973);
    EXPECT_EQ(Offered(973), 0);
}

// The world takes the first trigger that holds, and the pilot takes its quest.
TEST_F(TriggerTest, AnEnterTriggerGivesThePilotItsQuestAtTheNextUpdate)
{
    Content("DELETE FROM quest_trigger;");
    AddQuest(976, {"goto"});
    AddTrigger(976, 976, "enter", 0.0f, 0.0f, 0.0f);
    rm->EnterSystem(1);
    player->UpdateQuests();
    ASSERT_EQ(player->mActiveQuests.count(976), 1u);
    EXPECT_TRUE(player->mActiveQuests[976]->CurrentStep()->mBegun);
}

// A state trigger compares step ids: for step 1012 it holds while the current step's id is
// 1012 or more, whatever the order of the steps, and for good once the quest is finished.
TEST_F(TriggerTest, AStateTriggerHoldsFromItsStepIdOn)
{
    Content("INSERT INTO quest VALUES (980, 'State', 0, 0, 1, 10, 0, '', 0);"
            "INSERT INTO state_trigger VALUES (980, 980, 1012, 1, 101);");
    AddStep(1013, 980, 1, "goto", "0, 3, '', '', 0.0, 0.0, 'common', 0, 0, 'false'");
    AddStep(1011, 980, 2, "goto", "0, 3, '', '', 0.0, 0.0, 'common', 0, 0, 'false'");
    AddStep(1012, 980, 3, "goto", "0, 3, '', '', 0.0, 0.0, 'common', 0, 0, 'false'");
    int system = 0;
    EXPECT_FALSE(gQuestTriggerSource.StateTriggerHolds(980, &system)) << "the quest is not taken";

    player->AcceptQuest(980);
    CQuest* quest = player->FindQuest(980);
    const struct {
        int stepIndex;
        bool holds;
    } cases[] = {{0, true}, {1, false}, {2, true}};
    for (const auto& c : cases) {
        quest->mCurrentStep = c.stepIndex;
        EXPECT_EQ(gQuestTriggerSource.StateTriggerHolds(980, &system), c.holds) << "step " << c.stepIndex;
    }

    player->DropActiveQuests();
    Complete(980);
    system = 0;
    EXPECT_TRUE(gQuestTriggerSource.StateTriggerHolds(980, &system));
    EXPECT_EQ(system, 101);
}

// The shipped blockade turns Varn into its guarded state once the warlord's step is reached.
TEST_F(TriggerTest, EnteringVarnMidBlockadeBuildsItsGuardedState)
{
    player->AcceptQuest(3);
    rm->EnterSystem(1);
    EXPECT_EQ(rm->mCurrentSystemId, 1);
    // The orders, the way to the wormhole, the jump and the depot come before the warlord.
    player->FindQuest(3)->mCurrentStep = 3;
    rm->EnterSystem(1);
    EXPECT_EQ(rm->mCurrentSystemId, 1);
    player->FindQuest(3)->mCurrentStep = 4;
    rm->EnterSystem(1);
    EXPECT_EQ(rm->mCurrentSystemId, 101);
    EXPECT_NE(rm->FindObject(11006), nullptr) << "the Union picket stands guard";
}

}  // namespace
