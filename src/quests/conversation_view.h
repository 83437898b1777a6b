// The conversation screen as the quest code reaches it: an interrupting step turns the camera
// to its speaker and opens the conversation. The conversation screen implements it;
// gConversationView is that screen from start-up on, and null when none exists (an interrupt
// then ends at once).
#pragma once

class CWorldObject;

class CConversationView {
public:
    virtual ~CConversationView() = default;

    // Turns the camera to the speaker; the speaker is not kept.
    virtual void SetUpCamera(CWorldObject* speaker) = 0;
    // Reads the first page of the step's conversation; the keyword picks the portrait.
    virtual void Start(int questStepId, const char* keyword) = 0;
    // Shows the cursor and makes the conversation the current screen.
    virtual void Open() = 0;
    // True while the conversation is the current screen.
    virtual bool IsOpen() const = 0;
};

extern CConversationView* gConversationView;
