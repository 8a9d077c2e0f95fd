// Starting programs detached: a go-between spawns the program and ends at
// once, so the program is handed to init (or the session's subreaper) and is
// never our child.

#include "framework/ProcessLauncher.h"

#include "framework/Environment.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace framework {

namespace {

// Where desktop launchers start programs: the home folder, else the root
// folder, so that a home that cannot be entered stops no program.
std::string workingFolder() {
    const std::string home = homeFolder();
    std::error_code error;
    const bool enterable = !home.empty() && std::filesystem::is_directory(home, error) &&
                           ::faccessat(AT_FDCWD, home.c_str(), X_OK, AT_EACCESS) == 0;
    return enterable ? home : "/";
}

// The program's attributes: a session of its own, default signal handling
// with nothing blocked, the working folder, none of our files.
class SpawnSettings final {
  public:
    SpawnSettings() {
        ::posix_spawnattr_init(&attributes_);
        sigset_t signals;
        sigfillset(&signals);
        ::posix_spawnattr_setsigdefault(&attributes_, &signals);
        sigemptyset(&signals);
        ::posix_spawnattr_setsigmask(&attributes_, &signals);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF |
                                                     POSIX_SPAWN_SETSIGMASK);
        ::posix_spawn_file_actions_init(&files_);
        ::posix_spawn_file_actions_addchdir_np(&files_, workingFolder().c_str());
        ::posix_spawn_file_actions_addclosefrom_np(&files_, 3);
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&files_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* files() const { return &files_; }

  private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t files_;
};

} // namespace

void startDetachedProcess(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return;
    }
    // Everything that allocates is done before the go-between starts.
    const SpawnSettings settings;
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    // The go-between shares our memory and we wait while it runs: a fork
    // would copy Keyhop's page tables, a millisecond between the key and the
    // program. It runs on our stack, where the sanitizers follow a vfork, and
    // glibc's posix_spawn makes only system calls there. Blocked signals keep
    // our handlers out of it; the program gets them unblocked.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t goBetween = ::vfork();
    if (goBetween == 0) {
        ::posix_spawnp(nullptr, args.front(), settings.files(), settings.attributes(), args.data(),
                       environ);
        ::_exit(0);
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (goBetween < 0) {
        return;
    }
    while (::waitpid(goBetween, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace framework
