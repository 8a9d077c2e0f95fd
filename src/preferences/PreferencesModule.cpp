// The shortcut table, the settings and the preferences file.

#include "preferences/PreferencesModule.h"

#include "app/App.h"
#include "framework/FolderItem.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "preferences/CommonPreferencesModule.h"
#include "windows/MainWindow.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace keyhop::PreferencesModule {

std::unique_ptr<ShortcutTable> shortcutsList;

std::int32_t mainWindowLeft = -1;
std::int32_t mainWindowTop = -1;
std::int32_t mainWindowWidth = -1;
std::int32_t mainWindowHeight = -1;
bool checkForUpdate = false;
bool resetPreferences = false;

namespace {

namespace Store = CommonPreferencesModule;

const std::string folderMissingMessage = "The \"Preferences\" folder does not exist.";
const std::string fileMissingMessage = "The preferences file does not exist.";
const std::string fileNotCreatedMessage = "The preferences file could not be created.";

// The path of a file that was there at launch but could not be read: the
// user's shortcuts are in it, so quit must not put the defaults over it.
std::string unreadFile;

// The file's key of each column of a row, followed by the row number.
constexpr std::array<const char*, ShortcutTable::columnCount> rowKeys{
    "FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY",      "OPTIONKEY",
    "COMMANDKEY",  "FILENAME", "FILEABSOLUTEPATH"};

std::string applicationName() {
    return plugin::ApplicationNameMBS(app());
}

// Whole numbers only: a fraction is cut off, values past the 32-bit range
// are held at its ends.
std::int32_t toInt32(double value) {
    using Limits = std::numeric_limits<std::int32_t>;
    const double whole = std::trunc(value);
    if (whole <= static_cast<double>(Limits::min())) {
        return Limits::min();
    }
    if (whole >= static_cast<double>(Limits::max())) {
        return Limits::max();
    }
    return static_cast<std::int32_t>(whole);
}

std::int32_t storedGeometry(const std::string& key) {
    return Store::isValueOfVariableDefined(key) ? toInt32(Store::getDoubleOfVariable(key)) : -1;
}

std::string line(const std::string& key, const std::string& value) {
    return key + " = " + value;
}

} // namespace

void loadPreferences() {
    unreadFile.clear();
    if (const auto folder = framework::PreferencesFolder()) {
        const auto file = folder->Child(applicationName());
        Store::loadFile(file);
        if (file && !Store::isFileLoaded() && file->Exists()) {
            unreadFile = file->AbsolutePath();
        }
    } else {
        app().displayMessage(folderMissingMessage);
    }

    mainWindowLeft = storedGeometry("MAINWINDOWLEFT");
    mainWindowTop = storedGeometry("MAINWINDOWTOP");
    mainWindowWidth = storedGeometry("MAINWINDOWWIDTH");
    mainWindowHeight = storedGeometry("MAINWINDOWHEIGHT");

    // Rows end at the first one without a function key.
    for (int row = 0; Store::isValueOfVariableDefined(rowKeys[0] + framework::Str(row)); ++row) {
        shortcutsList->resize(row);
        for (int column = 0; column < ShortcutTable::columnCount; ++column) {
            shortcutsList->cell(row, column) = Store::getStringOfVariable(
                rowKeys[static_cast<std::size_t>(column)] + framework::Str(row));
        }
    }

    checkForUpdate = Store::isValueOfVariableDefined("CHECKFORUPDATE") &&
                     Store::getBooleanOfVariable("CHECKFORUPDATE");

    if (!Store::isFileLoaded()) {
        MainWindow::get().Show();
        plugin::setFrontmostMBS(app(), true);
    }
}

void savePreferences() {
    const auto folder = framework::PreferencesFolder();
    if (!folder) {
        app().displayMessage(folderMissingMessage);
        return;
    }
    auto file = folder->Child(applicationName());
    if (!file) {
        app().displayMessage(fileMissingMessage);
        return;
    }
    if (file->AbsolutePath() == unreadFile) {
        app().displayMessage(fileNotCreatedMessage);
        return;
    }
    const auto stream = file->CreateTextFile();
    file->setMacType("pref");
    file->setMacCreator(plugin::ApplicationCreatorCodeMBS(app()));
    if (!stream) {
        app().displayMessage(fileNotCreatedMessage);
        return;
    }

    if (!resetPreferences) {
        stream->WriteLine(line("APPLICATIONNAME", applicationName()));
        stream->WriteLine(line("APPLICATIONVERSION", app().versionText()));
        stream->WriteLine(line("MAINWINDOWLEFT", framework::Str(mainWindowLeft)));
        stream->WriteLine(line("MAINWINDOWTOP", framework::Str(mainWindowTop)));
        stream->WriteLine(line("MAINWINDOWWIDTH", framework::Str(mainWindowWidth)));
        stream->WriteLine(line("MAINWINDOWHEIGHT", framework::Str(mainWindowHeight)));
        for (int row = 0; row <= shortcutsList->lastRow(); ++row) {
            for (int column = 0; column < ShortcutTable::columnCount; ++column) {
                stream->WriteLine(
                    line(rowKeys[static_cast<std::size_t>(column)] + framework::Str(row),
                         shortcutsList->cell(row, column)));
            }
        }
        stream->WriteLine(line("CHECKFORUPDATE", Store::getStringFromBoolean(checkForUpdate)));
    }

    stream->Flush();
    // A failed write, flush or replacement leaves the earlier file as it was.
    if (!stream->Close()) {
        app().displayMessage(fileNotCreatedMessage);
    }
}

} // namespace keyhop::PreferencesModule
