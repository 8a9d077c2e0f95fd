// The application object.

#include "app/App.h"

#include "app/CommonMenuModule.h"
#include "app/IconPicture.h"
#include "app/MakerWebAddress.h"
#include "app/MenuModule.h"
#include "app/NSMenuItem.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"
#include "framework/Picture.h"
#include "framework/RuntimeException.h"
#include "framework/ShowURL.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "plugin/CFStringMBS.h"
#include "plugin/NSImageMBS.h"
#include "plugin/NSMenuMBS.h"
#include "preferences/PreferencesModule.h"
#include "update/CheckForUpdateModule.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <algorithm>
#include <vector>

namespace keyhop {

namespace {

constexpr int iconSide = 18;
constexpr int iconDepth = 32;

constexpr int aboutTag = NSMenuItem::aboutTag;
constexpr int preferencesTag = NSMenuItem::preferencesTag;
constexpr int quitTag = NSMenuItem::quitTag;
constexpr int headingTag = NSMenuItem::headingTag;
constexpr int firstShortcutTag = NSMenuItem::firstShortcutTag;

// The shortcut table's column with the display name of the item.
constexpr int nameColumn = 5;

std::string makerPage(const std::string& path) {
    return makerWebAddress + path;
}

} // namespace

App::~App() {
    nSStatusItem_.reset();
    nSMenuItem_.clear();
    mainTimer_.reset();
}

void App::Event_Open() {
    PreferencesModule::loadPreferences();
    createStatusItem();
    CheckForUpdateModule::checkForUpdate();
    mainTimer_ = std::make_unique<MainTimer>();
}

void App::Event_Close() {
    PreferencesModule::savePreferences();
}

bool App::Event_HandleAppleEvent(const framework::AppleEvent&, const std::string& eventClass,
                                 const std::string& eventID) {
    if (eventClass == "aevt" && eventID == "quit") {
        quitApplication();
        return true;
    }
    return false;
}

bool App::Event_UnhandledException(const framework::RuntimeException* error) {
    std::vector<std::string> lines{"Unhandled exception"};
    if (error != nullptr) {
        lines.push_back("Number: " + framework::Str(error->ErrorNumber()));
        if (!error->Message().empty()) {
            lines.push_back("Message: " + error->Message());
        }
        const auto& stack = error->Stack();
        const int lastShown = std::min(3, static_cast<int>(stack.size()) - 1);
        for (int i = 0; i <= lastShown; ++i) {
            lines.push_back((i == 0 ? "Stack: " : "- ") + stack[static_cast<std::size_t>(i)]);
        }
    }
    std::string report = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        report += framework::EndOfLine() + lines[i];
    }
    displayMessage(report);
    return true;
}

void App::displayMessage(const std::string& text) {
    plugin::setFrontmostMBS(*this, true);
    framework::Beep();
    framework::MsgBox(text);
}

void App::quitApplication() {
    Quit(0);
}

std::string App::versionText() const {
    return framework::Str(MajorVersion()) + "." + framework::Str(MinorVersion());
}

void App::failAndQuit(const std::string& message) {
    displayMessage(message);
    quitApplication();
}

bool App::HelpDocumentation_Action() {
    framework::ShowURL(makerPage("/contents.php"));
    return true;
}

bool App::HelpTranslate_Action() {
    framework::ShowURL(makerPage("/translate.php"));
    return true;
}

bool App::AppleAbout_Action() {
    AboutWindow::get().Show();
    return true;
}

bool App::AppleQuit_Action() {
    quitApplication();
    return true;
}

bool App::ApplePreferences_Action() {
    MainWindow::get().Show();
    return true;
}

bool App::HelpContact_Action() {
    framework::ShowURL(makerPage("/contacts.php"));
    return true;
}

bool App::HelpWebsite_Action() {
    framework::ShowURL(makerPage(""));
    return true;
}

void App::createStatusItem() {
    nSStatusItem_ = plugin::NSStatusItemMBS::New();
    if (!nSStatusItem_) {
        failAndQuit("The NS status item could not be created.");
        return;
    }
    if (!nSStatusItem_->Available()) {
        failAndQuit("The NS status item is not available.");
        return;
    }
    if (!nSStatusItem_->CreateMenu()) {
        failAndQuit("The NS status item menu could not be created.");
        return;
    }
    const std::string toolTip = plugin::ApplicationNameMBS(*this) + " " + versionText();
    nSStatusItem_->setToolTip(static_cast<std::string>(plugin::NewCFStringMBS(toolTip)));
    nSStatusItem_->setHighlightMode(true);
    if (const auto icon = framework::Picture::New(iconSide, iconSide, iconDepth)) {
        icon->Graphics().DrawPicture(IconPicture().get(), 0, 0);
        nSStatusItem_->setImage(std::make_shared<plugin::NSImageMBS>(*icon));
    }
    updateStatusItem();
}

void App::updateStatusItem() {
    const ShortcutTable& shortcuts = *PreferencesModule::shortcutsList;
    nSMenuItem_.resize(static_cast<std::size_t>(shortcuts.lastRow() + firstShortcutTag + 1));

    // The menu object itself cannot be missing; only its native menu can.
    const auto menu = std::make_shared<plugin::NSMenuMBS>("");
    if (!menu->CreateMenu("")) {
        failAndQuit("The NS menu could not be created.");
        return;
    }
    const auto newEntry = [this](int tag) {
        auto& slot = nSMenuItem_.at(static_cast<std::size_t>(tag));
        slot = plugin::NSMenuItemMBS::New<NSMenuItem>();
        if (!slot) {
            failAndQuit("The NS menu item could not be created.");
        }
        return slot;
    };
    const auto addEntry = [&menu](const std::shared_ptr<NSMenuItem>& entry,
                                  const std::string& title, bool enabled, int tag) {
        entry->CreateMenuItem(title, "");
        entry->setEnabled(enabled);
        entry->setTag(tag);
        menu->addItem(entry);
    };

    for (int k = 0; k < firstShortcutTag; ++k) {
        const auto entry = newEntry(k);
        if (!entry) {
            return;
        }
        switch (k) {
        case aboutTag:
            addEntry(entry, CommonMenuModule::AppleAboutText(), true, k);
            break;
        case preferencesTag:
            addEntry(entry, CommonMenuModule::ApplePreferencesText(), true, k);
            break;
        case quitTag:
            addEntry(entry, CommonMenuModule::AppleQuitText(), true, k);
            break;
        case headingTag:
            addEntry(entry, MenuModule::ShortcutsMessage(), false, k);
            break;
        default:
            entry->CreateSeparator();
            menu->addItem(entry);
            break;
        }
    }
    for (int r = 0; r <= shortcuts.lastRow(); ++r) {
        const auto entry = newEntry(r + firstShortcutTag);
        if (!entry) {
            return;
        }
        addEntry(entry, shortcuts.cell(r, nameColumn), true, r + firstShortcutTag);
    }
    // Nothing to show the menu on when the status item could not be made.
    if (nSStatusItem_) {
        nSStatusItem_->setMenu(menu);
    }
}

void App::processAction(const std::string& functionKey, const std::string& shift,
                        const std::string& control, const std::string& option,
                        const std::string& command) {
    if (mainTimer_) {
        mainTimer_->processAction(functionKey, shift, control, option, command);
    }
}

App& app() {
    return static_cast<App&>(*framework::Application::current());
}

} // namespace keyhop
