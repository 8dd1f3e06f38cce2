#pragma once
// Waiting for a request on the user-interface thread without freezing it: the thread's
// messages are handled while the request runs, so the window keeps painting and
// answering, and the wait ends at a deadline or when the request is cancelled.

#include <chrono>
#include <functional>

namespace shortlink {

// Connect and reply together; a service that has not answered by then never will.
inline constexpr std::chrono::milliseconds defaultRequestTimeout{15000};

enum class WaitOutcome { completed, timedOut, cancelled };

// Handles the calling thread's messages until `completed` says so, `timeout` has
// passed, or cancelRequestInProgress is called. A WM_QUIT seen meanwhile cancels the
// wait and is posted again for the caller's own loop.
WaitOutcome waitHandlingMessages(std::chrono::milliseconds timeout, const std::function<bool()>& completed);

// Runs `request` on a thread of its own, in an apartment of its own, and waits for it
// as waitHandlingMessages does. A request given up at the deadline or by a cancel is
// left to end on its own: whatever it touches must be its own (shared ownership).
WaitOutcome runHandlingMessages(std::chrono::milliseconds timeout, std::function<void()> request);

// Whether a wait is under way on this thread.
bool requestInProgress();
// Ends the current wait at its next look, as cancelled; nothing when none runs.
void cancelRequestInProgress();

}  // namespace shortlink
