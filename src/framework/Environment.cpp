// Folders from the environment.

#include "framework/Environment.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace framework {

std::string absolutePathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = absolutePathFromEnvironment("HOME");
    if (home.empty()) {
        // A session started without HOME still has the account's folder.
        const passwd* account = ::getpwuid(::getuid());
        if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/') {
            home = account->pw_dir;
        }
    }
    return home;
}

} // namespace framework
