#include "base/list_colors.h"

#include <gtest/gtest.h>

namespace klv {
namespace {

using R = ListColorRole;

ListColorRoles Roles(bool enabled, bool focused, bool selected, bool hot, bool disabledLook) {
    return ListItemColorRoles({enabled, focused, selected, hot, disabledLook});
}

TEST(ListItemColorRoles, EveryRowOfADisabledListSitsOnButtonFace) {
    for (int bits = 0; bits < 16; ++bits) {
        EXPECT_EQ(Roles(false, bits & 1, bits & 2, bits & 4, bits & 8),
                  (ListColorRoles{R::WindowText, R::ButtonFace}));
    }
}

TEST(ListItemColorRoles, HotAndSelectionFollowTheTable) {
    EXPECT_EQ(Roles(true, true, false, false, false), (ListColorRoles{R::WindowText, R::Window}));
    EXPECT_EQ(Roles(true, false, false, true, true), (ListColorRoles{R::HotBlue, R::Window}));
    EXPECT_EQ(Roles(true, true, true, false, false),
              (ListColorRoles{R::HighlightText, R::Highlight}));
    EXPECT_EQ(Roles(true, true, true, true, false), (ListColorRoles{R::HighlightText, R::HotBlue}));
    EXPECT_EQ(Roles(true, false, true, true, false), (ListColorRoles{R::WindowText, R::Window}));
    EXPECT_EQ(Roles(true, false, true, false, true),
              (ListColorRoles{R::WindowText, R::ButtonFace}));
}

}  // namespace
}  // namespace klv
