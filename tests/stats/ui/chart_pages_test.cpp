#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "base/check_messages.h"
#include "reference/coating_table.h"
#include "stats/ui/chart_view.h"
#include "stats/ui/stat_histogram.h"
#include "stats/ui/stat_profile.h"
#include "stats/ui/stat_xbarr.h"
#include "stats/ui/statistics_window.h"
#include "stats/ui/statistics_window_fixture.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using test::Click;
using test::Find;
using test::Type;

namespace {

// The group mode dialog of the general page, answered with `mode` and the group size.
void ChooseGroupMode(CStatistics& window, const char* mode, const char* groupSize) {
    test::ModalDriver modal;
    modal.When("CStatModeSetting", [&](QWidget& dialog) {
        Find<QAbstractButton>(dialog, mode)->click();
        Type(dialog, "groupSize", groupSize);
        Click(dialog, "okButton");
    });
    auto* list = Find<QListWidget>(window, "groupMode");
    emit list->itemClicked(list->item(0));
}

QStringList Row(const QTreeWidget& list, int row) {
    QStringList cells;
    for (int c = 0; c < list.columnCount(); ++c)
        cells << list.topLevelItem(row)->text(c);
    return cells;
}

std::vector<MsrLogRecord> Days(std::initializer_list<int> perDay) {
    std::vector<MsrLogRecord> log;
    int day = 1;
    for (int count : perDay) {
        for (int i = 0; i < count; ++i)
            log.push_back(
                test::Measured(static_cast<float>(log.size() % 7 + 1), PackDate(2026, 3, day)));
        ++day;
    }
    return log;
}

}  // namespace

class ChartPagesTest : public QObject {
    Q_OBJECT

private slots:
    void histogramCountsIntoAutomaticAndManualClasses();
    void profileScaleFollowsTheLeadingDigits();
    void layerChosenOnOnePageIsShownOnTheOthers();
    void tinAlloyChartsOfferEveryFigureOfTheSplit();
    void controlChartOfFixedGroupsMarksTheLimitsAndRules();
    void groupsOfDifferentDaysAskTheGroupDataNumber();
    void controlChartScaleIsCheckedAndOrdered();
    void runRulesAreSwitchedInTheScaleDialogAndKept();
    void singleDataGetTheIndividualsChartDrawnAndPrinted();
    void chartIsCopiedAsAPictureAndPrintedWithItsList();
};

void ChartPagesTest::histogramCountsIntoAutomaticAndManualClasses() {
    Window w(30);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageHistogram));
    auto* page = window.findChild<CStatHistogram*>();
    auto* autoScale = Find<QPushButton>(*page, "autoScale");
    QCOMPARE(page->Shown().scale.divisions, 21u);
    QVERIFY(autoScale->isChecked() && !autoScale->isEnabled());
    QCOMPARE(Row(page->List(), 0), (QStringList{"um", "30", "15.5", "21", "-", "-", "-", "-"}));

    test::ModalDriver modal;
    modal.When("CHistogramSetting", [&w](QWidget& dialog) {
        QCOMPARE(Find<QLineEdit>(dialog, "lower")->text(), QStringLiteral("1.0"));
        QCOMPARE(Find<QLineEdit>(dialog, "upper")->selectedText(), QString());
        Type(dialog, "lower", "5");
        Type(dialog, "upper", "2");
        for (const char* refused : {"0", "101"}) {
            Type(dialog, "divisions", refused);
            Click(dialog, "okButton");
            QCOMPARE(w.op.Texts().back(), RangeMessage(1, 100));
            QVERIFY(dialog.isVisible());
        }
        Type(dialog, "divisions", "4.9");
        Click(dialog, "okButton");
    });
    Click(*page, "scaleSet");
    const Histogram& h = page->Shown();
    QCOMPARE(h.scale.lower, 2.0);
    QCOMPARE(h.scale.upper, 5.0);
    // Classes of 0.75 from 2: 1 and 2 in the first, 3 and 4 in their own, 5 and above in the last.
    QCOMPARE(h.counts, (std::vector<std::uint32_t>{2, 1, 1, 26}));
    QCOMPARE(h.top, 32u);
    QVERIFY(!autoScale->isChecked() && autoScale->isEnabled());
    // OK without a change keeps the manual scale as it is.
    modal.When("CHistogramSetting", [](QWidget& dialog) { Click(dialog, "okButton"); });
    Click(*page, "scaleSet");
    QCOMPARE(page->Shown().scale.divisions, 4u);
    Click(*page, "autoScale");
    QCOMPARE(page->Shown().scale.divisions, 21u);
    QVERIFY(autoScale->isChecked() && !autoScale->isEnabled());
}

