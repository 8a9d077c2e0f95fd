#pragma once
// One Keyhop per user: a second start asks the running one to come to the
// front and ends, touching nothing else.

#include <memory>

namespace framework {

class FrontRequestSocket;

class SingleInstance final {
  public:
    // Claims the user's one instance, or, when another process holds it,
    // asks that one to come to the front.
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process of this user runs the application.
    bool first() const { return first_; }

  private:
    // The kernel drops the lock with the process, after a crash too.
    int lock_ = -1;
    bool first_ = true;
    std::unique_ptr<FrontRequestSocket> requests_;
};

} // namespace framework
