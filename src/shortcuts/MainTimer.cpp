// The key watcher and the launcher.

#include "shortcuts/MainTimer.h"

#include "app/App.h"
#include "framework/FolderItem.h"
#include "framework/Keyboard.h"
#include "framework/System.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "preferences/PreferencesModule.h"
#include "windows/MainWindow.h"

namespace keyhop {

namespace {

struct FunctionKey {
    const char* name;
    std::int32_t code;
};

// Mac virtual key codes; the index is also the order of the poll.
constexpr std::array<FunctionKey, 19> keyTable{{
    {"F1", 122},  {"F2", 120},  {"F3", 99},   {"F4", 118},  {"F5", 96},
    {"F6", 97},   {"F7", 98},   {"F8", 100},  {"F9", 101},  {"F10", 109},
    {"F11", 103}, {"F12", 111}, {"F13", 105}, {"F14", 107}, {"F15", 113},
    {"F16", 106}, {"F17", 64},  {"F18", 79},  {"F19", 80},
}};

std::string flag(bool down) {
    return down ? "X" : "";
}

} // namespace

MainTimer::MainTimer() {
    for (std::size_t i = 0; i < functionKeyCount; ++i) {
        functionKeysList_[i] = keyTable[i].name;
        functionKeycodesList_[i] = keyTable[i].code;
    }
    setPeriod(10);
    // The poll acts on the keyboard's state alone.
    setActsOnlyOnKeyboard(true);
    setMode(ModeMultiple);
}

void MainTimer::Event_Action() {
    bool anyDown = false;
    for (std::size_t i = 0; i < functionKeycodesList_.size(); ++i) {
        if (!framework::Keyboard::AsyncKeyDown(functionKeycodesList_[i])) {
            continue;
        }
        const std::string key = functionKeysList_[i];
        const std::string shift = flag(framework::Keyboard::AsyncShiftKey());
        const std::string control = flag(framework::Keyboard::AsyncControlKey());
        const std::string option = flag(framework::Keyboard::AsyncOptionKey());
        const std::string command = flag(framework::Keyboard::AsyncCommandKey());
        anyDown = true;
        if (!wasFunctionKeyPressed_) {
            processAction(key, shift, control, option, command);
            wasFunctionKeyPressed_ = true;
        }
    }
    wasFunctionKeyPressed_ = anyDown;
}

void MainTimer::processAction(const std::string& functionKey, const std::string& shift,
                              const std::string& control, const std::string& option,
                              const std::string& command) {
    // The table is looked up again at every pass: the list window may
    // replace it while a message box is open.
    for (int i = 0; i <= PreferencesModule::shortcutsList->lastRow(); ++i) {
        const ShortcutTable& table = *PreferencesModule::shortcutsList;
        if (table.cell(i, 0) != functionKey || table.cell(i, 1) != shift ||
            table.cell(i, 2) != control || table.cell(i, 3) != option ||
            table.cell(i, 4) != command) {
            continue;
        }
        const std::string path = table.cell(i, 6);
        const auto item = framework::GetFolderItem(path, 0);
        if (item && item->Exists()) {
            item->Launch(true);
            continue;
        }
        app().displayMessage(framework::Replace(FileNotFoundMessage(), "%FILEABSOLUTEPATH%", path));
        MainWindow::get().showAndSelectRowWithAbsolutePath(path);
        plugin::setFrontmostMBS(app(), true);
    }
}

std::string MainTimer::FileNotFoundMessage() {
    return framework::System::GetLocalizedString(
        "MainTimer.FileNotFoundMessage", "The file \"%FILEABSOLUTEPATH%\" could not be found.");
}

} // namespace keyhop
