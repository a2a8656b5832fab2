// Texts of condition files that another program wrote.
#include <gtest/gtest.h>

#include <string>

#include "base/fixed_text.h"
#include "reference/condition_checks.h"
#include "reference/condition_store.h"
#include "reference/condition_store_test_support.h"

namespace klv {
namespace {

TEST(ReadConditionFile, ControlCharactersOfStoredTextsReadAsBlanks) {
    test::StoreFixture f;
    MeasFileData d = test::MakeCondition(2);
    SetFixedText(d.szFileName, "Line\r\nbreak");
    SetFixedText(d.szCustomer, "A\tB");
    SetFixedText(d.coat[1].Name, "C\x7Fu");
    SetFixedText(d.baseName, "\033Fe");
    test::WriteTestFile(f.store.MakeConditionFileName(0),
                        std::string(reinterpret_cast<const char*>(&d), sizeof d));
    MeasFileData read;
    ASSERT_TRUE(f.store.ReadConditionFile(0, read, true));
    EXPECT_EQ(GetFixedText(read.szFileName), "Line  break");
    EXPECT_EQ(GetFixedText(read.szCustomer), "A B");
    EXPECT_EQ(GetFixedText(read.coat[1].Name), "C u");
    EXPECT_EQ(GetFixedText(read.baseName), " Fe");
    EXPECT_TRUE(CheckConditionBeforeSave(read).ok());
}

}  // namespace
}  // namespace klv
