#pragma once

#include <filesystem>
#include <functional>
#include <ios>
#include <ostream>
#include <string>

// Replaces a file only once its new contents are complete, so a save that breaks off (the unit
// stops answering, the disk fills) leaves the old file as it was. The contents are made in memory
// first; a temporary file with a fresh name, created exclusively (never an existing path, never
// through a link), is filled beside the file and renamed over it, and removed on any failure.
// A target that is a symbolic link is saved to the file the link points to; one that exists and is
// not a regular file (a terminal, a pipe, a device) is written directly.
class AtomicFile {
public:
    using Writer = std::function<void(std::ostream&)>;

    // mode: std::ios::binary for configuration files, none for text reports.
    static void write(const std::filesystem::path& path, const Writer& writer,
                      std::ios::openmode mode = std::ios::binary);
    // The same with contents already made.
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes,
                           std::ios::openmode mode = std::ios::binary);

private:
    static std::filesystem::path followLinks(const std::filesystem::path& path);
    static void writeDirectly(const std::filesystem::path& path, const std::string& bytes,
                              std::ios::openmode mode);
    // path: where the contents go; chosen: what the caller named, which failures name.
    static void replace(const std::filesystem::path& path, const std::filesystem::path& chosen,
                        const std::string& bytes, std::ios::openmode mode);
};
