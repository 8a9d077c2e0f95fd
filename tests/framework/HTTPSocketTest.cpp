// The HTTP client against a loopback server, beyond what the update check's
// tests show: no proxy, no redirection, no other scheme, and its bound.

#include "framework/HTTPSocket.h"
#include "support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using framework::HTTPSocket;
using keyhop::test::LoopbackHttpServer;

std::string get(const std::string& url) {
    const auto socket = HTTPSocket::create();
    socket->SetRequestHeader("User-Agent", "Key Hop/2");
    return socket->Get(url, 0);
}

TEST(HTTPSocket, GoesToTheUrlsOwnHostWhateverProxyTheEnvironmentNames) {
    const LoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\ndirect");
    const std::string proxy =
        "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::unusedPort());
    ::setenv("http_proxy", proxy.c_str(), 1);
    ::setenv("HTTP_PROXY", proxy.c_str(), 1);
    const std::string body = get(server.address() + "/v.txt");
    ::unsetenv("http_proxy");
    ::unsetenv("HTTP_PROXY");
    EXPECT_EQ(body, "direct");
}

TEST(HTTPSocket, TheBodyComesWhateverTheStatusAndRedirectionsAreNotFollowed) {
    const LoopbackHttpServer server(
        "HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 5\r\n\r\nmoved");
    EXPECT_EQ(get(server.address() + "/v.txt"), "moved");
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(HTTPSocket, ABodyOfTheBoundIsReadWholeAndALongerOneIsAFailure) {
    const std::string atBound(HTTPSocket::maximumBodySize, 'a');
    const LoopbackHttpServer whole("HTTP/1.0 200 OK\r\n\r\n" + atBound);
    EXPECT_EQ(get(whole.address() + "/v.txt"), atBound);

    const LoopbackHttpServer tooLong("HTTP/1.0 200 OK\r\n\r\n" + atBound + "b");
    EXPECT_EQ(get(tooLong.address() + "/v.txt"), "");
    const LoopbackHttpServer announcedTooLong(
        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(atBound.size() + 1) + "\r\n\r\n");
    EXPECT_EQ(get(announcedTooLong.address() + "/v.txt"), "");
}

TEST(HTTPSocket, OnlyHttpIsSpoken) {
    EXPECT_EQ(get("file:///etc/hostname"), "");
}

} // namespace
