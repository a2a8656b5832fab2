#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "reference/coat_base_list.h"
#include "reference/coating_table.h"
#include "reference/condition_copy.h"
#include "reference/free_name_rule.h"
#include "reference/solution_combination_table.h"
#include "reference/solution_groups.h"
#include "reference/substance_table.h"

namespace klv {
namespace {

std::vector<int> Codes(const std::vector<CoatBaseButton>& buttons) {
    std::vector<int> codes;
    for (const CoatBaseButton& b : buttons)
        codes.push_back(b.code);
    return codes;
}

TEST(CoatBaseButtons, CoatingsInDisplayOrderWithTheFreeNameLast) {
    auto buttons = CoatBaseButtons(CoatBaseKind::Coating);
    EXPECT_EQ(Codes(buttons), (std::vector<int>{3,  4, 16, 17, 14, 13, 5, 15, 1,  9,
                                                19, 2, 11, 12, 7,  8,  6, 10, 18, 20}));
    EXPECT_EQ(buttons.front().caption, "Cr Chrome");
    EXPECT_EQ(buttons.front().shortName, "Cr");
    EXPECT_EQ(buttons[3].caption, "NiP Electroless Nickel");
    EXPECT_TRUE(buttons.back().freeName);
    EXPECT_EQ(buttons.back().caption, "Input a Free name ");
    EXPECT_EQ(FreeNameCode(CoatBaseKind::Coating), 20);
}

TEST(CoatBaseButtons, BasesInDisplayOrderWithTheFreeNameLast) {
    auto buttons = CoatBaseButtons(CoatBaseKind::Base);
    EXPECT_EQ(Codes(buttons),
              (std::vector<int>{1,  34, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                13, 14, 28, 15, 16, 17, 18, 19, 20, 21, 22, 23, 33}));
    EXPECT_EQ(buttons[1].caption, "PL Non-metal");
    EXPECT_EQ(buttons[15].caption, "Zn Zinc");
    EXPECT_EQ(buttons.back().caption, "Input a Free name ");
    EXPECT_EQ(FreeNameCode(CoatBaseKind::Base), 33);
    for (std::size_t i = 0; i + 1 < buttons.size(); ++i)
        EXPECT_FALSE(buttons[i].freeName) << i;
}

TEST(FreeNameRule, RefusesBlankTooLongStandardAndSymbolNames) {
    const std::string blank(kMsgBlankName), standard(kMsgStandardName), symbols(kMsgSymbolsInName);
    EXPECT_EQ(blank, "Blank name of substance can't be set.");
    EXPECT_EQ(CheckFreeName("", CoatBaseKind::Coating), blank);
    EXPECT_EQ(CheckFreeName("Abcdefg", CoatBaseKind::Coating), blank);
    EXPECT_EQ(CheckFreeName("Cu", CoatBaseKind::Coating), standard);
    EXPECT_EQ(CheckFreeName("Zn-Sn", CoatBaseKind::Coating), standard);
    EXPECT_EQ(CheckFreeName("PL", CoatBaseKind::Base), standard);
    EXPECT_EQ(CheckFreeName("a-b", CoatBaseKind::Coating), symbols);
    EXPECT_EQ(CheckFreeName("Zn-Sn", CoatBaseKind::Base), symbols);
    EXPECT_EQ(CheckFreeName("a b", CoatBaseKind::Base), symbols);
    EXPECT_EQ(CheckFreeName("x\xD7y", CoatBaseKind::Base), symbols);  // multiplication sign
    EXPECT_EQ(CheckFreeName("?", CoatBaseKind::Base), symbols);       // what the codec cannot carry
    for (const char* control : {"Ni\tP", "Ni\r", "\nNi", "N\x7Fi"})
        EXPECT_EQ(CheckFreeName(control, CoatBaseKind::Coating), symbols) << control;
}

TEST(FreeNameRule, AcceptsLettersDigitsAndNationalLettersOfOtherNames) {
    EXPECT_EQ(CheckFreeName("cu", CoatBaseKind::Coating), "");  // case-sensitive
    EXPECT_EQ(CheckFreeName("Cr", CoatBaseKind::Base), "");     // chrome is not offered as base
    EXPECT_EQ(CheckFreeName("Ab12Z9", CoatBaseKind::Coating), "");
    EXPECT_EQ(CheckFreeName("\xC4\xF6\x8A", CoatBaseKind::Base), "");  // Ä ö Š
}

TEST(FreeNameRule, EveryEdgeOfTheLetterAndDigitRangesCounts) {
    // The first and last character of each accepted range, and the neighbours outside it.
    for (const char* name : {"0", "9", "A", "Z", "a", "z", "\xC0", "\xFF", "\x8A", "\x9F"})
        EXPECT_EQ(CheckFreeName(name, CoatBaseKind::Base), "") << name;
    for (const char* name : {"/", ":", "@", "[", "`", "{", "\xBF", "\xF7", "\x8B", "\xA0"})
        EXPECT_EQ(CheckFreeName(name, CoatBaseKind::Base), kMsgSymbolsInName) << name;
}

TEST(FreeNameRule, TrimsOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks("  Ab c "), "Ab c");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("x"), "x");
}

