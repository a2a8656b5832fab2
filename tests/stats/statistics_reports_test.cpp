#include "stats/statistics_reports.h"

#include <gtest/gtest.h>

#include <functional>

#include "stats/calc_statistics.h"
#include "stats_test_support.h"

namespace klv {
namespace {

using test::Measured;

constexpr ReportMetrics kM{10, 20};
constexpr PrintRect kArea{100, 50, 900, 2000};

// The page's texts as lines: texts on one y joined by " | " in x order.
std::vector<std::string> Lines(const ReportPage& page) {
    std::vector<ReportText> texts = page.Texts();
    // Not stable_sort: its buffer comes from the nothrow new this test program leaves alone.
    std::sort(texts.begin(), texts.end(), [](const ReportText& a, const ReportText& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    std::vector<std::string> lines;
    int y = -1;
    for (const ReportText& t : texts) {
        if (t.title)
            continue;
        if (t.y != y)
            lines.push_back(t.text);
        else
            lines.back() += " | " + t.text;
        y = t.y;
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct Report : ::testing::Test {
    MeasFileData d = test::NickelCopper();
    SenderRecord sender;
    std::vector<MsrLogRecord> stored;
    std::function<bool(std::uint32_t)> due;

    // Data n on day n, first layer n µm, second 10 + n.
    void Store(int count, int layers) {
        for (int n = 1; n <= count; ++n)
            for (int k = 0; k < layers; ++k)
                stored.push_back(Measured(static_cast<float>(10 * k + n), PackDate(2026, 2, n)));
        d.nItemCt = static_cast<std::uint32_t>(stored.size());
    }
    // The first page's texts with their places.
    std::vector<ReportText> FirstPage(std::uint16_t items, PrintRange range) {
        d.wPrintItems = items;
        const ReportChannel ch{d, 0, nullptr, sender};
        CMeasDataReport report(ch, stored, range, CalcRangeStatistics(d, stored, range), {12, 30});
        ReportPage page(kM);
        int used = 0;
        report.PrintPage(page, kArea, used);
        return page.Texts();
    }
    std::vector<std::vector<std::string>> Print(std::uint16_t items, PrintRange range,
                                                int bottom = kArea.bottom) {
        d.wPrintItems = items;
        const ReportChannel ch{d, 0, nullptr, sender};
        const StatisticsResult r = CalcRangeStatistics(d, stored, range);
        CMeasDataReport report(ch, stored, range, r, {12, 30});
        report.SetDueCalibration(due);
        std::vector<std::vector<std::string>> pages;
        PrintRect area = kArea;
        area.bottom = bottom;
        for (bool more = true; more && pages.size() < 20;) {
            ReportPage page(kM);
            int used = 0;
            more = report.PrintPage(page, area, used);
            pages.push_back(Lines(page));
        }
        return pages;
    }
};

TEST_F(Report, RangeLineDatesAndVolumeCoverOnlyTheRange) {
    Store(9, 2);
    d.bPrintLineMode = 1;
    const auto pages = Print(kPrintDate | kPrintRange | kPrintStatVolume, {3, 7});
    ASSERT_EQ(pages.size(), 1u);
    const auto& lines = pages[0];
    EXPECT_TRUE(Contains(lines, "Measurement date | 2026/02/03--2026/02/07"));
    EXPECT_TRUE(Contains(lines, "Data number (Range)    5 ( 3--7 )"));
    // Total of the first layer over data 3 to 7: 3 + 4 + 5 + 6 + 7.
    const auto total = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("Total[um]", 0) == 0;
    });
    ASSERT_NE(total, lines.end());
    EXPECT_EQ(*total, "Total[um] |   25.0 |   75.0");
}

TEST_F(Report, FiveDataLinesOfASingleLayer) {
    d = test::Condition({test::Layer(5, "Cu")});
    Store(12, 1);
    d.bPrintLineMode = 5;
    const auto pages = Print(kPrintMeasData, {1, 12});
    ASSERT_EQ(pages.size(), 1u);
    const auto& lines = pages[0];
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Measure File | 1 : Test");
    EXPECT_EQ(lines[1], "   1 |    1.0 |    2.0 |    3.0 |    4.0 |    5.0 | um");
    EXPECT_EQ(lines[2].substr(0, 4), "   6");
    EXPECT_EQ(lines[3], "  11 |   11.0 |   12.0 | um");
}

TEST_F(Report, DataMeasuredWithADueCalibrationAreMarkedOnALineOfTheirOwn) {
    due = [](std::uint32_t n) { return n == 2 || n == 4 || n == 5; };
    Store(5, 2);
    d.bPrintLineMode = 1;
    const auto lines = Print(kPrintMeasData, {1, 5}).at(0);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "   2 |    2.0 |   12.0 | um") << "the columns stay";
    EXPECT_EQ(lines[4], "calibration overdue");
    EXPECT_EQ(lines[5].substr(0, 4), "   3");
    EXPECT_EQ(lines[9], "calibration overdue");

    d = test::Condition({test::Layer(5, "Cu")});
    stored.clear();
    Store(12, 1);
    d.bPrintLineMode = 5;
    const auto five = Print(kPrintMeasData, {1, 12}).at(0);
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[1], "   1 |    1.0 |    2.0 |    3.0 |    4.0 |    5.0 | um");
    EXPECT_EQ(five[2], "calibration overdue: 2 4 5");
    EXPECT_EQ(five[3].substr(0, 4), "   6");
}

TEST_F(Report, DataLinesGoOnOnTheNextPage) {
    Store(30, 2);
    d.bPrintLineMode = 1;
    // Room for the (empty) title, the file line, the column header and 10 lines.
    const auto pages = Print(kPrintMeasData, {1, 30}, kArea.top + 55 + 25 + 30 + 10 * 25);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages[0][1], "Ni | Cu |    Fe");
    EXPECT_EQ(pages[0][2], "   1 |    1.0 |   11.0 | um");
    EXPECT_EQ(pages[1][0].substr(0, 4), "  11");
    EXPECT_EQ(pages.back().back().substr(0, 4), "  30");
}

TEST_F(Report, TheTopGoesOnOverPagesAndLosesNoLine) {
    Store(4, 2);
    d.bPrintLineMode = 1;
    d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
    d.limits[0] = {{}, 5.0f, 1.0f};
    d.limits[1] = {{}, 20.0f, 10.0f};
    sender.present = true;
    sender.lines = {"Lab", "", "123", "456", "", "", ""};
    const auto whole = Print(kPrintAllItems, {1, 4});
    ASSERT_EQ(whole.size(), 1u);
    ASSERT_GT(whole[0].size(), 30u);
    // A page of 12 lines: the top alone takes several.
    const int bottom = kArea.top + 12 * kM.h;
    const auto pages = Print(kPrintAllItems, {1, 4}, bottom);
    ASSERT_GT(pages.size(), 2u);
    std::vector<std::string> joined;
    for (const auto& page : pages) {
        EXPECT_LE(page.size(), 12u);
        joined.insert(joined.end(), page.begin(), page.end());
    }
    EXPECT_EQ(joined, whole[0]);
}

TEST(ReportFlowTest, LinesStayInsideEveryPage) {
    ReportPage all(kM);
    for (int i = 0; i < 10; ++i)
        all.Text(100, 50 + 25 * i, "line " + std::to_string(i));
    ReportFlow flow(all, 50, 50 + 25 * 10 + 30, 100, 900);
    std::vector<int> perPage;
    int end = 0;
    while (!flow.Done() && perPage.size() < 10) {
        ReportPage page(kM);
        end = flow.Place(page, 0, 0, 100);
        for (const ReportText& t : page.Texts())
            EXPECT_LE(t.y + kM.h, 100) << t.text;
        perPage.push_back(static_cast<int>(page.Texts().size()));
    }
    // 0, 25, 50 and 75 end by 100: four lines a page; the end keeps the part's spacing.
    EXPECT_EQ(perPage, (std::vector<int>{4, 4, 2}));
    EXPECT_EQ(end, 25 + 25 + 30);
}

TEST(ReportFlowTest, TextsPastTheRightEdgeGoOnLinesOfTheirOwn) {
    ReportPage page(kM);
    page.Text(100, 50, "Label");
    page.Text(200, 50, "(Data number of one set= 3)");  // 27 characters from 200: to 470
    page.Text(100, 75, "Next %0");
    // 30 characters a line between 100 and 400.
    EXPECT_EQ(WrapLongTexts(page, 100, 400), 25);
    EXPECT_EQ(page.Texts(), (std::vector<ReportText>{{100, 50, "Label"},
                                                     {100, 75, "(Data number of one set= 3)"},
                                                     {100, 100, "Next %0"}}));
    ReportPage longer(kM);
    longer.Text(100, 50, std::string(29, 'x') + "%0" + std::string(31, 'y'));
    EXPECT_EQ(WrapLongTexts(longer, 100, 400), 75);
    EXPECT_EQ(longer.Texts(), (std::vector<ReportText>{{100, 75, std::string(29, 'x') + "%0"},
                                                       {100, 100, std::string(30, 'y')},
                                                       {100, 125, "y"}}));
    // Digits are characters of their own; only a "%" joins the one after it.
    ReportPage digits(kM);
    digits.Text(100, 50, std::string(45, '7'));
    WrapLongTexts(digits, 100, 400);
    EXPECT_EQ(digits.Texts(), (std::vector<ReportText>{{100, 75, std::string(30, '7')},
                                                       {100, 100, std::string(15, '7')}}));
}

TEST_F(Report, DataLineValuesStand16CharactersApartFrom7AndTheUnit11AfterTheLast) {
    Store(2, 2);
    d.bPrintLineMode = 1;
    const int c = kM.c;
    std::vector<std::pair<int, std::string>> second;  // data 2: x from the left margin, text
    int y = -1;
    for (const ReportText& text : FirstPage(kPrintMeasData, {1, 2}))
        if (text.text == "   2")
            y = text.y;
    for (const ReportText& text : FirstPage(kPrintMeasData, {1, 2}))
        if (text.y == y)
            second.emplace_back(text.x - kArea.left, text.text);
    std::sort(second.begin(), second.end());
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "   2"}, {7 * c, "   2.0"}, {23 * c, "  12.0"}, {34 * c, "um"}};
    EXPECT_EQ(second, expected);
}

