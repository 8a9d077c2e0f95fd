// Starting programs detached, by a double fork: the program's parent ends at
// once, so the program is handed to init (or the session's subreaper).

#include "framework/ProcessLauncher.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace framework {

namespace {

// The program's path: argv[0] itself when it names a path, else the first
// executable of that name in PATH.
std::string programPath(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    const char* searchPath = std::getenv("PATH");
    std::string folders = searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return name;
}

// In the forked children only async-signal-safe calls: another thread of
// ours may have held a lock at the moment of the fork.
[[noreturn]] void execInNewSession(const char* path, char* const* args, int highestFd) {
    ::setsid();
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (const int signal : {SIGPIPE, SIGCHLD, SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &byDefault, nullptr);
    }
    if (::close_range(3, ~0U, 0) != 0) {
        for (int fd = 3; fd <= highestFd; ++fd) {
            ::close(fd);
        }
    }
    ::execve(path, args, environ);
    ::_exit(127);
}

} // namespace

void startDetachedProcess(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return;
    }
    // Everything that allocates is done before the fork.
    const std::string path = programPath(argv.front());
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    rlimit files{};
    const int highestFd = ::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < 65536
                              ? static_cast<int>(files.rlim_cur) - 1
                              : 65535;

    const pid_t intermediate = ::fork();
    if (intermediate < 0) {
        return;
    }
    if (intermediate == 0) {
        if (::fork() == 0) {
            execInNewSession(path.c_str(), args.data(), highestFd);
        }
        ::_exit(0);
    }
    while (::waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace framework