TEST(SolutionGroups, RequestedCoatingFirstWithTheBaseFirst) {
    auto groups = GroupSolutionRows(kCoatTin, 5);
    ASSERT_GE(groups.size(), 3u);
    EXPECT_EQ(groups[0].coating, kCoatTin);
    EXPECT_EQ(groups[0].solution, 4);  // E-24; tin on copper (E-24/26) is not listed
    EXPECT_EQ(groups[0].bases, "Ni,Fe,PL,BRS,NS,Cd");
    EXPECT_EQ(groups[1].coating, kCoatTin);
    EXPECT_EQ(groups[1].solution, 7);
    EXPECT_EQ(groups[1].bases, "Al");
    EXPECT_EQ(groups[2].coating, kCoatBrass);
    EXPECT_EQ(groups[2].bases, "Fe,PL,Al");
}

TEST(SolutionGroups, EveryListedRowOnceInCoatingAndSolutionOrder) {
    auto groups = GroupSolutionRows(0, 0);
    std::size_t listed = 0;
    for (const auto& row : SolutionCombinationTable)
        listed += row.listed ? 1 : 0;
    std::size_t names = 0;
    std::set<std::pair<int, int>> keys;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        names += 1 + static_cast<std::size_t>(
                         std::count(groups[i].bases.begin(), groups[i].bases.end(), ','));
        EXPECT_TRUE(keys.insert({groups[i].coating, groups[i].solution}).second);
        if (i > 0) {
            EXPECT_LT(std::make_pair(groups[i - 1].coating, groups[i - 1].solution),
                      std::make_pair(groups[i].coating, groups[i].solution));
        }
    }
    EXPECT_EQ(names, listed);
    // Chrome on zinc: "ZnD" is not listed, so the E-34 group holds zinc alone.
    for (const SolutionGroup& g : groups) {
        if (g.coating == kCoatChrome && g.solution == 14) {
            EXPECT_EQ(g.bases, "Zn");
        }
    }
}

TEST(SolutionGroups, RequestedGroupsAreNotRepeated) {
    auto groups = GroupSolutionRows(kCoatCopper, 0);
    EXPECT_EQ(groups[0].coating, kCoatCopper);
    EXPECT_EQ(groups[1].coating, kCoatCopper);
    for (std::size_t i = 2; i < groups.size(); ++i)
        EXPECT_NE(groups[i].coating, kCoatCopper);
}

class CopyItems : public ::testing::Test {
protected:
    MeasFileData source{}, target{};
    void SetUp() override {
        std::memset(&source, 0x11, sizeof source);
        std::memset(&target, 0x22, sizeof target);
    }
    // Whether bytes [first, last) of the target came from the source, or kept their own.
    bool Copied(std::size_t first, std::size_t last) const { return AllBytes(first, last, 0x11); }
    bool Kept(std::size_t first, std::size_t last) const { return AllBytes(first, last, 0x22); }

private:
    bool AllBytes(std::size_t first, std::size_t last, unsigned char value) const {
        const auto* t = reinterpret_cast<const unsigned char*>(&target);
        return std::all_of(t + first, t + last, [value](unsigned char b) { return b == value; });
    }
};

TEST_F(CopyItems, AllCopiesEverythingButTheRecordCountAndDates) {
    CopyConditionItems(source, kCopyAll, target);
    EXPECT_TRUE(Copied(0, 416));
    EXPECT_TRUE(Kept(416, 460));
    EXPECT_TRUE(Copied(460, 560));
}

TEST_F(CopyItems, EachItemItsOwnBytes) {
    struct Item {
        unsigned bit;
        std::size_t first, last;
    };
    const Item items[] = {{kCopyFileName, 0, 80},      {kCopyCondition, 80, 336},
                          {kCopyStatistics, 336, 416}, {kCopyCustomer, 460, 509},
                          {kCopyGoods, 509, 534},      {kCopyLotNo, 534, 547},
                          {kCopyTester, 547, 560}};
    for (const Item& item : items) {
        std::memset(&target, 0x22, sizeof target);
        CopyConditionItems(source, item.bit, target);
        EXPECT_TRUE(Copied(item.first, item.last)) << item.bit;
        EXPECT_TRUE(Kept(0, item.first)) << item.bit;
        EXPECT_TRUE(Kept(item.last, sizeof target)) << item.bit;
    }
}

TEST_F(CopyItems, NothingChosenChangesNothing) {
    CopyConditionItems(source, 0, target);
    EXPECT_TRUE(Kept(0, sizeof target));
}

}  // namespace
}  // namespace klv
