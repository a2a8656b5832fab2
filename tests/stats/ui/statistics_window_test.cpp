#include "stats/ui/statistics_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "reference/condition_store.h"
#include "stats/statistics_texts.h"
#include "stats/stats_test_support.h"
#include "stats/ui/statistics_window_fixture.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using test::Click;
using test::Find;

namespace {

QStringList Column(const QTableView& view, int column) {
    QStringList cells;
    for (int r = 0; r < view.model()->rowCount(); ++r)
        cells << view.model()->index(r, column).data().toString();
    return cells;
}

void SelectRows(QTableView& view, std::initializer_list<int> rows) {
    view.clearSelection();
    for (int r : rows)
        view.selectionModel()->select(view.model()->index(r, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void generalPageShowsAndCopiesTheStatistics();
    void groupModeDialogFormsTheDataAgain();
    void deletingSelectedDataKeepsTheRest();
    void correctionRefusesNegativeValues();
    void cancellationOfAllEndsTheWindow();
    void cancellationOfAllRemovesAPartlyStoredLast();
    void pendingLineIsPrintedBeforeDataChange();
    void singleDataLeavesTheChartPagesDisabled();
    void withoutPermissionTheListOnlyShows();
    void generalReportReadsBackFromPdf();
    void measurementDataReportOfAFreshChannel();
    void longestReportsGoOnOverPagesInsideTheArea_data();
    void longestReportsGoOnOverPagesInsideTheArea();
};

void StatisticsWindowTest::generalPageShowsAndCopiesTheStatistics() {
    Window w(10);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Temporary statistics"));
    QCOMPARE(Find<QLabel>(window, "file")->text(), QStringLiteral("1 : Test"));
    QCOMPARE(Find<QLabel>(window, "measurementDate")->text(),
             QStringLiteral("2026/01/01--2026/01/10"));
    QCOMPARE(Find<QLabel>(window, "statisticsDataNumber")->text(), QStringLiteral("10"));
    auto* list = Find<QTreeWidget>(window, "statisticsList");
    QCOMPARE(list->topLevelItemCount(), 8);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Total[um]"));
    QCOMPARE(list->topLevelItem(0)->text(1).trimmed(), QStringLiteral("55.0"));
    QCOMPARE(list->topLevelItem(3)->text(1).trimmed(), QStringLiteral("5.5"));
    QCOMPARE(w.published.size(), std::size_t{1});
    QCOMPARE(QString::fromLatin1(w.published[0].szDataCt), QStringLiteral("10"));
    QVERIFY(Find<QPushButton>(window, "copyButton")->isEnabled());
    QApplication::clipboard()->clear();
    Click(window, "copyButton");
    const QStringList rows = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(rows.size(), 9);
    QCOMPARE(rows[0], QStringLiteral("Total[um]\t55.0"));
    // Enter and Escape leave the window open; Close ends it.
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(window.isVisible());
    Click(window, "closeButton");
    QVERIFY(!window.isVisible());
}

void StatisticsWindowTest::groupModeDialogFormsTheDataAgain() {
    Window w(10);
    QVERIFY(w.ini.WriteProfileInt("Statistics", "PartDataCt", 4));
    test::ModalDriver modal;
    modal.When("CStatModeSetting", [](QWidget& dialog) {
        QCOMPARE(Find<QLineEdit>(dialog, "groupSize")->text(), QStringLiteral("4"));
        Find<QAbstractButton>(dialog, "mode1")->click();
        test::Type(dialog, "firstData", "0");
        Click(dialog, "okButton");
        test::Type(dialog, "firstData", "7");
        test::Type(dialog, "lastData", "3");
        test::Type(dialog, "groupSize", "3");
        Click(dialog, "okButton");
    });
    modal.When("CStatistics", [&w](QWidget& window) {
        const auto close = qScopeGuard([&window] { Click(window, "closeButton"); });
        auto* mode = Find<QListWidget>(window, "groupMode");
        emit mode->itemClicked(mode->item(0));
        QCOMPARE(w.op.Texts(), std::vector<std::string>{"Range of values are from  1  to  99999."});
        QCOMPARE(mode->item(0)->text(), QStringLiteral("Partial data(Beginning= 3   End= 7 )"));
        QCOMPARE(Find<QLabel>(window, "statisticsDataNumber")->text(), QStringLiteral("5"));
        QVERIFY(Find<QLabel>(window, "allDataNote")->isEnabled());
        auto& stats = static_cast<CStatistics&>(window);
        QVERIFY(stats.ActivatePage(kPageMeasData));
        QCOMPARE(Find<QTableView>(window, "measDataList")->model()->rowCount(), 10);
    });
    RunStatisticsWindow("Gross statistics", w.d, 0, w.links, nullptr);
    QCOMPARE(w.ini.GetProfileInt("Statistics", "PartDataCt", 0), 3);
    QCOMPARE(w.ini.GetProfileInt("Statistics", "CorrectInterval", 0), 1);
}

void StatisticsWindowTest::deletingSelectedDataKeepsTheRest() {
    Window w(10);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    auto* tabs = Find<QTabBar>(window, "statisticsTabs");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(kPageMeasData).center());
    QCOMPARE(window.CurrentPage(), int{kPageMeasData});
    auto* view = Find<QTableView>(window, "measDataList");
    auto* copy = Find<QPushButton>(window, "copyButton");
    QVERIFY(!copy->isEnabled());
    QVERIFY(!Find<QPushButton>(window, "delete")->isEnabled());
    SelectRows(*view, {6, 2});
    QVERIFY(copy->isEnabled());
    QVERIFY(!Find<QPushButton>(window, "change")->isEnabled());
    QApplication::clipboard()->clear();
    Click(window, "copyButton");
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("3\t3.0 um\t2026/01/03\r\n7\t7.0 um\t2026/01/07\r\n"));
    w.op.Answer(IDCANCEL);
    Click(window, "delete");
    QCOMPARE(w.Logged().size(), std::size_t{10});
    Click(window, "delete");
    QCOMPARE(w.op.Texts().back(), std::string(kMsgDeleteSelected));
    QCOMPARE(w.Logged(), (std::vector<float>{1, 2, 4, 5, 6, 8, 9, 10}));
    QCOMPARE(Column(*view, 0).last().trimmed(), QStringLiteral("8"));
    QCOMPARE(Column(*view, 1)[2], QStringLiteral("   4.0 um"));
    QCOMPARE(Find<QLabel>(window, "dataNumber")->text(), QStringLiteral("8"));
    QCOMPARE(w.d.nItemCt, 8u);
    QCOMPARE(QString::fromLatin1(w.published.back().szDataCt), QStringLiteral("8"));
    QVERIFY(!copy->isEnabled());
    // Ctrl+C without a selection does nothing.
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    QVERIFY(window.ActivatePage(kPageGeneral));
    QCOMPARE(Find<QLabel>(window, "totalData")->text(), QStringLiteral("8"));
}

void StatisticsWindowTest::correctionRefusesNegativeValues() {
    Window w(3);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageMeasData));
    auto* view = Find<QTableView>(window, "measDataList");
    SelectRows(*view, {1});
    test::ModalDriver modal;
    modal.When("CStatMsrdModify", [&w](QWidget& dialog) {
        auto* edit = Find<QLineEdit>(dialog, "value1");
        QCOMPARE(edit->text(), QStringLiteral("2.0"));
        test::Type(edit, "-1");
        Click(dialog, "okButton");
        QCOMPARE(w.op.Texts().back(), std::string("Value of minus can't be specified."));
        QVERIFY(dialog.isVisible());
        test::Type(edit, "2.5");
        Click(dialog, "okButton");
    });
    Click(window, "change");
    QCOMPARE(w.Logged(), (std::vector<float>{1, 2.5f, 3}));
    QCOMPARE(Column(*view, 1)[1], QStringLiteral("   2.5 um"));
    QCOMPARE(QString::fromLatin1(w.published.back().szTotal[0]), QStringLiteral("6.5"));
}

