// A recording HTTP server on the loopback interface, for tests.

#include "support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace keyhop::test {

LoopbackHttpServer::LoopbackHttpServer(std::optional<std::string> reply)
    : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::listen(listener_, 1) != 0) {
        throw std::runtime_error("no loopback server");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, reply = std::move(reply)] { serve(reply); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    // Wakes the server wherever it waits.
    ::shutdown(listener_, SHUT_RDWR);
    ::shutdown(connection_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
}

std::optional<std::string> LoopbackHttpServer::request() const {
    const std::lock_guard lock(mutex_);
    return request_;
}

void LoopbackHttpServer::serve(const std::optional<std::string>& reply) {
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    connection_ = connection;
    std::string header;
    char buffer[4096];
    ssize_t count = 1;
    while (header.find("\r\n\r\n") == std::string::npos &&
           (count = ::recv(connection, buffer, sizeof buffer, 0)) > 0) {
        header.append(buffer, static_cast<std::size_t>(count));
    }
    {
        const std::lock_guard lock(mutex_);
        request_ = header;
    }
    for (std::size_t sent = 0; reply && count > 0 && sent < reply->size(); sent += count) {
        count = ::send(connection, reply->data() + sent, reply->size() - sent, MSG_NOSIGNAL);
    }
    // Without a reply, until the client or the destructor ends the connection.
    while (!reply && ::recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
    ::close(connection);
}

} // namespace keyhop::test
