// The one file type, "Any", and its filter text.

#include "app/FileTypes.h"

#include <gtest/gtest.h>

namespace {

namespace FileTypes = keyhop::FileTypes;

TEST(FileTypes, AnyIsRegisteredWithItsFieldsAndTheFilterIsConstant) {
    EXPECT_EQ(FileTypes::All(), "Any;");
    FileTypes::initialize();
    ASSERT_TRUE(FileTypes::pAny);
    EXPECT_EQ(FileTypes::pAny->Name(), "Any");
    EXPECT_EQ(FileTypes::pAny->Extensions(), "");
    EXPECT_TRUE(FileTypes::pAny->isRegistered());
    EXPECT_EQ(framework::FileType::registeredTypes().size(), 1U);
    EXPECT_EQ(FileTypes::All(), "Any;");

    FileTypes::pAny.reset();
    EXPECT_TRUE(framework::FileType::registeredTypes().empty());
    EXPECT_EQ(FileTypes::All(), "Any;");
}

} // namespace
