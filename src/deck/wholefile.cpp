#include "wholefile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace galewright {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    const char* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> tryReadWholeFile(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(info.st_size));
    } catch (...) {
        ::close(fd);
        return std::nullopt;
    }
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + 65536); // the file grew while we read it
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

std::string readWholeFile(const std::string& path) { return tryReadWholeFile(path).value_or(std::string()); }

std::string bytesToText(std::string bytes)
{
    const auto zero = bytes.find('\0');
    if (zero != std::string::npos)
        bytes.resize(zero);
    return bytes;
}

std::string textToBytes(std::string_view text) { return std::string(text); }

bool writeWholeFile(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return false;
    // Write through a symbolic link to the file it names, so the link stays.
    std::string target = path;
    struct stat info {};
    bool exists = false;
    if (::lstat(path.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            char resolved[PATH_MAX];
            if (!::realpath(path.c_str(), resolved))
                return false;
            target = resolved;
            if (::stat(target.c_str(), &info) != 0)
                return false;
        }
        exists = true;
        if (!S_ISREG(info.st_mode))
            return false;
        // A write-protected file stays protected, even for root.
        if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
    }
    const std::string directory = directoryOf(target);
    struct stat dirInfo {};
    if (::stat(directory.c_str(), &dirInfo) != 0 || !S_ISDIR(dirInfo.st_mode) || (dirInfo.st_mode & 0222) == 0 ||
        ::access(directory.c_str(), W_OK | X_OK) != 0)
        return false;

    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = (directory == "/" ? std::string() : directory) + "/." + name + ".saving-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes);
    if (ok) {
        const mode_t mode = exists ? (info.st_mode & 07777) : defaultFileMode();
        ok = ::fchmod(fd, mode) == 0;
        if (ok && exists && (info.st_uid != ::geteuid() || info.st_gid != ::getegid()))
            (void)!::fchown(fd, info.st_uid, info.st_gid); // best effort: only root can give files away
    }
    if (ok)
        ok = ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (ok)
        ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace galewright
