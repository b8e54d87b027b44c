#include "model/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <sstream>
#include <system_error>

#include "model/QuenlarException.h"

namespace {
namespace fs = std::filesystem;

// Links followed before a chain counts as a loop, as the system's own limit does.
constexpr int maxLinks = 40;
// Fresh names tried before giving up on a folder full of them.
constexpr int nameAttempts = 100;

// Owns an open C stream; closing reports whether everything written reached the file.
class OpenFile {
public:
    explicit OpenFile(std::FILE* file) : file_(file) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (file_ != nullptr)
            std::fclose(file_);
    }

    // 0, or the system's error number of the first failure.
    int writeAndClose(const std::string& bytes) {
        errno = 0;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
        const int writeError = errno;
        const bool closed = std::fclose(file_) == 0;
        const int closeError = errno;
        file_ = nullptr;
        if (!written)
            return writeError != 0 ? writeError : EIO;
        return closed ? 0 : closeError;
    }

private:
    std::FILE* file_;
};

const char* modeOf(std::ios::openmode mode, bool exclusive) {
    const bool binary = (mode & std::ios::binary) != 0;
    if (exclusive)
        return binary ? "wbx" : "wx";
    return binary ? "wb" : "w";
}

// The system's reason for error, as it words it.
std::string reason(int error) {
    return std::generic_category().message(error);
}

std::string freshName(const fs::path& path) {
    std::ostringstream name;
    name << path.filename().string() << '.' << std::hex << std::random_device{}() << ".tmp";
    return name.str();
}
} // namespace

void AtomicFile::write(const fs::path& path, const Writer& writer, std::ios::openmode mode) {
    std::ostringstream contents(std::ios::out | std::ios::binary);
    writer(contents);
    writeBytes(path, contents.str(), mode);
}

void AtomicFile::writeBytes(const fs::path& path, const std::string& bytes,
                            std::ios::openmode mode) {
    std::error_code error;
    const auto status = fs::status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status))
        writeDirectly(path, bytes, mode);
    else
        replace(followLinks(path), path, bytes, mode);
}

fs::path AtomicFile::followLinks(const fs::path& path) {
    fs::path current = path;
    for (int links = 0; links <= maxLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            throw QuenlarException("Couldn't follow the link " + current.string() + ": " +
                                   error.message());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw QuenlarException("Too many links lead to " + path.string());
}

void AtomicFile::writeDirectly(const fs::path& path, const std::string& bytes,
                               std::ios::openmode mode) {
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), modeOf(mode, false));
    if (file == nullptr)
        throw QuenlarException("Couldn't open the file " + path.string() + ": " + reason(errno));
    if (const int error = OpenFile(file).writeAndClose(bytes))
        throw QuenlarException("Error writing the file " + path.string() + ": " + reason(error));
}

// Failures name the file the operator chose, never the temporary one they cannot know of.
void AtomicFile::replace(const fs::path& path, const fs::path& chosen, const std::string& bytes,
                         std::ios::openmode mode) {
    fs::path temporary;
    std::FILE* file = nullptr;
    int openError = 0;
    for (int attempt = 0; attempt < nameAttempts && file == nullptr; ++attempt) {
        temporary = path.parent_path() / freshName(path);
        errno = 0;
        file = std::fopen(temporary.string().c_str(), modeOf(mode, true));
        openError = errno;
        if (file == nullptr && openError != EEXIST)
            break;
    }
    if (file == nullptr)
        throw QuenlarException("Couldn't create the file " + chosen.string() + ": " +
                               reason(openError));

    std::error_code error;
    const int writeError = OpenFile(file).writeAndClose(bytes);
    const bool written = writeError == 0;
    if (written) {
        // The new file keeps the permissions the operator gave the old one.
        const auto old = fs::status(path, error);
        if (!error && fs::exists(old))
            fs::permissions(temporary, old.permissions(), error);
        fs::rename(temporary, path, error);
    }
    if (!written || error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        if (!written)
            throw QuenlarException("Error writing the file " + chosen.string() + ": " +
                                   reason(writeError));
        throw QuenlarException("Couldn't replace the file " + chosen.string() + ": " +
                               error.message());
    }
}
