// The one game window, and the pump that turns its events into messages and input records.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace os {

class Window {
public:
    virtual ~Window() = default;
    // The window system's handle (an SDL_Window*) for the backends; null for a headless window.
    virtual void* NativeHandle() const = 0;
    virtual bool HasFocus() const = 0;
    // Pointer captured and hidden, motion reported relative (the exclusive mouse).
    virtual void SetRelativeMouse(bool on) = 0;
};

// Opens the real window of that title: full-screen desktop, able to take an OpenGL 3.3 core
// context. Returns an error text (and no window) when there is no display.
std::optional<std::string> OpenGameWindow(const char* title, std::unique_ptr<Window>* window);

// A window that exists only for the game's bookkeeping: no pixels, always focused.
std::unique_ptr<Window> OpenHeadlessWindow();

// Turns pending window-system events into messages (close, focus) and input records.
// Does nothing while no real window is open.
void PumpWindowEvents();

// The game's last act when the display goes away under a real window: the process ends as soon as
// it returns, with status 1 and no exit handlers, so the hook may save but must not touch the
// window, the drawing device or the input.
using DisplayLostHook = void (*)();
void SetDisplayLostHook(DisplayLostHook hook);

// The input layer's hook for keyboard and mouse events (an SDL_Event*).
using InputEventHook = void (*)(const void* event);
void SetInputEventHook(InputEventHook hook);

}  // namespace os
