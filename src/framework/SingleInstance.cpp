// One instance per user: a lock on a file in the user's runtime folder
// decides, and a local socket beside it carries the request to come to the
// front. A socket file left by a killed process is only removed by the
// holder of the lock.

#include "framework/SingleInstance.h"

#include "framework/FolderItem.h"
#include "framework/PlatformServices.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace framework {

namespace {

constexpr int connectMilliseconds = 500;

// The user's runtime folder, private to the user; else the config folder.
std::string instanceFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return runtime;
    }
    const auto config = PreferencesFolder();
    return config ? config->AbsolutePath() : std::string();
}

} // namespace

SingleInstance::SingleInstance() {
    const std::string folder = instanceFolder();
    if (folder.empty()) {
        return;
    }
    const std::string name = folder + "/" + QCoreApplication::applicationName().toStdString();
    lock_ = ::open((name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const QString socketName = QString::fromStdString(name + ".socket");
    // Only a lock that another process holds means that it runs; when we
    // cannot tell, we run, and leave its socket alone.
    if (lock_ < 0 || ::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        first_ = lock_ < 0 || errno != EWOULDBLOCK;
        if (!first_) {
            QLocalSocket running;
            running.connectToServer(socketName);
            running.waitForConnected(connectMilliseconds);
        }
        return;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketName);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->deleteLater();
        }
        platform().bringApplicationToFront();
    });
    server_->listen(socketName);
}

SingleInstance::~SingleInstance() {
    server_.reset();
    if (lock_ >= 0) {
        ::close(lock_);
    }
}

} // namespace framework