void ChartPagesTest::profileScaleFollowsTheLeadingDigits() {
    Window w({test::Measured(8.8f), test::Measured(12.3f)});
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageProfile));
    auto* page = window.findChild<CStatProfile*>();
    QCOMPARE(page->Scale().lower, 8.0 * 0.999999);
    QCOMPARE(page->Scale().upper, 20.0 * 1.000001);
    QCOMPARE(Row(page->List(), 0), (QStringList{"um", "12.3", "8.8", "10.6", "2", "8.8", "12.3"}));
    test::ModalDriver modal;
    modal.When("CProfileSetting", [&w](QWidget& dialog) {
        QCOMPARE(Find<QLineEdit>(dialog, "lower")->maxLength(), 8);
        Type(dialog, "lower", "-100000");
        Click(dialog, "okButton");
        QCOMPARE(w.op.Texts().back(), RangeMessage("-99999", "999999"));
        Type(dialog, "lower", "30");
        Type(dialog, "upper", "10");
        Click(dialog, "okButton");
    });
    Click(*page, "scaleSet");
    QCOMPARE(page->Scale().lower, 10.0);
    QCOMPARE(page->Scale().upper, 30.0);
    QVERIFY(Find<QPushButton>(*page, "autoScale")->isEnabled());
}

void ChartPagesTest::layerChosenOnOnePageIsShownOnTheOthers() {
    test::StoredLog log;
    for (int i = 1; i <= 5; ++i)
        log.Add({test::Measured(float(i)), test::Measured(float(10 * i))});
    Window w(test::NickelCopper(), log.items);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageHistogram));
    auto* histogram = window.findChild<CStatHistogram*>();
    test::Choose(*histogram, "coating", 1);
    QCOMPARE(window.Session().SelectedLayer(), 1);
    QCOMPARE(histogram->Shown().scale.upper, 50.0);
    QVERIFY(window.ActivatePage(kPageProfile));
    auto* profile = window.findChild<CStatProfile*>();
    QCOMPARE(Find<QComboBox>(*profile, "coating")->currentText(), QStringLiteral("Cu"));
    QCOMPARE(profile->Scale().upper, 50.0 * 1.000001);
}

// Tin over alloy over copper (tin 0.25, copper 0.323 of the alloy), copper 3 and 5 µm.
void ChartPagesTest::tinAlloyChartsOfferEveryFigureOfTheSplit() {
    test::StoredLog log;
    log.Add({test::Measured(2.0f), test::Measured(1.2f), test::Measured(3.0f)});
    log.Add({test::Measured(1.0f), test::Measured(0.4f), test::Measured(5.0f)});
    Window w(test::Condition(
                 {test::Layer(kCoatTin, "Sn"), test::AlloyLayer(), test::Layer(kCoatCopper, "Cu")}),
             log.items);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageHistogram));
    auto* histogram = window.findChild<CStatHistogram*>();
    auto* coating = Find<QComboBox>(*histogram, "coating");
    QStringList names;
    for (int i = 0; i < coating->count(); ++i)
        names << coating->itemText(i);
    QCOMPARE(names, (QStringList{"Solid Sn", "Sn of alloy", "All Sn", "Solid Cu", "All Cu"}));
    test::Choose(*histogram, "coating", 3);
    QCOMPARE(histogram->Shown().scale.lower, 3.0);
    QCOMPARE(histogram->Shown().scale.upper, 5.0);
    QCOMPARE(Row(histogram->List(), 0)[2], QStringLiteral("4.0"));
    // Thicknesses of the split, not the counts a layer next to the alloy runs in.
    QCOMPARE(Row(histogram->List(), 0)[0], QStringLiteral("um"));
}

