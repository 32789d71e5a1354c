#include "detachedprocessstarter.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace galewright {

namespace {

constexpr int kStartWaitMilliseconds = 1000;

} // namespace

bool DetachedProcessStarter::startProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    // Everything the child needs is built before fork: after it, only calls
    // that are safe in a copy of a threaded process may run.
    std::vector<std::string> texts;
    texts.reserve(arguments.size() + 1);
    texts.push_back(program);
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful
    // exec closes it (close-on-exec).
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        ::execv(argv[0], argv.data());
        const int error = errno;
        [[maybe_unused]] const auto written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    pollfd waiting{report[0], POLLIN, 0};
    if (started && ::poll(&waiting, 1, kStartWaitMilliseconds) > 0) {
        int error = 0;
        if (::read(report[0], &error, sizeof error) == static_cast<ssize_t>(sizeof error))
            started = false;
    }
    ::close(report[0]);
    return started;
}

} // namespace galewright
