#pragma once
// The real platform services, on Qt and the X server.

#include "framework/PlatformServices.h"

namespace framework {

class QtPlatformServices final : public PlatformServices {
  public:
    void showMessageBox(const std::string& text) override;
    void beep() override;
    void bringApplicationToFront() override;
};

} // namespace framework
