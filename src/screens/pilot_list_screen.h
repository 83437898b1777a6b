// CPilotListScreen: the saved pilots as rows of a mouse-over button, a turning hull, a name and a
// level; the load and delete screens are two layouts of it.
#pragma once

#include <vector>

#include "db/records_player.h"
#include "ui/screen.h"

struct PilotListLayout {
    int screenId;
    int firstButton;
    int firstNameText;
    int firstLevelText;
    int firstHullView;
    int backButton;
    int enterSound;
    // 0: the screen row's backdrop.
    int backdrop;
    // A sprite whose alpha pulses; 0 for none.
    int pulsingSprite;
};

class CPilotListScreen : public CScreen {
public:
    static constexpr int kRows = 8;

    explicit CPilotListScreen(const PilotListLayout& layout);

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    // Esc goes back to the main menu, as Back does.
    void OnKeyDown(int key) override;

    // The pilots listed, copied from the rows when the list was built.
    const std::vector<PilotRow>& Pilots() const { return mPilots; }

protected:
    // The pilot of a row was picked.
    virtual void OnPilotPicked(const PilotRow& pilot) = 0;
    // Hover colours and spins, each frame or each mouse move.
    void ShowHover();
    void BuildList();
    void Leave();

    PilotListLayout mLayout;
    int mBackdrop = 0;
    std::vector<PilotRow> mPilots;
};
