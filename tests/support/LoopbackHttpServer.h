#pragma once
// An HTTP server on the loopback interface for one request of one test: it
// records the request's header and answers with the bytes the test gives.

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace keyhop::test {

class LoopbackHttpServer final {
  public:
    // Once the header has come, sends reply as it is (status line, headers
    // and body, or anything else) and closes; nil never answers.
    explicit LoopbackHttpServer(std::optional<std::string> reply);
    ~LoopbackHttpServer();

    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // The request's header with its CR LF line ends; nil until it has come.
    std::optional<std::string> request() const;

  private:
    void serve(const std::optional<std::string>& reply);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<int> connection_ = -1;
    mutable std::mutex mutex_;
    std::optional<std::string> request_;
    std::thread thread_;
};

} // namespace keyhop::test
