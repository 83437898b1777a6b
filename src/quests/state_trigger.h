// CStateTrigger: swaps a solar system for another state of it (another system id) once the
// player has finished its quest or reached a step of it.
#pragma once

class CStateTrigger {
public:
    // Reads the trigger row; without one the trigger never holds.
    explicit CStateTrigger(int stateTriggerId);

    // True when the quest is finished, or under way with a current step whose id is at least the
    // trigger's step id (ids, not sequence numbers, are compared).
    bool IsSatisfied() const;

    int mStateTriggerId = 0;
    int mQuestId = 0;
    int mQuestStepId = 0;
    int mSystemId = 0;
    int mNewSystemId = 0;
};
