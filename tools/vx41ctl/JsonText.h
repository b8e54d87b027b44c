#pragma once

#include <string>

// JSON string literals for the dump: any byte string becomes valid JSON text.
class JsonText {
public:
    // The text in double quotes, with quotes, backslashes and control characters escaped; bytes
    // that are not valid UTF-8 (a unit's labels may hold any byte) become \u00XX.
    static std::string quoted(const std::string& text);
    static std::string hex(const std::string& bytes);
};
