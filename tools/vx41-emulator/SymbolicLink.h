#pragma once

#include <string>

// A symbolic link that lives as long as the object: made at construction (replacing an old
// symbolic link left at that path, never another kind of file), removed at destruction if it still
// points where it was made to point.
class SymbolicLink {
public:
    SymbolicLink(const std::string& target, const std::string& path);
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

private:
    std::string target_;
    std::string path_;
};
