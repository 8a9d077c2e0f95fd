#pragma once
// The key watcher: polls the function keys every 10 ms and opens the items
// of the shortcuts bound to the combination that went down.

#include "framework/Timer.h"

#include <array>
#include <cstdint>
#include <string>

namespace keyhop {

class MainTimer final : public framework::Timer {
  public:
    // Fills the key table and starts ticking, for the rest of the run.
    MainTimer();

    // One poll of the keys. A shortcut fires on the first tick at which a
    // function key is down after a tick at which none was.
    void Event_Action() override;

    // Opens the item of every row bound to this combination, in row order;
    // each flag is "X" or "". Also what the status menu's entries run.
    void processAction(const std::string& functionKey, const std::string& shift,
                       const std::string& control, const std::string& option,
                       const std::string& command);

    static std::string FileNotFoundMessage();

  private:
    static constexpr std::size_t functionKeyCount = 19;

    std::array<std::int32_t, functionKeyCount> functionKeycodesList_{};
    std::array<std::string, functionKeyCount> functionKeysList_;
    // A key of the table was down at the end of the previous tick.
    bool wasFunctionKeyPressed_ = false;
};

} // namespace keyhop