void ChartPagesTest::controlChartOfFixedGroupsMarksTheLimitsAndRules() {
    Window w(23);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(!window.ActivatePage(kPageXbarR));
    ChooseGroupMode(window, "mode3", "5");
    QVERIFY(window.ActivatePage(kPageXbarR));
    auto* page = window.findChild<CStatXbarR*>();
    QCOMPARE(page->Groups().size(), std::size_t{5});
    QCOMPARE(page->Groups().back().count, 3u);
    QCOMPARE(page->GroupDataNumber(), 5);
    QCOMPARE(Find<QLabel>(*page, "groupCount")->text(), QStringLiteral("5"));
    QCOMPARE(Find<QLabel>(*page, "groupDataNumber")->text(), QStringLiteral("5"));
    // Means 3, 8, 13, 18 and 22, ranges 4, 4, 4, 4 and 2.
    const QStringList x = Row(page->LimitList(), 0);
    QCOMPARE(x.mid(0, 2), (QStringList{"%5", "12.8"}));
    QCOMPARE(Row(page->LimitList(), 1).mid(0, 2), (QStringList{"R", "3.6"}));
    QCOMPARE(x[4], QStringLiteral("1.0--23.0"));
    QVERIFY(page->Chart().x.ucl < 18);
    // Means 3 and 8 below LCL, 18 and 22 above UCL; 8 and 22 are each the second of three
    // beyond two sigma on their side.
    const QStringList rules = {
        "1 X-bar: Rule 1 (1 point beyond 3 sigma)",
        "2 X-bar: Rule 1 (1 point beyond 3 sigma), rule 5 (2 of 3 beyond 2 sigma)",
        "4 X-bar: Rule 1 (1 point beyond 3 sigma)",
        "5 X-bar: Rule 1 (1 point beyond 3 sigma), rule 5 (2 of 3 beyond 2 sigma)"};
    QCOMPARE(page->RuleList().count(), rules.size());
    for (int i = 0; i < rules.size(); ++i)
        QCOMPARE(page->RuleList().item(i)->text(), rules[i]);
    // Printed on a page, its axis labels and list rows stay inside the page.
    Click(window, "printButton");
    QCOMPARE(WordOutside(PdfWords(w.dir.File("report.pdf")), w.printer.areas), QString());
    // The printed report lists the breaks the page lists.
    const QString printed = PdfText(w.dir.File("report.pdf")).simplified();
    QVERIFY2(printed.contains("Run rule breaks 4") && printed.contains(rules[1]),
             qPrintable(printed));
    // An upper limit set to 30 widens the zones above the centre line only.
    test::ModalDriver modal;
    modal.When("CXbarRSetting", [](QWidget& dialog) {
        Type(dialog, "x-ucl", "30");
        Click(dialog, "okButton");
    });
    Click(*page, "scaleSet");
    QCOMPARE(page->RuleList().count(), 2);
    QCOMPARE(page->RuleList().item(1)->text(), rules[1]);
}