void StatisticsWindowTest::cancellationOfAllEndsTheWindow() {
    Window w(4);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageMeasData));
    w.op.Answer(IDCANCEL);
    Click(window, "cancelAll");
    QVERIFY(window.isVisible());
    Click(window, "cancelAll");
    QCOMPARE(w.op.Texts().back(), std::string(kMsgDeleteAllData));
    QVERIFY(!window.isVisible());
    QCOMPARE(w.d.nItemCt, 0u);
    QVERIFY(w.Logged().empty());
    QVERIFY(!std::filesystem::exists(w.store.MakeMsrLogFileName(0)));
}

void StatisticsWindowTest::cancellationOfAllRemovesAPartlyStoredLast() {
    test::StoredLog log;
    for (int i = 1; i <= 3; ++i)
        log.Add({test::Measured(float(i)), test::Measured(float(10 * i))});
    // The fourth measurement stopped after its first layer.
    log.Add({test::Measured(4.0f)});
    // By "Cancellation of all", and by deleting every row of the list.
    for (const char* button : {"cancelAll", "delete"}) {
        Window w(test::NickelCopper(), log.items);
        CStatistics window("Temporary statistics", w.d, 0, w.links);
        window.show();
        QVERIFY(window.ActivatePage(kPageMeasData));
        auto* view = Find<QTableView>(window, "measDataList");
        QCOMPARE(view->model()->rowCount(), 3);
        SelectRows(*view, {0, 1, 2});
        Click(window, button);
        QCOMPARE(w.op.Texts().back(),
                 std::string(button == std::string("delete") ? kMsgDataRunOut : kMsgDeleteAllData));
        QVERIFY(!window.isVisible());
        QCOMPARE(w.d.nItemCt, 0u);
        QVERIFY(w.Logged().empty());
        QVERIFY(!std::filesystem::exists(w.store.MakeMsrLogFileName(0)));
    }
}

