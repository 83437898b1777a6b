// The game window's message queue: the main loop removes messages one at a time and runs a
// frame whenever the queue is empty. Any thread may post the quit message.
#pragma once

#include <cstdint>

namespace os {

enum class MessageType {
    kQuit,       // ends the main loop
    kDestroy,    // the window is closing
    kActivate,   // the window gained (param 1) or lost (param 0) the focus
    kPaint,      // the window needs drawing
    kSetCursor,  // the pointer moved over the window
};

struct Message {
    MessageType type = MessageType::kQuit;
    int32_t param = 0;
};

// Pumps the window system's events into the queue, then removes the oldest message.
// Returns false when no message is waiting.
bool PeekMessage(Message* message);

void PostMessage(MessageType type, int32_t param = 0);
// The player's own end of the game: the loop sees it at its next turn and the game exits with
// status 0. Safe from any thread.
void PostQuitMessage();
// The end of a game that cannot go on: one line on stderr saying what failed (printf-style, no
// newline), then the quit message with status 1, so the game exits as a failure. Only the first
// failure is told: what fails after it follows from it. Safe from any thread.
void PostFailureQuit(const char* format, ...) __attribute__((format(printf, 1, 2)));
// True from the first failure quit until the queue is cleared, even once the loop has taken the
// quit message: nothing may be written after a failure.
bool FailurePosted();

// True once a quit message has been posted and not yet removed (tests and long loops use it).
bool QuitPosted();

// Empties the queue and forgets a failure (tests start from a clean state).
void ClearMessages();

}  // namespace os