TEST_F(Report, VolumeTableHasEveryRowAndDatesBeyondTheStoredDataAreBlank) {
    Store(3, 2);
    const auto lines = Print(kPrintDate | kPrintStatVolume, {2, 5})[0];
    EXPECT_TRUE(Contains(lines, "Measurement date | 2026/02/02--"));
    for (const char* row : {"Total[um]", "Maximum[um]", "Minimum[um]", "Average[um]", "R [um]",
                            "Standard deviation", "3a Lower limit", "3a Upper limit"}) {
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [row](const std::string& l) {
            return l.rfind(std::string(row) + " |", 0) == 0;
        })) << row;
    }
}

TEST_F(Report, LimitVerdictOfASingleLayer) {
    d = test::Condition({test::Layer(5, "Cu")});
    d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
    d.bStatMode = 2;
    d.nStatTotal = 40;
    d.limits[0].fUpperLimit = 2.5f;
    d.limits[0].fLowerLimit = 1.5f;
    Store(3, 1);
    d.bPrintLineMode = 1;
    const auto lines = Print(kPrintStatCondition | kPrintMeasData, {1, 3})[0];
    EXPECT_TRUE(Contains(lines, "Statistics mode:N-1    Statistis total:40"));
    EXPECT_TRUE(Contains(lines, "Upper limit | 2.5"));
    EXPECT_TRUE(Contains(lines, "   1 |    1.0 | um   Less than lower limit"));
    EXPECT_TRUE(Contains(lines, "   2 |    2.0 | um"));
    EXPECT_TRUE(Contains(lines, "   3 |    3.0 | um   More than upper limit"));
}

