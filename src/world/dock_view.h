// A station as a quest's dock step sees it. The station implements it next to its world object,
// so a step finds it by the station's object id and asks for it by cast; an object that is not
// a station has none.
#pragma once

class CDockView {
public:
    virtual ~CDockView() = default;

    // The next docking here shows the step's conversation with the keyword's portrait.
    virtual void SetPendingHail(int questStepId, const char* keyword) = 0;
    // True once the player has docked here.
    virtual bool Visited() const = 0;
};
