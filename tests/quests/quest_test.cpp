// A quest walking its steps: completion, its end message and what the acquire steps take.

#include "platform/os/message_queue.h"
#include "quest_fixture.h"

namespace {

constexpr int kDataCore = 5;
constexpr int kRare = 3;

// A quest without steps would complete and pay the moment it is taken: it ends the game instead.
TEST_F(QuestTest, AQuestWithoutStepsEndsTheGameAndPaysNothing)
{
    AddQuest(900, {});
    const int credits = player->mCredits;

    player->AcceptQuest(900);
    player->UpdateQuests();

    EXPECT_TRUE(os::FailurePosted());
    EXPECT_EQ(player->mCompletedQuests.count(900), 0u);
    EXPECT_EQ(player->mCredits, credits);
}

TEST_F(QuestTest, AnAcquireStepNamingADeviceAndCompoundsTakesOnlyTheDevice)
{
    AddQuest(902, {"acquire"});
    Content("UPDATE quest_step SET device_id = 5, compound_type = 'rare', compound_amount = 50 "
            "WHERE quest_step_id = 9021;");
    Carry(kDataCore);
    player->mCompounds[kRare - 1] = 60;

    player->AcceptQuest(902);
    UpdateUntilDone(902);

    EXPECT_EQ(player->mCompletedQuests.count(902), 1u);
    EXPECT_TRUE(CarriedIds().empty());
    EXPECT_EQ(player->GetCompoundAmount(kRare), 60);
}

// The compounds an acquire step asked for leave the hold once, when the last step completes;
// what was sold in between leaves an empty hold, never a negative one.
struct CompoundCase {
    int heldAtEnd;
    int left;
};

class QuestCompoundTest : public QuestTest, public ::testing::WithParamInterface<CompoundCase> {};

TEST_P(QuestCompoundTest, FiftyRareCompoundsAreTakenOnceAtTheEnd)
{
    AddQuest(903, {"acquire", "deliver"});
    Content("UPDATE quest_step SET compound_type = 'rare', compound_amount = 50 WHERE quest_step_id = 9031;");
    player->mCompounds[kRare - 1] = 60;
    player->mPosition = Vec3(0.0f, 0.0f, 30.0f);

    player->AcceptQuest(903);
    player->UpdateQuests();
    ASSERT_EQ(player->mActiveQuests.count(903), 1u) << "the deliver step is still to run";
    EXPECT_EQ(player->GetCompoundAmount(kRare), 60) << "nothing is taken before the end";

    player->mCompounds[kRare - 1] = GetParam().heldAtEnd;
    UpdateUntilDone(903);
    player->UpdateQuests();

    EXPECT_EQ(player->mCompletedQuests.count(903), 1u);
    EXPECT_EQ(player->GetCompoundAmount(kRare), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Held, QuestCompoundTest,
                         ::testing::Values(CompoundCase{60, 10}, CompoundCase{50, 0}, CompoundCase{30, 0}));

TEST_F(QuestTest, TheStepAfterACompletedOneBeginsAndRunsInTurn)
{
    AddQuest(904, {"deliver", "goto"});
    player->AcceptQuest(904);
    CQuest* quest = player->FindQuest(904);
    ASSERT_NE(quest, nullptr);

    player->UpdateQuests();

    EXPECT_EQ(quest->mCurrentStep, 1);
    EXPECT_TRUE(quest->CurrentStep()->mBegun);
    EXPECT_EQ(CenterMessage(), "Begin 9042");
    EXPECT_TRUE(Logged("Done 9041"));
    EXPECT_NE(rm->FindObject(quest->CurrentStep()->mGotoMarkerId), nullptr) << "the goto step placed its marker";
}

// What a page about a quest reads, with nothing run: no step is begun and no state moves.
TEST_F(QuestTest, TheStateIsReadWithoutRunningTheQuest)
{
    AddQuest(905, {"goto", "goto"});
    Content("UPDATE quest_step SET system_id = 3 WHERE quest_id = 905;");
    CQuest quest(905);
    const struct {
        int state;
        int current;
        int stepStatus;
        int read;
    } cases[] = {{kQuestRunning, 0, 0, kQuestRunning}, {kQuestRunning, 0, 1, kQuestRunning},
                 {kQuestRunning, 1, 1, kQuestComplete}, {kQuestRunning, 1, -1, kQuestFailed},
                 {kQuestRunning, 2, 0, kQuestComplete}, {kQuestFailed, 0, 0, kQuestFailed}};
    for (const auto& c : cases) {
        quest.mState = c.state;
        quest.mCurrentStep = c.current;
        for (int i = 0; i < quest.StepCount(); ++i)
            quest.Step(i)->mStatus = i == c.current ? c.stepStatus : 0;
        EXPECT_EQ(quest.ReadState(), c.read) << c.state << " " << c.current << " " << c.stepStatus;
        EXPECT_EQ(quest.mState, c.state);
        EXPECT_EQ(quest.mCurrentStep, c.current);
    }
    EXPECT_FALSE(quest.Step(0)->mBegun);
    EXPECT_EQ(rm->mObjects.size(), 0u) << "no step placed anything";
}

// Long texts are cut to their fields, and a quest reads no more than 25 description lines.
TEST_F(QuestTest, OverlongRowsAreCutToTheQuestsFields)
{
    const std::string longText(150, 'x');
    AddQuest(906, {"goto"});
    Content("UPDATE quest SET quest_name = '" + longText + "', complete_quest_string = '" + longText +
            "' WHERE quest_id = 906;"
            "UPDATE quest_step SET begin_step_string = '" + longText + "', complete_step_string = '" + longText +
            "', display_alignment = '" + longText + "' WHERE quest_id = 906;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30) "
            "INSERT INTO quest_description SELECT 9060 + i, 906, i, 'Line ' || i FROM n;");
    CQuest quest(906);
    EXPECT_EQ(std::string(quest.mQuestName), longText.substr(0, kQuestNameSize - 1));
    EXPECT_EQ(std::string(quest.mCompleteQuestString), longText.substr(0, kQuestCompleteTextSize - 1));
    EXPECT_EQ(quest.mDescriptionLineCount, kQuestDescriptionLineLimit);
    EXPECT_STREQ(quest.mDescription[kQuestDescriptionLineLimit - 1], "Line 25");
    const CQuestStep* step = quest.Step(0);
    EXPECT_EQ(std::string(step->mBeginStepString), longText.substr(0, kQuestStepTextSize - 1));
    EXPECT_EQ(std::string(step->mCompleteStepString), longText.substr(0, kQuestStepTextSize - 1));
    EXPECT_EQ(std::string(step->mDisplayAlignment), longText.substr(0, kQuestStepKeywordSize - 1));
}

}  // namespace
