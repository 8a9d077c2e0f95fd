// Keyhop's menu bar, built once at start-up.

#include "app/Menu.h"

#include "app/CommonMenuModule.h"

namespace keyhop {

namespace {

std::shared_ptr<Menu> instance;

// Sets the item's properties in their fixed order and appends it.
void appendItem(framework::MenuItem& parent, std::unique_ptr<framework::MenuItem> item,
                const std::string& name, bool autoEnable, const std::string& text,
                const std::string& keyboardShortcut) {
    item->setName(name);
    item->setAutoEnable(autoEnable);
    item->setText(text);
    item->setKeyboardShortcut(keyboardShortcut);
    parent.Append(std::move(item));
}

void appendItem(framework::MenuItem& parent, const std::string& name, bool autoEnable,
                const std::string& text, const std::string& keyboardShortcut) {
    appendItem(parent, std::make_unique<framework::MenuItem>(), name, autoEnable, text,
               keyboardShortcut);
}

} // namespace

std::shared_ptr<Menu> Menu::get() {
    if (!instance) {
        instance = std::make_shared<Menu>();
    }
    return instance;
}

void Menu::release() {
    instance.reset();
}

Menu::Menu() {
    buildEditMenu();
    buildHelpMenu();
}

void Menu::buildEditMenu() {
    appendItem(*this, "Edit", false, CommonMenuModule::EditText(), "");
    MenuItem& edit = *Child("Edit");
    appendItem(edit, "EditCut", true, CommonMenuModule::EditCutText(), "Cmd+X");
    appendItem(edit, "EditCopy", true, CommonMenuModule::EditCopyText(), "Cmd+C");
    appendItem(edit, "EditPaste", true, CommonMenuModule::EditPasteText(), "Cmd+V");
    appendItem(edit, "EditClear", true, CommonMenuModule::EditClearText(), "");
}

void Menu::buildHelpMenu() {
    appendItem(*this, "Help", false, CommonMenuModule::HelpText(), "");
    MenuItem& help = *Child("Help");
    appendItem(help, "HelpWebsite", true, CommonMenuModule::HelpWebsiteText(), "");
    appendItem(help, "HelpContact", true, CommonMenuModule::HelpContactText(), "");
    appendItem(help, "HelpDocumentation", true, CommonMenuModule::HelpDocumentationText(), "");
    appendItem(help, "HelpTranslate", true, CommonMenuModule::HelpTranslateText(), "");
    // The separator gets no keyboard shortcut at all.
    auto separator = std::make_unique<framework::MenuItem>();
    separator->setName("HelpSeparator");
    separator->setAutoEnable(false);
    separator->setText("-");
    help.Append(std::move(separator));
    appendItem(help, std::make_unique<framework::QuitMenuItem>(), "AppleQuit", false,
               CommonMenuModule::AppleQuitText(), "");
    appendItem(help, std::make_unique<framework::AppleMenuItem>(), "AppleAbout", true,
               CommonMenuModule::AppleAboutText(), "");
    appendItem(help, std::make_unique<framework::PrefsMenuItem>(), "ApplePreferences", true,
               CommonMenuModule::ApplePreferencesText(), "");
}

} // namespace keyhop
