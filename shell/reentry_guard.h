#pragma once

// Keeps a step from running inside itself: closing a box or a modal window
// activates its owner again while the step that opened it is still running.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running) {
        running_ = true;
    }
    ~ReentryGuard() {
        if (entered_)
            running_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    // False when the step was already running.
    bool entered() const { return entered_; }

private:
    bool& running_;
    bool entered_;
};
