// CGalaxyMapScreen: the systems of the galaxy as markers with their names, the wormhole links the
// pilot knows as lines, the current system pulsing green and the systems where missions lead
// pulsing red.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "platform/gfx/gfx_types.h"
#include "ui/screen.h"

class CSpriteControl;
class CTextControl;

class CGalaxyMapScreen : public CScreen {
public:
    static constexpr int kScreenId = 13;
    static constexpr int kBackdrop = 702;
    static constexpr int kCloseButton = 699;
    // Marker sprites and name texts, one pair per slot.
    static constexpr int kFirstMarker = 700;
    static constexpr int kFirstName = 1300;
    static constexpr int kSlotCount = 99;
    static constexpr int kPositionMarker = 1400;
    static constexpr int kRedCaption = 1401;
    static constexpr int kGreenCaption = 1402;
    static constexpr int kGalaxyId = 1;
    static constexpr int kLineLimit = 500;

    struct ScreenLine {
        float x1, y1, x2, y2;
    };

    CGalaxyMapScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // A line two pixels wide between two screen points, in white.
    void DrawScreenLine(float x1, float y1, float x2, float y2);

    const std::vector<ScreenLine>& Lines() const { return mLines; }
    // The markers and names of mission systems; a system may be in them more than once.
    const std::vector<CSpriteControl*>& HighlightedMarkers() const { return mHighlightedMarkers; }
    const std::vector<CTextControl*>& HighlightedNames() const { return mHighlightedNames; }
    CSpriteControl* CurrentMarker() const { return mCurrentMarker; }

private:
    void PlaceSystems();
    // Systems where the first step of a mission waits that the pilot's missions open up.
    static std::list<int32_t> NewQuestSystems();
    // A system other than the current one: marked once for every active mission whose step
    // waits there and once for every new mission that begins there.
    void HighlightQuestSystem(int systemId, CSpriteControl* marker, CTextControl* name,
                              const std::list<int32_t>& newQuestSystems);
    void Highlight(CSpriteControl* marker, CTextControl* name);
    void StoreLinks();
    void Leave(CScreen* to);

    gfx::Material mLineMaterial;
    CSpriteControl* mCurrentMarker = nullptr;
    CTextControl* mCurrentName = nullptr;
    std::vector<CSpriteControl*> mHighlightedMarkers;
    std::vector<CTextControl*> mHighlightedNames;
    std::vector<ScreenLine> mLines;
};

extern CGalaxyMapScreen* gGalaxyMapScreen;
