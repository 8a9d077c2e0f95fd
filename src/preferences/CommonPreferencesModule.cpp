// The generic key/value store behind the preferences file.

#include "preferences/CommonPreferencesModule.h"

#include "framework/Text.h"

namespace keyhop::CommonPreferencesModule {

std::unique_ptr<Dictionary> dictionary_;

namespace {

bool isFileLoaded_ = false;

// The value of the key, or nil when there is no dictionary or no such key.
const std::string* valueOf(const std::string& name) {
    if (!dictionary_) {
        return nullptr;
    }
    const auto found = dictionary_->find(name);
    return found == dictionary_->end() ? nullptr : &found->second;
}

} // namespace

void loadFile(const std::optional<framework::FolderItem>& file) {
    isFileLoaded_ = false;
    if (!file || !file->Exists()) {
        return;
    }
    const auto stream = file->OpenAsTextFile();
    if (!stream) {
        return;
    }
    if (!dictionary_) {
        dictionary_ = std::make_unique<Dictionary>();
    }
    while (!stream->EndOfFile()) {
        const std::string line = stream->ReadLine();
        // Tested as read: blanks before a "#" make it an ordinary line.
        if (line.empty() || line.front() == '#') {
            continue;
        }
        // A line without "=" gives the empty key and the whole line as value.
        const int equals = framework::InStr(line, "=");
        (*dictionary_)[framework::Trim(framework::Left(line, equals - 1))] =
            framework::Trim(framework::Mid(line, equals + 1));
    }
    isFileLoaded_ = true;
    stream->Close();
}

bool isFileLoaded() {
    return isFileLoaded_;
}

bool isValueOfVariableDefined(const std::string& name) {
    const std::string* value = valueOf(name);
    return value != nullptr && !value->empty();
}

std::string getStringOfVariable(const std::string& name) {
    const std::string* value = valueOf(name);
    return value == nullptr ? std::string() : *value;
}

bool getBooleanOfVariable(const std::string& name) {
    const std::string* value = valueOf(name);
    return value != nullptr && *value == "True";
}

double getDoubleOfVariable(const std::string& name) {
    const std::string* value = valueOf(name);
    return value == nullptr ? 0.0 : framework::CDbl(*value);
}

std::string getStringFromBoolean(bool value) {
    return value ? "True" : "False";
}

} // namespace keyhop::CommonPreferencesModule