void ChartPagesTest::groupsOfDifferentDaysAskTheGroupDataNumber() {
    Window even(Days({4, 4, 4}));
    CStatistics first("Gross statistics", even.d, 0, even.links);
    ChooseGroupMode(first, "mode5", "1");
    QVERIFY(first.ActivatePage(kPageXbarR));
    QCOMPARE(first.findChild<CStatXbarR*>()->GroupDataNumber(), 4);
    QVERIFY(even.sounds.Calls().empty());

    Window uneven(Days({4, 3, 4}));
    CStatistics window("Gross statistics", uneven.d, 0, uneven.links);
    ChooseGroupMode(window, "mode5", "1");
    test::ModalDriver modal;
    modal.When("CCtPerPack", [&uneven](QWidget& dialog) {
        auto* edit = Find<QLineEdit>(dialog, "groupDataNumber");
        QCOMPARE(edit->selectedText(), QStringLiteral("2"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        for (const char* refused : {"1", "1000", "2.5"}) {
            Type(edit, refused);
            Click(dialog, "okButton");
            QCOMPARE(uneven.op.Texts().back(), RangeMessage(2, 999));
        }
        Type(edit, "4");
        Click(dialog, "okButton");
    });
    QVERIFY(window.ActivatePage(kPageXbarR));
    QCOMPARE(uneven.sounds.Calls(), std::vector<std::string>{"beep"});
    QCOMPARE(window.findChild<CStatXbarR*>()->GroupDataNumber(), 4);
}

void ChartPagesTest::controlChartScaleIsCheckedAndOrdered() {
    Window w(20);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    ChooseGroupMode(window, "mode3", "4");
    QVERIFY(window.ActivatePage(kPageXbarR));
    auto* page = window.findChild<CStatXbarR*>();
    const ControlChart before = page->Chart();
    test::ModalDriver modal;
    modal.When("CXbarRSetting", [](QWidget& dialog) { Click(dialog, "okButton"); });
    Click(*page, "scaleSet");
    QCOMPARE(page->Chart().x.top, before.x.top);
    modal.When("CXbarRSetting", [&w](QWidget& dialog) {
        Type(dialog, "r-bottom", "-1");
        Click(dialog, "okButton");
        QCOMPARE(w.op.Texts().back(), RangeMessage("0", "999999"));
        Type(dialog, "r-bottom", "0");
        Type(dialog, "x-bottom", "10");
        Type(dialog, "x-top", "5");
        Click(dialog, "okButton");
    });
    Click(*page, "scaleSet");
    QCOMPARE(page->Chart().x.bottom, 5.0f);
    QCOMPARE(page->Chart().x.top, 10.0f);
    QCOMPARE(Row(page->LimitList(), 0)[4], QStringLiteral("5.0--10.0"));
    // A refresh computes the scale again.
    page->Refresh();
    QCOMPARE(page->Chart().x.top, before.x.top);
}

void ChartPagesTest::runRulesAreSwitchedInTheScaleDialogAndKept() {
    Window w(20);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.show();
    ChooseGroupMode(window, "mode3", "4");
    QVERIFY(window.ActivatePage(kPageXbarR));
    auto* page = window.findChild<CStatXbarR*>();
    QCOMPARE(page->EnabledRules(), kDefaultRunRules);
    const int before = page->RuleList().count();
    const ControlChart chart = page->Chart();
    test::ModalDriver modal;
    modal.When("CXbarRSetting", [](QWidget& dialog) {
        for (const char* on : {"rule1", "rule2", "rule3", "rule5"})
            QVERIFY(Find<QCheckBox>(dialog, on)->isChecked());
        QVERIFY(!Find<QCheckBox>(dialog, "rule8")->isChecked());
        Find<QCheckBox>(dialog, "rule1")->setChecked(false);
        Find<QCheckBox>(dialog, "rule5")->setChecked(false);
        Click(dialog, "okButton");
    });
    Click(*page, "scaleSet");
    QCOMPARE(page->EnabledRules(), unsigned{kRuleNineOnOneSide | kRuleSixTrending});
    QCOMPARE(LoadRunRules(w.ini), page->EnabledRules());
    QVERIFY(page->RuleList().count() < before);
    // Only the rules changed: the computed limits stay as they were, not as rounded for show.
    QCOMPARE(page->Chart().x.ucl, chart.x.ucl);
    // Another window starts with the choice.
    CStatistics again("Gross statistics", w.d, 0, w.links);
    ChooseGroupMode(again, "mode3", "4");
    QVERIFY(again.ActivatePage(kPageXbarR));
    QCOMPARE(again.findChild<CStatXbarR*>()->EnabledRules(), page->EnabledRules());
}

void ChartPagesTest::singleDataGetTheIndividualsChartDrawnAndPrinted() {
    std::vector<MsrLogRecord> log;
    for (float v : {10.0f, 12.0f, 11.0f, 13.0f, 14.0f, 21.0f})
        log.push_back(test::Measured(v, PackDate(2026, 3, 1)));
    Window w(log);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.resize(700, 560);
    window.show();
    ChooseGroupMode(window, "mode3", "1");
    QVERIFY(window.ActivatePage(kPageXbarR));
    auto* page = window.findChild<CStatXbarR*>();
    QVERIFY(page->Individuals());
    // Mean 13.5; moving ranges 2, 1, 2, 1 and 7: MR-bar 2.6.
    QCOMPARE(Row(page->LimitList(), 0).mid(0, 4), (QStringList{"X", "13.5", "20.4", "6.6"}));
    QCOMPARE(Row(page->LimitList(), 1).mid(0, 4), (QStringList{"MR", "2.6", "8.5", "0.0"}));
    QCOMPARE(Row(*Find<QTreeWidget>(*page, "factorList"), 0), (QStringList{"E2", "2.6600"}));
    QCOMPARE(page->RuleList().count(), 1);
    QCOMPARE(page->RuleList().item(0)->text(),
             QStringLiteral("6 X: Rule 1 (1 point beyond 3 sigma)"));
    // The chart is drawn: the red square of the sixth value and green points.
    const QImage image = page->ChartView().grab().toImage();
    bool red = false;
    bool green = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            red = red || image.pixelColor(x, y) == QColor(255, 0, 0);
            green = green || image.pixelColor(x, y) == QColor(0, 128, 0);
        }
    QVERIFY(red && green);
    Click(window, "printButton");
    const QString text = PdfText(w.dir.File("report.pdf"));
    for (const char* expected : {"MR", "E2", "2.6600", "20.4"})
        QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
    QCOMPARE(WordOutside(PdfWords(w.dir.File("report.pdf")), w.printer.areas), QString());
}

void ChartPagesTest::chartIsCopiedAsAPictureAndPrintedWithItsList() {
    Window w(30);
    CStatistics window("Gross statistics", w.d, 0, w.links);
    window.resize(700, 560);
    window.show();
    QVERIFY(window.ActivatePage(kPageHistogram));
    QApplication::clipboard()->clear();
    Click(window, "copyButton");
    const QImage image = QApplication::clipboard()->image();
    auto* page = window.findChild<CStatHistogram*>();
    QCOMPARE(image.size(), page->ChartView().size());
    // The bars are green.
    bool green = false;
    for (int x = 0; x < image.width() && !green; ++x)
        green = image.pixelColor(x, image.height() * 3 / 4) == QColor(0, 128, 0);
    QVERIFY(green);
    Click(window, "printButton");
    QCOMPARE(w.printer.feeds, 1);
    const QString text = PdfText(w.dir.File("report.pdf"));
    for (const char* expected : {"[ Histogram ]", "1 : Test", "Division number", "Data number"})
        QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
    // The axis labels at the chart's edges stay on the page.
    for (int chart : {int{kPageHistogram}, int{kPageProfile}}) {
        QVERIFY(window.ActivatePage(chart));
        Click(window, "printButton");
        QCOMPARE(WordOutside(PdfWords(w.dir.File("report.pdf")), w.printer.areas), QString());
    }
}

}  // namespace klv

QTEST_MAIN(klv::ChartPagesTest)
#include "chart_pages_test.moc"
