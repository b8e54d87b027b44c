#pragma once

// Work run whenever the program has a moment to spare: once per poll and during line waits.
class IdleCommand {
public:
    virtual ~IdleCommand() = default;
    virtual void execute() = 0;
};
