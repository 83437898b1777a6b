// A quest walking its steps: completion, its end message and what the acquire steps take.
#include "quest_fixture.h"

namespace {

constexpr int kDataCore = 5;
constexpr int kRare = 3;

// A quest without steps is complete at its first update; a follow-up leaves the centre empty.
class QuestEndTest : public QuestTest, public ::testing::WithParamInterface<bool> {};

TEST_P(QuestEndTest, AQuestWithoutStepsCompletesAtOnceAndPays)
{
    const bool followUp = GetParam();
    AddQuest(900, {});
    if (followUp)
        Content("INSERT INTO quest_ties VALUES (900, 901);");
    const int credits = player->mCredits;

    player->AcceptQuest(900);
    player->UpdateQuests();

    EXPECT_EQ(player->mActiveQuests.count(900), 0u);
    ASSERT_EQ(player->mCompletedQuests.count(900), 1u);
    EXPECT_EQ(player->mCompletedQuests[900]->mState, kQuestComplete);
    EXPECT_EQ(player->mCredits, credits + 200);
    EXPECT_EQ(CenterMessage(), followUp ? "" : "Mission Complete");
}

INSTANTIATE_TEST_SUITE_P(FollowUp, QuestEndTest, ::testing::Bool());

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

}  // namespace
