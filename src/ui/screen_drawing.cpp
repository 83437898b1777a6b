// The screen base's drawing of its controls, in their fixed back-to-front order.
#include "ui/screen.h"

#include "core/graphics_globals.h"
#include "engine/resource_manager.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/movie_control.h"
#include "ui/object_control.h"
#include "ui/slider.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

// Backdrops are drawn across the whole 800-pixel screen.
constexpr int kBackdropWidth = 800;
// The flat strip mesh: on screens it glows additively instead of hiding what is behind it.
constexpr int kStripMeshId = 22;
constexpr int kStripAlpha = 250;

template <class Control>
void DrawAll(const std::map<int, Control*>& controls)
{
    for (const auto& [id, control] : controls)
        control->Draw();
}

}  // namespace

void CScreen::DrawControls()
{
    DrawAll(mMovieControls);
    DrawAll(mSpriteControls);
    DrawAll(mButtons);
    DrawAll(mSnapControls);
    DrawAll(mDragButtons);
    DrawAll(mTextControls);
    DrawAll(mCheckBoxes);
    DrawAll(mSliders);
    DrawAll(mMouseOverButtons);
}

void CScreen::DrawObjectControls()
{
    for (auto& [id, control] : mObjectControls) {
        if (control->meshId == kStripMeshId) {
            control->alpha = kStripAlpha;
            gDevice->SetRenderState(gfx::kRsBlendOp, gfx::kBlendOpAdd);
            gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendDestAlpha);
            gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendDestAlpha);
        } else {
            control->alpha = 255;
        }
        control->Draw();
    }
}

void CScreen::DrawPage(int backdropSpriteId)
{
    gResourceManager->DrawScreenSprite(backdropSpriteId, kBackdropWidth);
    DrawObjectControls();
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    DrawControls();
}
