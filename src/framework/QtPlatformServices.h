#pragma once
// The real platform services, on Qt and the X server.

#include "framework/PlatformServices.h"
#include "framework/X11Keyboard.h"

namespace framework {

class QtPlatformServices final : public PlatformServices {
  public:
    void showMessageBox(const std::string& text) override;
    void beep() override;
    void bringApplicationToFront() override;
    bool fileDialogsAvailable() override;
    std::optional<std::string> chooseFile(const std::string& startFolder,
                                          const std::vector<std::string>& patterns) override;
    std::optional<std::string> chooseFolder(const std::string& startFolder) override;
    ScreenSize screenSize(int index) override;
    void openURL(const std::string& url) override;
    bool systemTrayAvailable() override;
    std::unique_ptr<QSystemTrayIcon> newTrayIcon() override;
    bool showTrayIcon(QSystemTrayIcon& icon) override;
    std::unique_ptr<QMenu> newMenu() override;
    std::unique_ptr<QAction> newMenuEntry() override;
    bool functionKeyDown(int number) override;
    bool modifierKeyDown(ModifierKey key) override;
    bool wakeOnFunctionKey(QObject& context, std::function<void()> wake) override;
    void startDetached(const std::vector<std::string>& argv) override;

  private:
    X11Keyboard keyboard_;
};

} // namespace framework
