#pragma once
// The local socket through which a second start asks the running instance to
// come to the front.

#include <memory>
#include <string>
#include <sys/types.h>

struct sockaddr_un;

class QSocketNotifier;

namespace framework {

class FrontRequestSocket final {
  public:
    // Listens at the name in the folder, which the caller's lock makes ours:
    // a socket left there by a killed process is replaced, anything else at
    // that name is left alone and no request can reach us.
    FrontRequestSocket(const std::string& folder, const std::string& name);
    // Removes our socket, unless something else has taken its name.
    ~FrontRequestSocket();
    FrontRequestSocket(const FrontRequestSocket&) = delete;
    FrontRequestSocket& operator=(const FrontRequestSocket&) = delete;

    // Asks whoever listens at the name in the folder to come to the front.
    static void request(const std::string& folder, const std::string& name);

  private:
    // Removes a socket left at the name; false when something else is there.
    bool freeName() const;
    // Binds, makes the socket the user's own and listens.
    bool listen(const sockaddr_un& address);
    void acceptRequests();

    int folder_ = -1;
    int listener_ = -1;
    std::string name_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace framework
