#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "reference/condition_store.h"
#include "stats/statistics_mode.h"
#include "stats/stats_test_support.h"
#include "stats/ui/data_over.h"
#include "stats/ui/stat_item_set.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "support/ui/widget_find.h"

namespace klv {

using test::Find;

namespace {

// Tin over an alloy layer over copper, 4 data stored, statistics "N" over 10, limits on.
MeasFileData TinAlloyCopper() {
    MeasFileData d =
        test::Condition({test::Layer(11, "Sn"), test::AlloyLayer(), test::Layer(5, "Cu")});
    d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
    d.bStatMode = kStatModeN;
    d.nStatTotal = 10;
    d.nItemCt = 13;
    d.limits[0] = {{}, 5.0f, 1.25f};
    d.limits[1] = {{9, 9, 9, 9}, 7.0f, 6.0f};
    d.limits[2] = {{}, 12.3456f, 2.0f};
    return d;
}

struct ItemSet {
    test::TempDir dir;
    test::ScriptedOperator op;
    ConditionStore store{dir.Path(), op};
    MeasFileData d = TinAlloyCopper();
    CStatItemSet dialog{d, store, 2, op};

    // OK, and the message it brought, "" for none.
    std::string Ok() {
        op.Clear();
        test::Click(dialog, "okButton");
        return op.Messages().empty() ? std::string() : op.Messages().back().text;
    }
};

}  // namespace

class StatDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void itemsShowOneRowPerLayerThatIsNotAlloy();
    void itemsAreCheckedInOrderAndWrittenOnOk();
    void failedWriteKeepsTheDialogOpen();
    void dataOverWaitsForAChoice();
};

void StatDialogsTest::itemsShowOneRowPerLayerThatIsNotAlloy() {
    ItemSet s;
    QCOMPARE(Find<QComboBox>(s.dialog, "statMode")->currentText(), QStringLiteral("N"));
    QCOMPARE(Find<QLineEdit>(s.dialog, "statTotal")->text(), QStringLiteral("10"));
    QCOMPARE(Find<QLabel>(s.dialog, "dataNumber")->text(), QStringLiteral("4"));
    QCOMPARE(Find<QLabel>(s.dialog, "layerName1")->text(), QStringLiteral("Sn"));
    QCOMPARE(Find<QLabel>(s.dialog, "layerName2")->text(), QStringLiteral("Cu"));
    QCOMPARE(Find<QLineEdit>(s.dialog, "upperLimit2")->text(), QStringLiteral("12.346"));
    QCOMPARE(Find<QLineEdit>(s.dialog, "lowerLimit1")->text(), QStringLiteral("1.25"));
    s.dialog.show();
    QVERIFY(Find<QLineEdit>(s.dialog, "upperLimit2")->isVisible());
    QVERIFY(!Find<QLineEdit>(s.dialog, "upperLimit3")->isVisible());
    test::Choose(s.dialog, "statMode", 0);
    QVERIFY(!Find<QLineEdit>(s.dialog, "statTotal")->isEnabled());
    Find<QCheckBox>(s.dialog, "limitCheck")->click();
    QVERIFY(!Find<QLineEdit>(s.dialog, "upperLimit1")->isEnabled());
}

void StatDialogsTest::itemsAreCheckedInOrderAndWrittenOnOk() {
    ItemSet s;
    QVERIFY(s.store.CreateConditionDirectories());
    s.dialog.show();
    const struct {
        const char* edit;
        const char* text;
        const char* message;
    } refusals[] = {
        {"statTotal", "0", "Range of values are from  1  to  99999."},
        {"statTotal", "100000", "Range of values are from  1  to  99999."},
        {"statTotal", "3", "Less than the measurement data quantity."},
        {"statTotal", "4", ""},
        {"upperLimit1", "x", "Error in the numerical value."},
        {"upperLimit1", "1.25", "Upper limit value should be larger than lower limit value."},
        {"upperLimit1", "6", ""},
    };
    for (const auto& r : refusals) {
        test::Type(s.dialog, r.edit, r.text);
        if (*r.message == '\0')
            continue;
        QCOMPARE(QString::fromStdString(s.Ok()), QString::fromLatin1(r.message));
        QVERIFY(!s.dialog.isHidden());
    }
    QCOMPARE(s.d.nStatTotal, 10);
    QCOMPARE(s.Ok(), std::string());
    QVERIFY(s.dialog.isHidden());
    MeasFileData written{};
    QVERIFY(s.store.ReadConditionFile(2, written, true));
    QCOMPARE(written.nStatTotal, 4);
    QCOMPARE(written.limits[0].fUpperLimit, 6.0f);
    // An untouched limit keeps its stored digits; the alloy layer's limits go.
    QCOMPARE(written.limits[2].fUpperLimit, 12.3456f);
    QCOMPARE(written.limits[1].fUpperLimit, 0.0f);
    QCOMPARE(written.limits[1].reserved[0], std::uint8_t{0});
    QCOMPARE(s.d.nStatTotal, 4);
}

void StatDialogsTest::failedWriteKeepsTheDialogOpen() {
    ItemSet s;
    // A file where the condition folder should be: nothing can be written.
    test::WriteTestFile(s.dir.File("KlvMeasF"), "x");
    s.dialog.show();
    test::Type(s.dialog, "statTotal", "20");
    QVERIFY(!s.Ok().empty());
    QVERIFY(!s.dialog.isHidden());
    QCOMPARE(Find<QLineEdit>(s.dialog, "statTotal")->text(), QStringLiteral("20"));
    QCOMPARE(s.d.nStatTotal, 10);
}

void StatDialogsTest::dataOverWaitsForAChoice() {
    CDataOver dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* ok = Find<QPushButton>(dialog, "ok");
    QVERIFY(!ok->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.close());
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    test::Click(dialog, "changeItems");
    QVERIFY(ok->isEnabled());
    test::Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Choice(), DataOverChoice::ChangeItems);
}

}  // namespace klv

QTEST_MAIN(klv::StatDialogsTest)
#include "stat_dialogs_test.moc"
