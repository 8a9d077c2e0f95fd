// The About window.

#include "windows/AboutWindow.h"

#include "app/App.h"
#include "app/MakerWebAddress.h"
#include "framework/Screen.h"
#include "framework/ShowURL.h"
#include "framework/StaticText.h"
#include "framework/System.h"
#include "plugin/ApplicationExtensions.h"
#include "plugin/WindowExtensions.h"
#include "windows/AboutWindowMetalPicture.h"

namespace keyhop {

namespace {

constexpr int fadePeriod = 50;
constexpr int waitPeriod = 5000;
constexpr int fadeStep = 10;
constexpr int invisible = 255;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t blue = 0x0000FF;

framework::WindowRecord record() {
    framework::WindowRecord record;
    record.width = record.minWidth = record.maxWidth = 300;
    record.height = record.minHeight = record.maxHeight = 100;
    record.frame = framework::WindowRecord::FramePlainBox;
    record.closeButton = false;
    record.minimizeButton = false;
    record.maximizeButton = false;
    record.resizeable = false;
    return record;
}

} // namespace

AboutWindow::AboutWindow()
    : Window(record()), FadeInTimer(fadePeriod, [this] { FadeInTimer_Action(); }),
      AboutTimer(waitPeriod, [this] { AboutTimer_Action(); }),
      FadeOutTimer(fadePeriod, [this] { FadeOutTimer_Action(); }) {
    setBackdrop(AboutWindowMetalPicture());
    CreateControls();
}

AboutWindow& AboutWindow::get() {
    return instance<AboutWindow>();
}

std::string AboutWindow::DevelopedStaticTextText() {
    return framework::System::GetLocalizedString("AboutWindow.DevelopedStaticTextText",
                                                 "Developed by \"Corvane Software\"");
}

framework::StaticText& AboutWindow::addLabel(const std::string& name, int top, int size,
                                             std::uint32_t color) {
    auto& label = addControl<framework::StaticText>(name);
    label.setBounds(10, top, 280, 20);
    label.setTextAlign(framework::StaticText::AlignCenter);
    label.setTextSize(size);
    label.setTextColor(color);
    return label;
}

void AboutWindow::CreateControls() {
    auto& name = addLabel("NameStaticText", 10, 12, black);
    name.setBold(true);
    name.Open = [this] { NameStaticText_Open(); };

    addLabel("DevelopedStaticText", 40, 12, black).setText(DevelopedStaticTextText());

    URLStaticText_ = &addLabel("URLStaticText", 70, 10, blue);
    URLStaticText_->setUnderline(true);
    URLStaticText_->setText(makerWebAddress);
    URLStaticText_->MouseEnter = [this] { URLStaticText_MouseEnter(); };
    URLStaticText_->MouseExit = [this] { URLStaticText_MouseExit(); };
    URLStaticText_->MouseDown = [this](int x, int y) { return URLStaticText_MouseDown(x, y); };

    FadeInTimer.setMode(framework::Timer::ModeMultiple);
}

void AboutWindow::NameStaticText_Open() {
    App& application = app();
    findControl<framework::StaticText>("NameStaticText")
        ->setText(plugin::ApplicationNameMBS(application) + " " + application.versionText());
}

void AboutWindow::URLStaticText_MouseEnter() {
    URLStaticText_->setMouseCursor(framework::FingerPointer);
}

void AboutWindow::URLStaticText_MouseExit() {
    URLStaticText_->setMouseCursor(framework::StandardPointer);
}

bool AboutWindow::URLStaticText_MouseDown(int, int) {
    framework::ShowURL(makerWebAddress);
    return true;
}

void AboutWindow::FadeInTimer_Action() {
    if (timerCounter_ >= 0) {
        plugin::SetTransparencyMBS(*this, timerCounter_);
        timerCounter_ -= fadeStep;
        return;
    }
    // The 0 is kept for the fade-out; the wait shows the last step, 5.
    FadeInTimer.setMode(framework::Timer::ModeOff);
    timerCounter_ = 0;
    AboutTimer.setMode(framework::Timer::ModeSingle);
}

void AboutWindow::AboutTimer_Action() {
    FadeOutTimer.setMode(framework::Timer::ModeMultiple);
}

void AboutWindow::FadeOutTimer_Action() {
    if (timerCounter_ <= invisible) {
        plugin::SetTransparencyMBS(*this, timerCounter_);
        timerCounter_ += fadeStep;
        return;
    }
    FadeOutTimer.setMode(framework::Timer::ModeOff);
    Close();
}

void AboutWindow::Event_Open() {
    const framework::Screen screen(0);
    // Integer division truncates toward zero, also on a screen narrower than the window.
    setLeft((screen.Width() - Width()) / 2);
    setTop((screen.Height() - Height()) / 2);
    timerCounter_ = invisible;
    plugin::SetTransparencyMBS(*this, invisible);
}

} // namespace keyhop
