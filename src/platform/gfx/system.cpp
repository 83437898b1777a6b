// The device factory: one explicit choice of backend.
#include "platform/gfx/device.h"
#include "platform/gfx/gl/gl_system.h"
#include "platform/gfx/headless/headless_device.h"

namespace gfx {

System* CreateSystem(Backend backend)
{
    switch (backend) {
    case Backend::kOpenGl:
        return gl::CreateGlSystem();
    case Backend::kHeadless:
        return headless::CreateHeadlessSystem();
    }
    return nullptr;
}

}  // namespace gfx
