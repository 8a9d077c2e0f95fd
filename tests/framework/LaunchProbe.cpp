// A program for the launch tests to start: it writes how it was started to
// its own path + ".report" (whole, by a rename), which a shell could not tell
// without changing it: a shell resets the blocked signals as it starts.

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int, char** argv) {
    namespace fs = std::filesystem;
    const std::string report = std::string(argv[0]) + ".report";
    {
        std::ofstream out(report + ".tmp");
        out << argv[0] << '\n' << fs::current_path().string() << '\n';
        out << "session leader: " << (::getsid(0) == ::getpid() ? "yes" : "no") << '\n';
        out << "parent: " << ::getppid() << '\n';
        // glibc keeps two signals of its own, which it neither lets be
        // asked about nor lets a spawn reset.
        sigset_t blocked;
        ::sigprocmask(SIG_BLOCK, nullptr, &blocked);
        out << "blocked:";
        for (int signal = 1; signal < SIGRTMAX; ++signal) {
            if (::sigismember(&blocked, signal) == 1) {
                out << ' ' << signal;
            }
        }
        out << "\nignored:";
        for (int signal = 1; signal < SIGRTMAX; ++signal) {
            struct sigaction action {};
            if (::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) {
                out << ' ' << signal;
            }
        }
        out << '\n';
        for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            out << "fd " << fd.path().filename().string() << ": "
                << fs::read_symlink(fd.path(), error).string() << '\n';
        }
    }
    fs::rename(report + ".tmp", report);
}
