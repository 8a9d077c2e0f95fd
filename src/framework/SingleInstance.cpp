// One instance per user: a lock on a file in a folder only the user may use
// decides, and a socket beside it carries the request to come to the front.
// The lock lives in the user's runtime folder when that is what the XDG rules
// promise, else in the config folder; a lock that cannot be had in one is
// looked for in the other, and is never taken for "no other instance runs".

#include "framework/SingleInstance.h"

#include "framework/Environment.h"
#include "framework/FolderItem.h"
#include "framework/FrontRequestSocket.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace framework {

namespace {

// $XDG_RUNTIME_DIR when it is a folder of the user's own that only the user
// may use: in a shared one, another user's file could stand in for our lock.
std::string runtimeFolder() {
    const std::string folder = absolutePathFromEnvironment("XDG_RUNTIME_DIR");
    struct stat status {};
    const bool private_ = !folder.empty() && ::lstat(folder.c_str(), &status) == 0 &&
                          S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
                          (status.st_mode & 07777) == 0700;
    return private_ ? folder : std::string();
}

std::string configFolder() {
    const auto config = PreferencesFolder();
    return config ? config->AbsolutePath() : std::string();
}

// Our own regular file at the path, opened to be locked; -1 when there is
// none to be had. Reading is all flock needs, so a lock file the user may
// only read still locks; a link in its place is not followed, a pipe does
// not block.
int openLockFile(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat status {};
    if (fd >= 0 &&
        (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

SingleInstance::SingleInstance() {
    const std::string name = QCoreApplication::applicationName().toStdString();
    for (const auto folderOf : {runtimeFolder, configFolder}) {
        const std::string folder = folderOf();
        const int fd = folder.empty() ? -1 : openLockFile(folder + "/" + name + ".lock");
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock_ = fd;
            requests_ = std::make_unique<FrontRequestSocket>(folder, name + ".socket");
            return;
        }
        const bool heldByAnother = errno == EWOULDBLOCK;
        ::close(fd);
        if (heldByAnother) {
            first_ = false;
            FrontRequestSocket::request(folder, name + ".socket");
            return;
        }
    }
    std::fprintf(stderr,
                 "No lock could be had in the runtime or config folder: %s runs, whether or not "
                 "another one does.\n",
                 name.c_str());
}

SingleInstance::~SingleInstance() {
    requests_.reset();
    if (lock_ >= 0) {
        ::close(lock_);
    }
}

} // namespace framework
