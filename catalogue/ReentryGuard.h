#pragma once

// Marks a rule busy for the length of a scope, so that the notifications its own writes cause
// do not run it again; cleared on every way out, exceptions included.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    ~ReentryGuard() { busy_ = false; }

private:
    bool& busy_;
};
