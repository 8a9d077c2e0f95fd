#pragma once
// The About window: Keyhop's name and version, the developer and the maker's
// web address on a metal panel that fades in, stays five seconds, fades out
// and closes itself.

#include "framework/Window.h"
#include "windows/WindowTimer.h"

#include <cstdint>
#include <string>

namespace framework {
class StaticText;
}

namespace keyhop {

class AboutWindow final : public framework::Window {
  public:
    // The window that exists now, or a new one, built hidden and fully
    // transparent; its fade-in runs from then on.
    static AboutWindow& get();

    static std::string DevelopedStaticTextText();

    void NameStaticText_Open();
    void URLStaticText_MouseEnter();
    void URLStaticText_MouseExit();
    bool URLStaticText_MouseDown(int x, int y);
    void FadeInTimer_Action();
    void AboutTimer_Action();
    void FadeOutTimer_Action();
    void Event_Open() override;

    // At most one of them runs at a time: each hands over to the next.
    WindowTimer FadeInTimer;
    WindowTimer AboutTimer;
    WindowTimer FadeOutTimer;

  private:
    friend class framework::Window;
    AboutWindow();

    void CreateControls();
    // A centred single line across the window, in the desktop's font.
    framework::StaticText& addLabel(const std::string& name, int top, int size,
                                    std::uint32_t color);

    // The transparency the fades apply next: 0 opaque, 255 invisible.
    std::int32_t timerCounter_ = 0;
    framework::StaticText* URLStaticText_ = nullptr;
};

} // namespace keyhop
