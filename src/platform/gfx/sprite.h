// The sprite drawer: textured screen-space quads with a tint, drawn between Begin and End with
// the drawer's own state, the caller's state restored at End.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "platform/gfx/device.h"

namespace gfx {

class Sprite : public Resource {
public:
    // The drawer keeps no reference on the device and must not outlive it.
    static Result Create(Device* device, Sprite** sprite);

    // Saves the caller's state and sets the drawer's: alpha blending SRCALPHA/INVSRCALPHA,
    // texture times tint for colour and alpha, alpha test discarding alpha 0, no lighting,
    // no culling, no depth test, solid fill, no shaders. Fails when already begun.
    Result Begin();
    // The source rectangle (null: the whole texture) at its size in texels, its top-left
    // corner at the origin, transformed by the matrix into screen pixels (origin top left,
    // y down); texels map one to one onto pixels. A null texture draws nothing and fails.
    Result DrawTransform(Texture* texture, const Rect* source, const Matrix& transform, Color color);
    // The same with the matrix built from scaling, a rotation about the centre and a
    // translation; null pointers leave out that part.
    Result Draw(Texture* texture, const Rect* source, const Vector2* scaling, const Vector2* rotationCentre,
                float rotation, const Vector2* translation, Color color);
    // Puts back every state Begin changed.
    Result End();

private:
    explicit Sprite(Device* device) : mDevice(device) {}

    Device* mDevice;
    bool mBegun = false;
    std::vector<std::pair<RenderStateId, uint32_t>> mSavedRender;
    std::vector<std::pair<TextureStageStateId, uint32_t>> mSavedStage;
    Texture* mSavedTexture = nullptr;
    uint32_t mSavedVertexShader = 0;
    uint32_t mSavedPixelShader = 0;
};

}  // namespace gfx
