// Starting programs detached: through a go-between that ends at once, so the
// program is handed to init (or the session's subreaper).

#include "framework/ProcessLauncher.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <pthread.h>
#include <sched.h>
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

// What the two new processes need, all made before the first of them starts.
struct Launch {
    const char* path;
    char* const* args;
    int highestFd;
};

// The program: a session of its own, default signal handling, none of our
// files. Runs in memory shared with Keyhop, so only system calls here.
[[noreturn]] void execProgram(const Launch& launch) {
    ::setsid();
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &byDefault, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (::close_range(3, ~0U, 0) != 0) {
        for (int fd = 3; fd <= launch.highestFd; ++fd) {
            ::close(fd);
        }
    }
    ::execve(launch.path, launch.args, environ);
    ::_exit(127);
}

// The go-between: starts the program and ends at once, so that the program
// is handed to init (or the session's subreaper) and is never our child.
int startProgram(void* launch) {
    if (::vfork() == 0) {
        execProgram(*static_cast<const Launch*>(launch));
    }
    ::_exit(0);
}

} // namespace

void startDetachedProcess(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return;
    }
    // Everything that allocates is done before the new processes start.
    const std::string path = programPath(argv.front());
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    rlimit files{};
    const Launch launch{path.c_str(), args.data(),
                        ::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < 65536
                            ? static_cast<int>(files.rlim_cur) - 1
                            : 65535};
    // The go-between shares our memory and we wait while it runs (as
    // posix_spawn does): a fork would copy Keyhop's page tables twice, which
    // costs milliseconds between the key and the program. Signals stay
    // blocked until the program has reset their handlers.
    std::vector<char> stack(64 * 1024);
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t goBetween = ::clone(startProgram, stack.data() + stack.size(),
                                    CLONE_VM | CLONE_VFORK | SIGCHLD, const_cast<Launch*>(&launch));
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (goBetween < 0) {
        return;
    }
    while (::waitpid(goBetween, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace framework
