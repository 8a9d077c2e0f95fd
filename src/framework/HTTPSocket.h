#pragma once
// The framework's HTTP client, on libcurl: one HTTP/1.0 GET, waiting for the
// whole reply.

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace framework {

class HTTPSocket final {
  public:
    // A new client, or nil when none can be made.
    static std::unique_ptr<HTTPSocket> create();
    ~HTTPSocket();
    HTTPSocket(const HTTPSocket&) = delete;
    HTTPSocket& operator=(const HTTPSocket&) = delete;

    // A header of the next request; the same name again replaces the value.
    void SetRequestHeader(const std::string& name, const std::string& value);

    // Here a waiting Get holds only its own thread, never the main thread's
    // events, so there is nothing more for Yield to do; it is kept for callers.
    bool Yield = false;

    // Sends "GET <path> HTTP/1.0" with the headers Host, "Accept: */*",
    // "Accept-Language: en" and those set above, and nothing else, to the
    // URL's host and port, and waits for the reply: its body whatever its
    // status, or "" when the request failed or the body is longer than
    // maximumBodySize. No proxy, no redirection. timeout in seconds, 0 for no
    // limit.
    std::string Get(const std::string& url, int timeout);
    // The status code of the last Get's reply; 0 when none came.
    int HTTPStatusCode() const { return statusCode_; }

    // Far above any text the application asks for.
    static constexpr std::size_t maximumBodySize = 1024 * 1024;

  private:
    struct EasyHandleCleanup {
        void operator()(void* handle) const;
    };

    explicit HTTPSocket(void* handle);

    std::unique_ptr<void, EasyHandleCleanup> handle_;
    std::vector<std::pair<std::string, std::string>> headers_;
    int statusCode_ = 0;
};

} // namespace framework
