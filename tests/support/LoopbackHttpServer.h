#pragma once
// An HTTP server on the loopback interface for one test: it records every
// byte each connection sends and answers with the bytes the test gives.

#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace keyhop::test {

// A request as the server received it: the lines up to the empty line,
// without their CR LF, and every byte after the empty line.
struct ReceivedRequest {
    std::string requestLine;
    std::multiset<std::string> headerLines;
    std::string body;
};

ReceivedRequest splitRequest(const std::string& bytes);

class LoopbackHttpServer final {
  public:
    enum class Behaviour {
        // Sends the reply as it is (status line, headers and body, or anything
        // else) once a request's header has arrived, then closes its side.
        Answer,
        // Reads each request and never answers, until the server is destroyed.
        Hang,
    };

    explicit LoopbackHttpServer(std::string reply, Behaviour behaviour = Behaviour::Answer);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string address() const;
    int port() const { return port_; }

    // What each connection sent, from its first byte to its end; a
    // connection still open shows what it has sent so far.
    std::vector<std::string> requests() const;
    // Blocks until a request's header has arrived.
    void waitForRequest() const;

    // A loopback port on which nothing listens.
    static int unusedPort();

  private:
    void serve();
    void serveConnection(int connection);
    bool readInto(int connection, std::size_t index);

    const std::string reply_;
    const bool hang_;
    int listener_ = -1;
    int port_ = 0;
    int stopPipe_[2] = {-1, -1};
    mutable std::mutex mutex_;
    mutable std::condition_variable requestArrived_;
    std::vector<std::string> requests_;
    bool headerComplete_ = false;
    std::thread thread_;
};

} // namespace keyhop::test
