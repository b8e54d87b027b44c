#pragma once

struct LineTraceEntry;

// Takes the messages a LineTraceDecoder decodes, one at a time as they complete.
class LineTraceSink {
public:
    virtual ~LineTraceSink() = default;
    virtual void traced(const LineTraceEntry& entry) = 0;
};
