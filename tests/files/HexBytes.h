#pragma once

#include <string>

// A byte string from hexadecimal pairs, blanks and bars ignored: "01 00 | A0 81".
inline std::string hexBytes(const std::string& hex) {
    std::string bytes;
    std::string digits;
    for (char c : hex) {
        if (c == ' ' || c == '|')
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
            digits.clear();
        }
    }
    return bytes;
}
