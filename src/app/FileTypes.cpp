// The file type set.

#include "app/FileTypes.h"

namespace keyhop::FileTypes {

std::unique_ptr<framework::FileType> pAny;

void initialize() {
    pAny = std::make_unique<framework::FileType>();
    pAny->setName("Any");
    pAny->setExtensions("");
    pAny->setMacType("????");
    pAny->setMacCreator("????");
    pAny->toText();
}

std::string All() {
    return "Any;";
}

} // namespace keyhop::FileTypes
