// Requests to come to the front, on a local socket that only the user may
// connect to. A socket's address holds a path of at most 107 bytes; a longer
// one is reached through an open handle on its folder (/proc/self/fd/N/name),
// so the socket lives beside the lock wherever that is.

#include "framework/FrontRequestSocket.h"

#include "framework/PlatformServices.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace framework {

namespace {

constexpr int connectMilliseconds = 500;

// A handle on the folder that names it however long its path is.
int openFolder(const std::string& folder) {
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// Its path, or where that is too long, the path through our folder handle.
std::optional<sockaddr_un> socketAddress(const std::string& folder, int folderHandle,
                                         const std::string& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string path = folder + "/" + name;
    if (path.size() >= sizeof address.sun_path) {
        path = "/proc/self/fd/" + std::to_string(folderHandle) + "/" + name;
    }
    if (path.size() >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// So that the user knows why a second start will do nothing.
void warnUnreachable(const std::string& folder, const std::string& name) {
    std::fprintf(stderr, "No socket at %s/%s: a second start cannot bring this one to the front.\n",
                 folder.c_str(), name.c_str());
}

} // namespace

FrontRequestSocket::FrontRequestSocket(const std::string& folder, const std::string& name)
    : folder_(openFolder(folder)), name_(name) {
    const auto address = folder_ < 0 ? std::nullopt : socketAddress(folder, folder_, name);
    if (!address || !freeName() || !listen(*address)) {
        warnUnreachable(folder, name);
    }
}

bool FrontRequestSocket::freeName() const {
    struct stat status {};
    if (::fstatat(folder_, name_.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT;
    }
    // Only a socket of ours is one an instance left behind when it was
    // killed; the lock says no instance uses it now.
    return S_ISSOCK(status.st_mode) && status.st_uid == ::geteuid() &&
           ::unlinkat(folder_, name_.c_str(), 0) == 0;
}

bool FrontRequestSocket::listen(const sockaddr_un& address) {
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    struct stat status {};
    // Made the user's own before it listens: until then no one can connect.
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::fchmodat(folder_, name_.c_str(), 0600, 0) != 0 ||
        ::fstatat(folder_, name_.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::listen(listener_, SOMAXCONN) != 0) {
        if (listener_ >= 0) {
            ::close(listener_);
            listener_ = -1;
        }
        return false;
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { acceptRequests(); });
    return true;
}

FrontRequestSocket::~FrontRequestSocket() {
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
        struct stat status {};
        if (::fstatat(folder_, name_.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            status.st_dev == device_ && status.st_ino == inode_) {
            ::unlinkat(folder_, name_.c_str(), 0);
        }
    }
    if (folder_ >= 0) {
        ::close(folder_);
    }
}

void FrontRequestSocket::acceptRequests() {
    bool requested = false;
    for (int connection;
         (connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(connection);
        requested = true;
    }
    if (requested) {
        platform().bringApplicationToFront();
    }
}

void FrontRequestSocket::request(const std::string& folder, const std::string& name) {
    const int folderHandle = openFolder(folder);
    const auto address = socketAddress(folder, folderHandle, name);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket >= 0 && address) {
        // A full backlog makes connect wait; not for ever.
        const timeval timeout{0, connectMilliseconds * 1000};
        ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
        ::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    }
    if (socket >= 0) {
        ::close(socket);
    }
    if (folderHandle >= 0) {
        ::close(folderHandle);
    }
}

} // namespace framework
