#pragma once
// The file types the file dialogs are filtered by: one type, "Any", that
// admits every file.

#include "framework/FileType.h"

#include <memory>
#include <string>

namespace keyhop::FileTypes {

// Made and registered at start-up, released at exit.
extern std::unique_ptr<framework::FileType> pAny;

void initialize();

// The filter text naming every type of the set.
std::string All();

} // namespace keyhop::FileTypes
