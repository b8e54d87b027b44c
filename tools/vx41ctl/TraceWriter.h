#pragma once

#include <ostream>

#include "link/LineTraceDecoder.h"
#include "link/LineTraceSink.h"

// Writes each decoded message of the serial line as a line of text.
class TraceWriter : public LineTraceSink {
public:
    explicit TraceWriter(std::ostream& out) : out_(out) {}
    void traced(const LineTraceEntry& entry) override {
        out_ << LineTraceDecoder::line(entry) << '\n';
    }

private:
    std::ostream& out_;
};
