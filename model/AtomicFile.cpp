#include "model/AtomicFile.h"

#include <fstream>
#include <system_error>

#include "model/QuenlarException.h"

void AtomicFile::write(const std::filesystem::path& path, const Writer& writer,
                       std::ios::openmode mode) {
    const auto temporary = temporaryFor(path);
    try {
        writeComplete(temporary, writer, mode);
        replace(temporary, path);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
}

std::filesystem::path AtomicFile::temporaryFor(const std::filesystem::path& path) {
    auto temporary = path;
    temporary += ".tmp";
    return temporary;
}

void AtomicFile::writeComplete(const std::filesystem::path& temporary, const Writer& writer,
                               std::ios::openmode mode) {
    std::ofstream stream(temporary, mode | std::ios::out | std::ios::trunc);
    if (!stream)
        throw QuenlarException("Couldn't create the file " + temporary.string());
    writer(stream);
    stream.flush();
    stream.close();
    if (stream.fail())
        throw QuenlarException("Error writing the file " + temporary.string());
}

void AtomicFile::replace(const std::filesystem::path& temporary,
                         const std::filesystem::path& path) {
    std::error_code error;
    // The new file keeps the permissions the operator gave the old one.
    const auto old = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(old))
        std::filesystem::permissions(temporary, old.permissions(), error);
    std::filesystem::rename(temporary, path, error);
    if (error)
        throw QuenlarException("Couldn't replace the file " + path.string() + ": " +
                               error.message());
}
