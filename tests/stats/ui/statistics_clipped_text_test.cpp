#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "reference/coating_table.h"
#include "stats/ui/statistics_window.h"
#include "stats/ui/statistics_window_fixture.h"
#include "support/ui/clipped_text.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using test::Click;
using test::Find;

namespace {

// Five layers with spread values, 20 data: every page and list has something to show.
std::vector<MsrLogRecord> SpreadData() {
    std::vector<MsrLogRecord> log;
    for (int n = 0; n < 20; ++n)
        for (int layer = 0; layer < 5; ++layer)
            log.push_back(
                test::Measured(static_cast<float>(10 + layer) + 0.37f * static_cast<float>(n % 7),
                               PackDate(2026, 11, 1 + n)));
    return log;
}

}  // namespace

// The statistics window on the smallest screen, with fixed groups so that every page is
// open, and the dialogs its pages open.
class StatisticsClippedTextTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageAndDialogShowsItsTextsWhole();
};

void StatisticsClippedTextTest::everyPageAndDialogShowsItsTextsWhole() {
    Window w(test::Condition({test::Layer(kCoatChrome, "Cr"), test::Layer(kCoatNickel, "Ni"),
                              test::Layer(kCoatCopper, "Cu"), test::Layer(kCoatTin, "Sn"),
                              test::Layer(kCoatBrass, "Bs")}),
             SpreadData());
    CStatistics window("Temporary statistics", w.d, 0, w.links);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList cut;
    // Looks at a dialog as it opens and closes it unchanged.
    auto look = [&](test::ModalDriver& modal, const char* name) {
        modal.When(name, [&cut, name](QWidget& d) {
            cut << test::ClippedTextsOfEveryPage(d, name);
            QMetaObject::invokeMethod(&d, "reject", Qt::QueuedConnection);
        });
    };
    {
        test::ModalDriver modal;
        modal.When("CStatModeSetting", [&](QWidget& d) {
            cut << test::ClippedTextsOfEveryPage(d, "mode setting");
            Find<QAbstractButton>(d, "mode3")->click();
            test::Type(d, "groupSize", "4");
            Click(d, "okButton");
        });
        auto* list = Find<QListWidget>(window, "groupMode");
        emit list->itemClicked(list->item(0));
    }
    QVERIFY(window.ActivatePage(kPageXbarR));
    cut << test::ClippedTextsOfEveryPage(window, "statistics window");
    const std::pair<int, const char*> scales[] = {{kPageHistogram, "CHistogramSetting"},
                                                  {kPageProfile, "CProfileSetting"},
                                                  {kPageXbarR, "CXbarRSetting"}};
    for (const auto& [page, dialog] : scales) {
        QVERIFY(window.ActivatePage(page));
        test::ModalDriver modal;
        look(modal, dialog);
        // Each chart page has its own button; the shown one is the page's.
        for (QPushButton* scaleSet : window.findChildren<QPushButton*>("scaleSet"))
            if (scaleSet->isVisible())
                scaleSet->click();
    }
    QVERIFY(window.ActivatePage(kPageMeasData));
    {
        test::ModalDriver modal;
        look(modal, "CStatMsrdModify");
        Find<QTableView>(window, "measDataList")->selectRow(0);
        Click(window, "change");
        look(modal, "CStatPrintItem");
        Click(window, "printButton");
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable("texts cut:\n" + cut.join('\n')));
}

}  // namespace klv

QTEST_MAIN(klv::StatisticsClippedTextTest)
#include "statistics_clipped_text_test.moc"
