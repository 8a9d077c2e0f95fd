#pragma once
// Root reads, writes and enters everything: while the object lives, this
// thread's file access goes as "nobody" (as the user when not root), made
// owner of the paths given, so permissions count as they do for users.

#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <sys/fsuid.h>
#include <unistd.h>

namespace keyhop::test {

class UnprivilegedOwner final {
  public:
    explicit UnprivilegedOwner(std::initializer_list<std::filesystem::path> owned) {
        const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
        for (const auto& path : owned) {
            if (::chown(path.c_str(), user, static_cast<gid_t>(-1)) != 0) {
                throw std::runtime_error("cannot hand " + path.string() + " over");
            }
        }
        ::setfsuid(user);
    }
    ~UnprivilegedOwner() { ::setfsuid(::geteuid()); }
    UnprivilegedOwner(const UnprivilegedOwner&) = delete;
    UnprivilegedOwner& operator=(const UnprivilegedOwner&) = delete;
};

} // namespace keyhop::test
