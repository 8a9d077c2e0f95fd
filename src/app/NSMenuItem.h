#pragma once
// An entry of the status menu. Its tag tells what it does: About,
// Preferences, Quit, or from 6 on the shortcut of that row less 6.

#include "plugin/NSMenuItemMBS.h"

namespace keyhop {

class NSMenuItem final : public plugin::NSMenuItemMBS {
  public:
    static constexpr int aboutTag = 0;
    static constexpr int preferencesTag = 1;
    static constexpr int quitTag = 3;
    static constexpr int headingTag = 5;
    static constexpr int firstShortcutTag = 6;

  protected:
    void Event_Action() override;
};

} // namespace keyhop
