// The HTTP client against a loopback server, beyond what the update check's
// tests show: no proxy, no redirection, the status, no other scheme, its bound.

#include "framework/HTTPSocket.h"
#include "support/LoopbackHttpServer.h"
#include "support/SavedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using framework::HTTPSocket;
using keyhop::test::LoopbackHttpServer;
using Reply = std::pair<std::string, int>;

// The body and the status.
Reply get(const std::string& url) {
    const auto socket = HTTPSocket::create();
    std::string body = socket->Get(url, 0);
    return {body, socket->HTTPStatusCode()};
}

TEST(HTTPSocket, GoesStraightToTheUrlAndTellsTheStatus) {
    const LoopbackHttpServer server("HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\n\r\nmoved");
    const keyhop::test::SavedEnvironment saved({"http_proxy", "HTTP_PROXY"});
    ::setenv("http_proxy", "http://127.0.0.1:1", 1);
    ::setenv("HTTP_PROXY", "http://127.0.0.1:1", 1);
    EXPECT_EQ(get(server.address() + "/v.txt"), Reply("moved", 302));
    EXPECT_EQ(get("file:///etc/hostname"), Reply("", 0));
}

TEST(HTTPSocket, ABodyOfTheBoundIsReadWholeAndALongerOneIsAFailure) {
    const std::string atBound(HTTPSocket::maximumBodySize, 'a');
    const std::string tooLong = std::to_string(atBound.size() + 1);
    for (const auto& [reply, body] : std::vector<std::pair<std::string, std::string>>{
             {"HTTP/1.0 200 OK\r\n\r\n" + atBound, atBound},
             {"HTTP/1.0 200 OK\r\n\r\n" + atBound + "b", ""},
             {"HTTP/1.0 200 OK\r\nContent-Length: " + tooLong + "\r\n\r\n", ""}}) {
        const LoopbackHttpServer server(reply);
        EXPECT_EQ(get(server.address()).first, body);
    }
}

} // namespace
