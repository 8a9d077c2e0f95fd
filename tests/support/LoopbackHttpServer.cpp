// A recording HTTP server on the loopback interface, for tests.

#include "support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace keyhop::test {

namespace {

// A socket bound to a free loopback port.
int boundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("no loopback socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

} // namespace

ReceivedRequest splitRequest(const std::string& bytes) {
    ReceivedRequest request;
    const auto headerEnd = bytes.find("\r\n\r\n");
    const std::string header = bytes.substr(0, headerEnd);
    request.body = headerEnd == std::string::npos ? "" : bytes.substr(headerEnd + 4);
    std::size_t from = 0;
    for (auto at = header.find("\r\n"); from <= header.size(); at = header.find("\r\n", from)) {
        const std::string line = header.substr(from, at == std::string::npos ? at : at - from);
        if (from == 0) {
            request.requestLine = line;
        } else {
            request.headerLines.insert(line);
        }
        if (at == std::string::npos) {
            break;
        }
        from = at + 2;
    }
    return request;
}

LoopbackHttpServer::LoopbackHttpServer(std::string reply, Behaviour behaviour)
    : reply_(std::move(reply)), hang_(behaviour == Behaviour::Hang) {
    listener_ = boundSocket(port_);
    if (::listen(listener_, 8) != 0 || ::pipe2(stopPipe_, O_CLOEXEC) != 0) {
        throw std::runtime_error("loopback server cannot start");
    }
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], "x", 1);
    thread_.join();
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
    ::close(listener_);
}

std::string LoopbackHttpServer::address() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> LoopbackHttpServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackHttpServer::waitForRequest() const {
    std::unique_lock lock(mutex_);
    requestArrived_.wait(lock, [this] { return headerComplete_; });
}

int LoopbackHttpServer::unusedPort() {
    int port = 0;
    ::close(boundSocket(port));
    return port;
}

void LoopbackHttpServer::serve() {
    for (;;) {
        pollfd waits[] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0 || waits[1].revents != 0) {
            return;
        }
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            serveConnection(connection);
            ::close(connection);
        }
    }
}

void LoopbackHttpServer::serveConnection(int connection) {
    std::size_t index = 0;
    {
        const std::lock_guard lock(mutex_);
        index = requests_.size();
        requests_.emplace_back();
    }
    for (;;) {
        if (!readInto(connection, index)) {
            return;
        }
        const std::lock_guard lock(mutex_);
        if (requests_[index].find("\r\n\r\n") != std::string::npos) {
            headerComplete_ = true;
            requestArrived_.notify_all();
            break;
        }
    }
    if (!hang_) {
        std::size_t sent = 0;
        while (sent < reply_.size()) {
            const auto n =
                ::send(connection, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(n);
        }
        ::shutdown(connection, SHUT_WR);
    }
    // Whatever else the client sends, until it closes.
    while (readInto(connection, index)) {
    }
}

bool LoopbackHttpServer::readInto(int connection, std::size_t index) {
    pollfd waits[] = {{connection, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (::poll(waits, 2, -1) < 0 || waits[1].revents != 0) {
        return false;
    }
    char buffer[4096];
    const auto n = ::recv(connection, buffer, sizeof buffer, 0);
    if (n <= 0) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    requests_[index].append(buffer, static_cast<std::size_t>(n));
    return true;
}

} // namespace keyhop::test
