#pragma once
// The platform services of a process whose display may be gone: nothing is
// shown, messages go to standard error.

#include "framework/PlatformServices.h"

namespace framework {

class NoDisplayServices final : public PlatformServices {
  public:
    // The text and a line end, on standard error; returns at once.
    void showMessageBox(const std::string& text) override;
    void beep() override {}
    void bringApplicationToFront() override {}
    bool fileDialogsAvailable() override { return false; }
    std::optional<std::string> chooseFile(const std::string&,
                                          const std::vector<std::string>&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
    ScreenSize screenSize(int) override { return {}; }
    bool functionKeyDown(int) override { return false; }
    bool modifierKeyDown(ModifierKey) override { return false; }
    void startDetached(const std::vector<std::string>& argv) override;
    void openURL(const std::string&) override {}
    bool systemTrayAvailable() override { return false; }
    std::unique_ptr<QSystemTrayIcon> newTrayIcon() override;
    bool showTrayIcon(QSystemTrayIcon&) override { return false; }
    std::unique_ptr<QMenu> newMenu() override;
    std::unique_ptr<QAction> newMenuEntry() override;
};

} // namespace framework
