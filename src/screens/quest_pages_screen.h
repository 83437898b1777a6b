// CQuestPagesScreen: what the mission log and the mission board share: quests shown one page at a
// time over the backdrop of their screen row, and the quest texts they both lay out.
#pragma once

#include <iterator>

#include "ui/screen.h"

class CQuest;

class CQuestPagesScreen : public CScreen {
public:
    // The backdrop, the object controls, the glow pass when it is on, and the controls.
    int Frame() override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;

protected:
    void LoadBackdrop();
    // The quest's description lines into the texts from firstText, as many as the screen has
    // (lineLimit); the texts after them up to clearUpTo are emptied and hidden.
    void ShowDescription(const CQuest& quest, int firstText, int lineLimit, int clearUpTo);
    void SetText(int id, const char* text, bool shown = true);
    void ShowButton(int id, bool shown);
    // Pages are the entries of a map by quest id. After the last page comes the first, and
    // before the first the last; an empty map has no page (end).
    template <class Pages>
    static typename Pages::const_iterator NextPage(const Pages& pages, typename Pages::const_iterator page)
    {
        if (page == pages.end() || ++page == pages.end())
            return pages.begin();
        return page;
    }
    template <class Pages>
    static typename Pages::const_iterator PreviousPage(const Pages& pages, typename Pages::const_iterator page)
    {
        if (page == pages.begin() || page == pages.end())
            return pages.empty() ? pages.end() : std::prev(pages.end());
        return std::prev(page);
    }

    int mBackdrop = 0;
};
