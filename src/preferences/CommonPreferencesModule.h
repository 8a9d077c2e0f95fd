#pragma once
// A generic store of "key = value" text files: reads a whole file into a
// map and answers typed questions about single keys, with fixed defaults.

#include "framework/FolderItem.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace keyhop::CommonPreferencesModule {

using Dictionary = std::unordered_map<std::string, std::string>;

// Made by the first load that opens a file, kept across later loads,
// released at exit.
extern std::unique_ptr<Dictionary> dictionary_;

// Adds the file's lines to the dictionary: lines that are empty or begin with
// "#" are skipped; the key is the text before the first "=", the value the
// text after it, both trimmed. A later line wins over an earlier one.
void loadFile(const std::optional<framework::FolderItem>& file);
// Whether the last loadFile opened its file and read it to its end.
bool isFileLoaded();

// True when the key has a value other than "".
bool isValueOfVariableDefined(const std::string& name);
// The key's value; "" when absent.
std::string getStringOfVariable(const std::string& name);
// True only for the value "True".
bool getBooleanOfVariable(const std::string& name);
// The key's value as a number; 0.0 when absent.
double getDoubleOfVariable(const std::string& name);
// "True" or "False", as getBooleanOfVariable reads it back.
std::string getStringFromBoolean(bool value);

} // namespace keyhop::CommonPreferencesModule
