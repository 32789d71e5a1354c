#include "settingsdirectory.h"

#include <climits>
#include <unistd.h>

namespace galewright {

std::string executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string executableDirectory()
{
    const std::string path = executablePath();
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string joinPath(std::string_view directory, std::string_view name)
{
    std::string joined(directory);
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    joined += name;
    return joined;
}

} // namespace galewright
