// CQuest: one mission the player has taken: its rewards and level range, its description lines
// and its steps, which it runs one after the other until it is complete or has failed.
#pragma once

#include <vector>

class CQuestStep;

// A quest reads no more steps or description lines than these.
constexpr int kQuestStepLimit = 20;
constexpr int kQuestDescriptionLineLimit = 25;
constexpr int kQuestDescriptionLineSize = 120;
constexpr int kQuestNameSize = 51;
constexpr int kQuestCompleteTextSize = 100;
constexpr int kQuestAlignmentSize = 50;

enum QuestState : int {
    kQuestFailed = -1,
    kQuestRunning = 0,
    kQuestComplete = 1,
};

// Ownership: the quest owns its steps. The player ship owns its quests (see CQuestPilot).
class CQuest {
public:
    // Reads the quest, its steps in sequence order and its description; running at step 0. A quest
    // id without a row gives a quest with no steps and empty texts.
    explicit CQuest(int questId);
    ~CQuest();
    CQuest(const CQuest&) = delete;
    CQuest& operator=(const CQuest&) = delete;

    // Back to the first step, which begins when the player is in its system. A quest without steps,
    // or whose step numbers leave one out, fails at once and ends the game naming the missing step.
    void Start();
    // The current step begins when the system is its own.
    void OnEnterSystem(int systemId);
    // Advances the steps and returns the state afterwards. A completed or failed quest only shows
    // its end message again and clears the player's quest target.
    int Update();
    // Makes the last step load its conversation and returns the line count (0 without steps).
    int LoadFinalConversation();
    // The state a page about the quest shows, read without running anything: the quest's own,
    // or, while it runs, the end its current step has already reached. Nothing begins or moves.
    int ReadState() const;

    // The step that runs now; null once every step is done.
    CQuestStep* CurrentStep() const;
    int StepCount() const { return mStepCount; }
    CQuestStep* Step(int index) const;

    int mQuestId = 0;
    int mState = kQuestRunning;
    // Device ids that completed acquire steps asked for, taken from the player at the end.
    std::vector<int> mDevicesToTake;
    int mCompoundClassToTake = 0;
    int mCompoundAmountToTake = 0;
    int mExperienceReward = 0;
    int mCreditReward = 0;
    int mMinLevel = 0;
    int mMaxLevel = 0;
    int mPrereqQuestId = 0;
    char mAlignment[kQuestAlignmentSize] = {};
    char mQuestName[kQuestNameSize] = {};
    char mCompleteQuestString[kQuestCompleteTextSize] = {};
    char mDescription[kQuestDescriptionLineLimit][kQuestDescriptionLineSize] = {};
    int mDescriptionLineCount = 0;
    int mCurrentStep = 0;
    int mTargetMeshId = 0;

private:
    // The centre message of a quest that has ended.
    void ShowEndMessage() const;
    // The last step is done: the message, the log line, and what the acquire steps asked for.
    void Complete();
    void TakeAcquiredGoods();
    // The first sequence number that the steps leave out below their last one, 1 for a quest
    // without steps; 0 when none is.
    int MissingStep() const;

    int mStepCount = 0;
    CQuestStep* mSteps[kQuestStepLimit] = {};
};
