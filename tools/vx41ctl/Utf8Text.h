#pragma once

#include <string>

// A unit's texts may hold any byte, JSON only UTF-8.
class Utf8Text {
public:
    // The bytes as UTF-8: valid sequences stay as they are, every other byte b becomes the
    // character U+00b, so nothing is lost and the same bytes always give the same text.
    static std::string fromBytes(const std::string& bytes);
};
