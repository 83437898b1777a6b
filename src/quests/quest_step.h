// CQuestStep: one step of a quest, tied to one solar system: kill, assassinate, fly to a point,
// deliver, acquire, escort, defend, talk, dock, jump or sit through an interrupting conversation.
// It begins only while the player is in its system, places its objects there, marks its targets,
// and tells its quest each world pass whether it is done, still running or failed.
#pragma once

#include <string>
#include <vector>

#include "core/vec3.h"
#include "db/game_enums.h"

class CWorldObject;

constexpr int kQuestStepTextSize = 61;
constexpr int kQuestStepKeywordSize = 50;
// A step tracks no more enemies or defended objects than this.
constexpr int kQuestStepObjectLimit = 20;

struct ConversationLine {
    int feed = 0;
    std::string line;
};

// Objects are kept by id and looked up in the world when used: the world owns them and may
// delete them when the system changes.
class CQuestStep {
public:
    // Reads the step and its closed wormholes; a step that closes any wormhole also closes the
    // portal until the next system is entered. A step id without a row gives a step of no type.
    explicit CQuestStep(int questStepId);

    // Begins the step when the system is its own.
    void BeginInSystem(int systemId);
    // Once, in the step's system: places its objects, marks its targets, shows its begin text
    // and starts its conversation. An acquire step whose device the player carries, and a
    // conversation or interrupt whose speaker is missing, complete here.
    void Begin();
    // 1 complete, 0 running, -1 failed. Leaving the system after the step began fails it.
    int IsComplete();
    // Refills the lines of the first page for a step that talks; others keep theirs. Returns
    // a copy of the lines.
    std::vector<ConversationLine> LoadConversation();
    // Loads the lines when none are loaded yet.
    int GetConversationLineCount();
    // What the guide arrow points at while the step runs here: its target, marker, station,
    // wormhole, speaker, the first enemy alive, or the nearest lump of the compounds it asks for;
    // null when it has none or is not under way in this system.
    CWorldObject* GuideObject() const;

    int mQuestStepId = 0;
    int mQuestId = 0;
    int mQuestStepSequence = 0;
    int mStatus = 0;
    int mSystemId = 0;
    int mDeviceId = 0;
    int mConversationLineCount = 0;
    bool mBeginTextShown = false;
    bool mBegun = false;
    // The step talks through the hail box as it begins.
    bool mConversation = false;
    int mType = 0;
    std::vector<int> mDisabledWormholes;
    char mBeginStepString[kQuestStepTextSize] = {};
    char mCompleteStepString[kQuestStepTextSize] = {};
    // The speaker's keyword, which picks the portrait.
    char mDisplayAlignment[kQuestStepKeywordSize] = {};
    std::vector<ConversationLine> mConversationLines;
    int mStationId = 0;
    int mTargetObjectId = 0;
    // The object of an escort, defend-from or conversation step.
    int mTalkerId = 0;
    // The object of an assassinate or acquire step.
    int mTargetId = 0;
    int mGotoMarkerId = 0;
    int mWormholeId = 0;
    int mEnemies[kQuestStepObjectLimit] = {};
    int mEnemyCount = 0;
    int mDefended[kQuestStepObjectLimit] = {};
    int mDefendedCount = 0;
    Vec3 mGoal;
    int mMeshId = 0;
    int mCompoundType = 0;
    int mCompoundAmount = 0;

private:
    void BeginByType();
    // The step's ships of another side than the pilot's, but its target: the first 20 are marked
    // and tracked.
    void TrackEnemies();
    void ShowBeginText();
    // Status 1 and the completion line in the message log.
    void Complete();
    // When the player has nothing selected, the object becomes the selected target.
    void KeepSelected(CWorldObject* object);
    CWorldObject* NearestCompounds() const;
    int TestKillEnemy();
    int TestAcquire();
    int TestEscort();
    int TestDefendFrom();
    int TestDock();
    int TestJump();
};

// Gives the object the quest marker: the ring on the radar, the sparkles and the 3-D marker.
void MarkQuestTarget(CWorldObject* object);
// Takes the marker off an object; null does nothing.
void ClearQuestMarker(CWorldObject* object);
