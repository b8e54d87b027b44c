#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// The whole of a file's bytes; empty when it cannot be read.
inline std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Compares what the program produces with a listing kept beside the tests, reviewed when it was
// made. A difference names the first line that differs (a difference in line ends
// alone names the line after the last); VX41_UPDATE_LISTINGS=1 writes the listing
// anew, for a change that is meant (review its diff before committing it).
inline void expectListing(const std::string& actual, const std::filesystem::path& file) {
    if (std::getenv("VX41_UPDATE_LISTINGS")) {
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(file)) << "no listing " << file;
    const std::string expected = contentsOf(file);
    if (actual == expected)
        return;
    const auto lines = [](const std::string& text) {
        std::vector<std::string> all;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);)
            all.push_back(line);
        return all;
    };
    const auto listed = lines(expected);
    const auto now = lines(actual);
    const auto [was, is] = std::mismatch(listed.begin(), listed.end(), now.begin(), now.end());
    ADD_FAILURE() << file.filename() << " line " << (was - listed.begin()) + 1
                  << "\n  listed: " << (was == listed.end() ? "(the end)" : *was)
                  << "\n  now:    " << (is == now.end() ? "(the end)" : *is);
}

// text with every control character but the line end, and every byte past ASCII, written as \xNN,
// so that a listing stays text; UTF-8 passes whole when utf8 is set.
inline std::string printable(const std::string& text, bool utf8 = false) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n') || byte == 0x7F || (byte >= 0x80 && !utf8)) {
            static const char digits[] = "0123456789ABCDEF";
            shown += std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

// A listing kept beside the test source that names it.
inline std::filesystem::path listingBeside(const char* source, const std::string& name) {
    return std::filesystem::path(source).parent_path() / "listings" / name;
}