void StatisticsWindowTest::pendingLineIsPrintedBeforeDataChange() {
    Window w(6);
    // What the log holds when the pending line is printed: the values it would number.
    std::vector<std::vector<float>> atFlush;
    w.links.flushPendingLine = [&w, &atFlush] { atFlush.push_back(w.Logged()); };
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageMeasData));
    auto* view = Find<QTableView>(window, "measDataList");
    test::ModalDriver modal;
    modal.When("CStatMsrdModify", [](QWidget& d) {
        test::Type(d, "value1", "2.5");
        Click(d, "okButton");
    });
    SelectRows(*view, {1});
    Click(window, "change");
    SelectRows(*view, {0});
    Click(window, "delete");
    Click(window, "cancelAll");
    QCOMPARE(atFlush, (std::vector<std::vector<float>>{
                          {1, 2, 3, 4, 5, 6}, {1, 2.5f, 3, 4, 5, 6}, {2.5f, 3, 4, 5, 6}}));
    QVERIFY(!window.isVisible());
}

void StatisticsWindowTest::singleDataLeavesTheChartPagesDisabled() {
    Window w(1);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    auto* list = Find<QTreeWidget>(window, "statisticsList");
    QCOMPARE(list->topLevelItem(3)->text(1).trimmed(), QStringLiteral("1.0"));
    QCOMPARE(list->topLevelItem(5)->text(1), QString());
    QVERIFY(!window.ActivatePage(kPageHistogram));
    QCOMPARE(window.CurrentPage(), int{kPageGeneral});
    QCOMPARE(w.sounds.Calls(), std::vector<std::string>{"beep"});
}

void StatisticsWindowTest::withoutPermissionTheListOnlyShows() {
    Window w(5, false);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageMeasData));
    QVERIFY(Find<QPushButton>(window, "change")->isHidden());
    QVERIFY(Find<QPushButton>(window, "delete")->isHidden());
    auto* view = Find<QTableView>(window, "measDataList");
    const QRect cell = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());
    SelectRows(*view, {1});
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(w.Logged().size(), std::size_t{5});
}

void StatisticsWindowTest::generalReportReadsBackFromPdf() {
    Window w(10);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    Click(window, "printButton");
    QCOMPARE(w.printer.reports, 1);
    QCOMPARE(w.printer.feeds, 1);
    const QString text = PdfText(w.dir.File("report.pdf"));
    QVERIFY2(text.contains(QStringLiteral("[ Statistics volume ]")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("All the data")));
    // Every cell of the general page's list stands in the report.
    auto* list = Find<QTreeWidget>(window, "statisticsList");
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        for (int c = 0; c < list->columnCount(); ++c)
            QVERIFY2(text.contains(list->topLevelItem(r)->text(c).trimmed()),
                     qPrintable(list->topLevelItem(r)->text(c)));
}

void StatisticsWindowTest::measurementDataReportOfAFreshChannel() {
    // Never printed (every item counts as chosen) and no sender file (its item cannot be).
    Window w(12);
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(kPageMeasData));
    test::ModalDriver modal;
    modal.When("CStatPrintItem", [](QWidget& d) {
        QVERIFY(!Find<QCheckBox>(d, "item10")->isChecked());
        QVERIFY(!Find<QCheckBox>(d, "item10")->isEnabled());
        test::Type(d, "firstData", "7");
        test::Type(d, "lastData", "3");
        Click(d, "okButton");
    });
    Click(window, "printButton");
    QCOMPARE(w.printer.reports, 1);
    const QString text = PdfText(w.dir.File("report.pdf"));
    QVERIFY2(text.contains(
                 QRegularExpression(QStringLiteral("Data number \\(Range\\) +5 \\( 3--7 \\)"))),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("2026/01/03--2026/01/07")));
    MeasFileData stored{};
    QVERIFY(w.store.ReadConditionFile(0, stored, true));
    QCOMPARE(stored.wPrintItems, std::uint16_t{0x3FF});
    QCOMPARE(int(stored.bPrintLineMode), 1);
}

