#pragma once
// The update check: asks the maker's server for its version file once and
// tells the user when it names a version other than the running one.

#include "framework/Thread.h"

#include <string>

namespace keyhop {

class CheckForUpdateThread final : public framework::Thread {
  public:
    void Event_Run() override;

    // The news of a new version; "%APPLICATIONNAME%" stands for the name.
    static std::string NewVersionAvailableMessage();
};

} // namespace keyhop
