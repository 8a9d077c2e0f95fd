#pragma once
// An item in the desktop's tray: an icon with a tool tip and a menu that a
// click opens.

#include <memory>
#include <string>

class QSystemTrayIcon;

namespace plugin {

class NSImageMBS;
class NSMenuMBS;

class NSStatusItemMBS final {
  public:
    // A new status item, not yet in the tray; nil when none can be made.
    static std::unique_ptr<NSStatusItemMBS> New();
    ~NSStatusItemMBS();
    NSStatusItemMBS(const NSStatusItemMBS&) = delete;
    NSStatusItemMBS& operator=(const NSStatusItemMBS&) = delete;

    // True when the desktop offers a tray.
    bool Available() const;
    // Puts the item into the tray; true when it is there.
    bool CreateMenu();
    void setToolTip(const std::string& text);
    // The tray host draws the item's highlight itself: no equivalent here,
    // the setting is accepted and has no effect.
    void setHighlightMode(bool highlight);
    void setImage(std::shared_ptr<NSImageMBS> image);
    // The menu a click opens; the previous one is let go whole.
    void setMenu(std::shared_ptr<NSMenuMBS> menu);

  private:
    explicit NSStatusItemMBS(std::unique_ptr<QSystemTrayIcon> icon);

    std::unique_ptr<QSystemTrayIcon> icon_;
    std::shared_ptr<NSImageMBS> image_;
    std::shared_ptr<NSMenuMBS> menu_;
};

} // namespace plugin
