// CNewPilotScreen: character creation: five skills from a pool of five points, the offered hulls
// and the Create button that makes the new pilot.
#pragma once

#include <cstddef>
#include <vector>

#include "db/records_ships.h"
#include "ui/screen.h"

class CNewPilotScreen : public CScreen {
public:
    static constexpr int kScreenId = 3;
    static constexpr int kHullView = 3;
    static constexpr int kFirstDescriptionText = 100;
    static constexpr int kDescriptionLines = 9;
    static constexpr int kPreviousHullButton = 113;
    static constexpr int kCreateButton = 114;
    static constexpr int kNextHullButton = 115;
    static constexpr int kFirstSkillText = 117;
    static constexpr int kPointsText = 122;
    static constexpr int kNameText = 123;
    // Plus and minus of skill i are 125 + 2i and 126 + 2i.
    static constexpr int kFirstSkillButton = 125;
    static constexpr int kSkillCount = 5;
    static constexpr int kPointsLeftNotice = 135;
    static constexpr int kHelpBox = 136;
    static constexpr int kFirstHelpText = 140;
    static constexpr int kStartingPoints = 5;

    CNewPilotScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    void SetPilotName(const char* name);
    const char* PilotName() const { return mPilotName; }
    int PointsLeft() const { return mPointsLeft; }
    int Skill(int index) const { return mSkills[index]; }
    // The ship_id of the hull on show; 0 with no offered hull.
    int CurrentShipId() const;

private:
    void ShowHull();
    void ShowSkills();
    void ShowHelp(int hovered);
    void AddPoint(int skill);
    void TakePoint(int skill);
    void ShowPlusButtons(bool shown);
    void Create();

    int mBackdrop = 0;
    std::vector<CreateShipRow> mHulls;
    size_t mCurrentHull = 0;
    int mPointsLeft = kStartingPoints;
    // Engineering, Tactical, Navigation, Communication, Science.
    int mSkills[kSkillCount] = {1, 1, 1, 1, 1};
    int mRed = 255;
    int mGreen = 255;
    int mBlue = 255;
    char mPilotName[50] = {};
};

extern CNewPilotScreen* gNewPilotScreen;
