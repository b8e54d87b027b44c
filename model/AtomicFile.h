#pragma once

#include <filesystem>
#include <functional>
#include <ios>
#include <ostream>

// Replaces a file only once its new contents are complete: the writer fills a temporary file in
// the same folder, which is renamed over the old one on success and removed on any failure, so a
// save that breaks off (the unit stops answering, the disk fills) leaves the old file as it was.
class AtomicFile {
public:
    using Writer = std::function<void(std::ostream&)>;

    // mode adds to std::ios::out | std::ios::trunc; configuration files are binary, reports text.
    static void write(const std::filesystem::path& path, const Writer& writer,
                      std::ios::openmode mode = std::ios::binary);

    // The temporary file that stands in for path while it is written.
    static std::filesystem::path temporaryFor(const std::filesystem::path& path);

private:
    static void writeComplete(const std::filesystem::path& temporary, const Writer& writer,
                              std::ios::openmode mode);
    static void replace(const std::filesystem::path& temporary, const std::filesystem::path& path);
};
