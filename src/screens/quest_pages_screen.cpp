// The drawing, texts and page steps the mission log and the mission board share.
#include "screens/quest_pages_screen.h"

#include <algorithm>

#include "quests/quest.h"
#include "ui/button.h"
#include "ui/text_control.h"

namespace {
}  // namespace

int CQuestPagesScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(mBackdrop);
    return 0;
}

void CQuestPagesScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CQuestPagesScreen::OnMouseMove(int, int)
{
}

void CQuestPagesScreen::LoadBackdrop()
{
    mBackdrop = ScreenSpriteId();
}

void CQuestPagesScreen::ShowDescription(const CQuest& quest, int firstText, int lineLimit, int clearUpTo)
{
    const int lines = std::min(quest.mDescriptionLineCount, lineLimit);
    for (int i = 0; i < lines; ++i)
        SetText(firstText + i, quest.mDescription[i]);
    for (int id = firstText + lines; id <= clearUpTo; ++id)
        SetText(id, "", false);
}

void CQuestPagesScreen::SetText(int id, const char* text, bool shown)
{
    if (CTextControl* control = GetTextControl(id)) {
        control->SetText(text);
        control->visible = shown ? 1 : 0;
    }
}

void CQuestPagesScreen::ShowButton(int id, bool shown)
{
    if (CButton* button = GetButton(id))
        button->visible = shown ? 1 : 0;
}
