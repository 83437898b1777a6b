// CQuestTrigger: offers its quest when a condition holds in its system: the player enters it,
// comes close to a point or an object, or carries a device.
#pragma once

#include "core/vec3.h"

class CQuestTrigger {
public:
    // Reads the trigger row; without one the trigger never holds.
    explicit CQuestTrigger(int questTriggerId);

    // False while the quest or its remover is finished, the quest is under way, or the player is
    // elsewhere; otherwise the condition of the type. Only an enter trigger asks for its
    // prerequisite, and a dock trigger never holds.
    bool IsSatisfied() const;
    // Whether a board may offer the quest for this trigger, wherever the pilot is: not once the
    // remover is finished, and a find's quest only while the find is aboard.
    bool OpensTheBoard() const;

    int mQuestTriggerId = 0;
    int mQuestId = 0;
    int mSystemId = 0;
    int mType = 0;
    Vec3 mPoint;
    float mDistance = 0.0f;
    float mDistanceSq = 0.0f;
    int mDeviceId = 0;
    int mObjectId = 0;
    int mPrereqQuestId = 0;
    int mRemoveQuestId = 0;
};

// The board offers a quest that no trigger offers, or one that a trigger of it opens; false
// without a pilot.
bool BoardOffersQuest(int questId);
