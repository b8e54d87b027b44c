#pragma once

#include <string>
#include <string_view>

// Text that comes from the unit or the operator, made safe to place between HTML tags.
class HtmlText {
public:
    // Only '&' and '<' change: enough to keep such text from opening markup or an entity, while
    // everything else, '>' included, stays as the operator knows it.
    static std::string escaped(std::string_view text) {
        std::string result;
        result.reserve(text.size());
        for (char c : text) {
            if (c == '&')
                result += "&amp;";
            else if (c == '<')
                result += "&lt;";
            else
                result += c;
        }
        return result;
    }
};
