// The HTTP client goes to the URL's own host and speaks nothing but HTTP.

#include "framework/HTTPSocket.h"
#include "support/LoopbackHttpServer.h"
#include "support/SavedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(HTTPSocket, GoesStraightToTheUrlWhateverProxyTheEnvironmentNames) {
    const keyhop::test::LoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\ndirect");
    const keyhop::test::SavedEnvironment saved({"http_proxy", "HTTP_PROXY"});
    ::setenv("http_proxy", "http://127.0.0.1:1", 1);
    ::setenv("HTTP_PROXY", "http://127.0.0.1:1", 1);
    const auto socket = framework::HTTPSocket::create();
    EXPECT_EQ(socket->Get(server.address(), 0), "direct");
    EXPECT_EQ(socket->Get("file:///etc/hostname", 0), "");
}

} // namespace
