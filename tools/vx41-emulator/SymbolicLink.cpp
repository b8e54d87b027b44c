#include "SymbolicLink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

#include "SystemFailure.h"

namespace {
void removeOldLink(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return;
        throw SystemFailure("cannot examine " + path);
    }
    if (!S_ISLNK(status.st_mode))
        throw std::runtime_error(path + " exists and is not a symbolic link; not replacing it");
    if (unlink(path.c_str()) != 0)
        throw SystemFailure("cannot remove the old link " + path);
}

bool pointsTo(const std::string& path, const std::string& target) {
    std::vector<char> buffer(target.size() + 2);
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    return length >= 0 && std::string(buffer.data(), static_cast<std::size_t>(length)) == target;
}
} // namespace

SymbolicLink::SymbolicLink(const std::string& target, const std::string& path)
    : target_(target), path_(path) {
    removeOldLink(path_);
    if (symlink(target_.c_str(), path_.c_str()) != 0)
        throw SystemFailure("cannot make the link " + path_);
}

SymbolicLink::~SymbolicLink() {
    if (pointsTo(path_, target_))
        unlink(path_.c_str());
}
