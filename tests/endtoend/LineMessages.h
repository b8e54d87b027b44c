#pragma once

#include <regex>
#include <set>
#include <string>

// Whether text is one of the messages a failed exchange may end with.
inline bool isLineFailureMessage(const std::string& text) {
    static const std::set<std::string> fixed{
        "No response when expecting an ACK.",
        "There was no response to a poll.",
        "The device seems to be stuck in the busy state.",
        "The device didn't transmit after receiving authorization.",
        "The Smpte keyword is not STX",
        "The message length is missing.",
        "Some of the message data is missing.",
        "Incorrect checksum",
        "The device returned some unasked for parameters",
        "The device returned some parameters that were not asked for.",
    };
    static const std::regex mismatch("The device returned [0-9]+ instead of (ACK|[0-9]+)");
    return fixed.contains(text) || std::regex_match(text, mismatch);
}