namespace {

// The words on the line of the word `label`, left to right, without it.
std::vector<test::PdfWord> RowOf(const std::vector<test::PdfWord>& words, const QString& label) {
    std::vector<test::PdfWord> row;
    const auto at = std::find_if(words.begin(), words.end(),
                                 [&](const test::PdfWord& w) { return w.text == label; });
    if (at == words.end())
        return row;
    for (const test::PdfWord& w : words)
        if (w.page == at->page && qAbs(w.box.top() - at->box.top()) < 1.0 && w.text != label)
            row.push_back(w);
    std::sort(row.begin(), row.end(), [](const test::PdfWord& a, const test::PdfWord& b) {
        return a.box.left() < b.box.left();
    });
    return row;
}

}  // namespace

void StatisticsWindowTest::longestReportsGoOnOverPagesInsideTheArea_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("paper");  // 0 portrait, 1 landscape, 2 roll paper
    for (int page : {int{kPageGeneral}, int{kPageMeasData}})
        for (int paper : {0, 1, 2})
            QTest::addRow("%s %s", page == kPageGeneral ? "general" : "data",
                          paper == 0   ? "portrait"
                          : paper == 1 ? "landscape"
                                       : "roll")
                << page << paper;
}

void StatisticsWindowTest::longestReportsGoOnOverPagesInsideTheArea() {
    QFETCH(int, page);
    QFETCH(int, paper);
    // Every item, two layers, the limit check on and a sender block: the longest report top.
    MeasFileData d = test::NickelCopper();
    d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
    d.nStatTotal = 40;
    d.limits[0] = {{}, 5.0f, 1.0f};
    d.limits[1] = {{}, 20.0f, 10.0f};
    test::StoredLog log;
    for (int n = 1; n <= 4; ++n)
        log.Add({test::Measured(float(n), PackDate(2026, 1, n)),
                 test::Measured(float(10 + n), PackDate(2026, 1, n))});
    Window w(d, log.items);
    w.links.sender.present = true;
    w.links.sender.lines = {"Plating lab", "Building 2", "0123", "0456", "", "", ""};
    w.printer.orientation = paper == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    w.printer.rollPaper = paper == 2;
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(window.ActivatePage(page));
    test::ModalDriver modal;
    if (page == kPageMeasData)
        modal.When("CStatPrintItem", [](QWidget& dialog) { Click(dialog, "okButton"); });
    Click(window, "printButton");
    QCOMPARE(w.printer.reports, 1);
    const std::vector<test::PdfWord> words = PdfWords(w.dir.File("report.pdf"));
    QVERIFY(!words.empty());
    if (const char* shots = std::getenv("KLV_SHOT_DIR"))
        QFile::copy(QString::fromStdString(w.dir.File("report.pdf")),
                    QStringLiteral("%1/report_%2_%3.pdf")
                        .arg(QString::fromLocal8Bit(shots))
                        .arg(page)
                        .arg(paper));
    QCOMPARE(WordOutside(words, w.printer.areas), QString());
    if (paper == 2 || (paper == 1 && page == kPageMeasData))
        QVERIFY(w.printer.areas.size() > 1);
    // Nothing is lost: the last row of the statistics volume and the last data line are there.
    const QString text = PdfText(w.dir.File("report.pdf"));
    QVERIFY2(text.contains(QStringLiteral("3a Upper limit")), qPrintable(text));
    if (page == kPageMeasData)
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\n +4 +4\\.0 +14\\.0 +um"))));
    // Numbers padded with blanks keep their decimal points in the column.
    const std::vector<test::PdfWord> total = RowOf(words, QStringLiteral("Total[um]"));
    const std::vector<test::PdfWord> average = RowOf(words, QStringLiteral("Average[um]"));
    QCOMPARE(total.size(), std::size_t{2});
    QCOMPARE(average.size(), std::size_t{2});
    QCOMPARE(average[0].text, QStringLiteral("2.5"));
    QCOMPARE(total[1].text, QStringLiteral("50.0"));
    for (std::size_t k = 0; k < 2; ++k)
        QVERIFY(qAbs(test::DecimalPoint(total[k]) - test::DecimalPoint(average[k])) < 0.3);
}

}  // namespace klv

QTEST_MAIN(klv::StatisticsWindowTest)
#include "statistics_window_test.moc"