TEST_F(Report, AlloyLayerHasNoLimitColumn) {
    d = test::Condition({test::Layer(1, "Sn"), test::AlloyLayer()});
    d.bStatFlags = kStatLimitCheckOn;
    ReportPage page(kM);
    StatisticsConditionBlock(page, 0, 0, d);
    const auto lines = Lines(page);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Statistics mode:None");
    EXPECT_EQ(lines[1], "Coating | Sn");
}

TEST_F(Report, FirstPrintOfAChannelSelectsEveryItem) {
    d.bPrintLineMode = 0;
    d.wPrintItems = 0;
    EXPECT_EQ(GetPrintItems(d), kPrintAllItems);
    EXPECT_EQ(GetPrintLineMode(d), 1);
    d.bPrintLineMode = 5;
    EXPECT_EQ(GetPrintLineMode(d), 1);  // two layers print one data a line
}

TEST_F(Report, SenderBlockStandsBesideTheHeader) {
    Store(2, 2);
    sender.present = true;
    sender.title = "ACME";
    sender.lines = {"Lab", "", "123", "456", "", "", "x"};
    d.bPrintLineMode = 1;
    d.wPrintItems = kPrintSender;
    ReportPage page(kM);
    const ReportChannel ch{d, 0, nullptr, sender};
    const int y =
        PrintReportHead(page, kArea, kArea.top, ch, kPrintSender, {1, 2}, stored, {12, 30});
    int titles = 0;
    for (const ReportText& t : page.Texts())
        titles += t.title ? 1 : 0;
    EXPECT_EQ(titles, 4);
    EXPECT_EQ(Lines(page), (std::vector<std::string>{"Measure File | 1 : Test | Lab", "Tel 123",
                                                     "FAX 456", "x"}));
    // Below the four sender lines, which run longer than the one header line.
    EXPECT_EQ(y, kArea.top + 30 + 25 + 4 * 25);
    // Where "Lab" would end past the right edge, the block goes below the header.
    ReportPage narrow(kM);
    const PrintRect roll{kArea.left, kArea.top, kArea.left + 51 * kM.c, kArea.bottom};
    EXPECT_EQ(PrintReportHead(narrow, roll, roll.top, ch, kPrintSender, {1, 2}, stored, {12, 30}),
              kArea.top + 30 + 25 + 5 * 25);
    EXPECT_EQ(Lines(narrow), (std::vector<std::string>{"Measure File | 1 : Test", "Lab", "Tel 123",
                                                       "FAX 456", "x"}));
}

TEST(ReportPageTabs, PartsMoveToTheNextStopRightOfTheText) {
    ReportPage page(kM);
    const int stops[] = {90};
    page.Tabbed(5, 0, "Name of customer\tX\tY", stops);
    ASSERT_EQ(page.Texts().size(), 3u);
    EXPECT_EQ(page.Texts()[1].x, 5 + 180);  // 16 characters pass the first stop
    EXPECT_EQ(page.Texts()[2].x, 5 + 270);
    EXPECT_EQ(ShownTextLength("mm%0"), 3);
}

}  // namespace
}  // namespace klv
