// The game window on SDL2, and the headless stand-in tests use.
#include "platform/os/window.h"

#include <cstdlib>

#include <SDL.h>

#include "platform/os/display_watch.h"
#include "platform/os/message_queue.h"

namespace os {

namespace {

InputEventHook gInputHook = nullptr;
SDL_Window* gOpenWindow = nullptr;

class SdlWindow final : public Window {
public:
    explicit SdlWindow(SDL_Window* window) : mWindow(window) { gOpenWindow = window; }
    ~SdlWindow() override
    {
        gOpenWindow = nullptr;
        SDL_DestroyWindow(mWindow);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    void* NativeHandle() const override { return mWindow; }
    bool HasFocus() const override { return (SDL_GetWindowFlags(mWindow) & SDL_WINDOW_INPUT_FOCUS) != 0; }
    void SetRelativeMouse(bool on) override { SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE); }

private:
    SDL_Window* mWindow;
};

class HeadlessWindow final : public Window {
public:
    void* NativeHandle() const override { return nullptr; }
    bool HasFocus() const override { return true; }
    void SetRelativeMouse(bool) override {}
};

bool IsVisibleDriver(const char* driver)
{
    if (driver == nullptr)
        return false;
    if (std::getenv("SDL_VIDEODRIVER") != nullptr)
        return true;
    std::string name = driver;
    return name != "offscreen" && name != "dummy" && name != "evdev";
}

// Started again in one process, SDL can pass over its X11 driver for one that shows nothing; with
// an X display named, X11 is then asked for by name. False when no driver started.
bool StartVideo()
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return false;
    if (IsVisibleDriver(SDL_GetCurrentVideoDriver()) || !std::getenv("DISPLAY"))
        return true;
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    return started;
}

}  // namespace

std::optional<std::string> OpenGameWindow(const char* title, std::unique_ptr<Window>* window)
{
    bool displayNamed = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("SDL_VIDEODRIVER");
    if (!displayNamed)
        return std::string("no display available");
    if (!StartVideo())
        return std::string("no display available (") + SDL_GetError() + ")";
    // Without a display SDL falls back to drivers that show nothing; a player would see no game.
    if (!IsVisibleDriver(SDL_GetCurrentVideoDriver())) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return std::string("no display available");
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // Made at the desktop's size so that the window covers the screen even where no window
    // manager enlarges it to full screen.
    SDL_DisplayMode desktop;
    int width = 800, height = 600;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        width = desktop.w;
        height = desktop.h;
    }
    SDL_Window* sdlWindow =
        SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (!sdlWindow) {
        std::string error = std::string("cannot open the game window (") + SDL_GetError() + ")";
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return error;
    }
    *window = std::make_unique<SdlWindow>(sdlWindow);
    if (std::string(SDL_GetCurrentVideoDriver()) == "x11")
        WatchDisplayConnection();
    return std::nullopt;
}

std::unique_ptr<Window> OpenHeadlessWindow()
{
    return std::make_unique<HeadlessWindow>();
}

void SetInputEventHook(InputEventHook hook)
{
    gInputHook = hook;
}

void PumpWindowEvents()
{
    if (!gOpenWindow)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            PostMessage(MessageType::kDestroy);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                PostMessage(MessageType::kDestroy);
            else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
                PostMessage(MessageType::kActivate, 1);
            else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
                PostMessage(MessageType::kActivate, 0);
            else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
                PostMessage(MessageType::kPaint);
            else if (event.window.event == SDL_WINDOWEVENT_ENTER)
                PostMessage(MessageType::kSetCursor);
            break;
        default:
            if (gInputHook)
                gInputHook(&event);
            break;
        }
    }
}

}  // namespace os
