// The HTTP client against a loopback server: the bytes on the wire, and a
// failed request never passing for a reply.

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

TEST(HTTPSocket, SendsOneHttp10GetWithExactlyTheFourHeaders) {
    const LoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\nthe body");
    EXPECT_EQ(get(server.address() + "/some/version.txt"), "the body");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto request = keyhop::test::splitRequest(requests[0]);
    EXPECT_EQ(request.requestLine, "GET /some/version.txt HTTP/1.0");
    EXPECT_EQ(request.headerLines,
              (std::multiset<std::string>{"Host: 127.0.0.1:" + std::to_string(server.port()),
                                          "Accept: */*", "Accept-Language: en",
                                          "User-Agent: Key Hop/2"}));
    EXPECT_EQ(request.body, "");
    EXPECT_TRUE(requests[0].ends_with("\r\n\r\n"));
}

TEST(HTTPSocket, ASetHeaderReplacesOneOfTheSameName) {
    const LoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\n");
    const auto socket = HTTPSocket::create();
    socket->SetRequestHeader("User-Agent", "first");
    socket->SetRequestHeader("user-agent", "second");
    socket->SetRequestHeader("Accept", "text/plain");
    socket->Get(server.address() + "/", 0);
    const auto request = keyhop::test::splitRequest(server.requests().at(0));
    EXPECT_EQ(request.headerLines.count("User-Agent: second"), 1u);
    EXPECT_EQ(request.headerLines.count("Accept: text/plain"), 1u);
    EXPECT_EQ(request.headerLines.size(), 4u);
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

TEST(HTTPSocket, AFailedRequestGivesNothing) {
    // Cut off before the announced length: the part received is not a reply.
    const LoopbackHttpServer cut("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nKeyhop 9.9");
    EXPECT_EQ(get(cut.address() + "/v.txt"), "");
    const LoopbackHttpServer silent("");
    EXPECT_EQ(get(silent.address() + "/v.txt"), "");
    EXPECT_EQ(get("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::unusedPort()) + "/"),
              "");
    EXPECT_EQ(get("file:///etc/hostname"), "");
}

} // namespace
