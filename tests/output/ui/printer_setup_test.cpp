#include "output/ui/printer_setup.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "output/roll_paper_lines.h"
#include "output/ui/print_face.h"
#include "support/scripted_operator.h"
#include "support/ui/widget_find.h"

namespace klv {

using namespace test;

class PrinterSetupTest : public QObject {
    Q_OBJECT

private slots:
    void rollPaperIsAcceptedUnderSimulationWithoutQueue();
    void missingRollPaperPrinterKeepsTheDialogOpen();
    void sizesOutsideTheirRangeAreRefused_data();
    void sizesOutsideTheirRangeAreRefused();
    void pagePrinterClearsTheKindAndKeepsTheRollPaperSettings();
    void fontListsHoldFixedPitchFacesOnly();
    void theFaceReallyUsedIsShown();
};

namespace {

PrinterSetupValues Stored() {
    PrinterSetupValues v;
    v.rollPaper = false;
    v.modelId = 1;
    v.mode = 0x101;
    v.page = {"DejaVu Sans Mono", 0, 120};
    v.rollPaperFont = {"DejaVu Sans Mono", 0, 140};
    return v;
}

void SetSize(CPrinterSetup& d, const char* combo, const QString& text) {
    Find<QComboBox>(d, combo)->setEditText(text);
}

}  // namespace

void PrinterSetupTest::rollPaperIsAcceptedUnderSimulationWithoutQueue() {
    ScriptedOperator op;
    CPrinterSetup d(Stored(), {}, op);
    QVERIFY(Find<QRadioButton>(d, "ctl1200")->isChecked());
    QCOMPARE(Find<QComboBox>(d, "ctl1223")->currentText(), QStringLiteral("Citizen CT-S300"));
    QCOMPARE(Find<QComboBox>(d, "ctl1222")->currentText(), QStringLiteral("14"));
    Find<QRadioButton>(d, "ctl1201")->setChecked(true);
    Find<QRadioButton>(d, "ctl1225")->setChecked(true);
    SetSize(d, "ctl1222", QStringLiteral("9"));
    Find<QPushButton>(d, "okButton")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(op.Texts().empty());
    QVERIFY(d.Values().rollPaper);
    QCOMPARE(d.Values().mode, 0x104);
    QCOMPARE(d.Values().rollPaperFont.sizeTenths, 90);
    QCOMPARE(QString::fromStdString(d.Values().rollPaperFont.face),
             QStringLiteral("DejaVu Sans Mono"));
}

void PrinterSetupTest::missingRollPaperPrinterKeepsTheDialogOpen() {
    ScriptedOperator op;
    std::vector<int> probed;
    CPrinterSetup d(
        Stored(),
        [&](int model) {
            probed.push_back(model);
            op.ShowMessage("Roll-paper type printer can't be used.", MsgIcon::Information,
                           MsgButtons::Ok);
            return false;
        },
        op);
    d.show();
    Find<QRadioButton>(d, "ctl1201")->setChecked(true);
    Find<QPushButton>(d, "okButton")->click();
    QVERIFY(d.isVisible());
    QCOMPARE(probed, std::vector<int>{1});
    QCOMPARE(d.Values().rollPaper, false);
}

void PrinterSetupTest::sizesOutsideTheirRangeAreRefused_data() {
    QTest::addColumn<bool>("rollPaper");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("message");
    QTest::newRow("roll 21") << true << "21"
                             << "Range of values are from  9  to  20.";
    QTest::newRow("roll 8") << true << "8"
                            << "Range of values are from  9  to  20.";
    QTest::newRow("roll 10.5") << true << "10.5"
                               << "Range of values are from  9  to  20.";
    QTest::newRow("page 3") << false << "3"
                            << "Range of values are from  4  to  20.";
    QTest::newRow("page abc") << false << "abc"
                              << "Range of values are from  4  to  20.";
}

void PrinterSetupTest::sizesOutsideTheirRangeAreRefused() {
    QFETCH(bool, rollPaper);
    QFETCH(QString, size);
    QFETCH(QString, message);
    ScriptedOperator op;
    CPrinterSetup d(Stored(), {}, op);
    d.show();
    Find<QRadioButton>(d, rollPaper ? "ctl1201" : "ctl1200")->setChecked(true);
    SetSize(d, rollPaper ? "ctl1222" : "ctl1212", size);
    Find<QPushButton>(d, "okButton")->click();
    QVERIFY(d.isVisible());
    QCOMPARE(op.Texts(), std::vector<std::string>{message.toStdString()});
}

void PrinterSetupTest::pagePrinterClearsTheKindAndKeepsTheRollPaperSettings() {
    ScriptedOperator op;
    PrinterSetupValues stored = Stored();
    stored.rollPaper = true;
    CPrinterSetup d(stored, {}, op);
    QVERIFY(Find<QRadioButton>(d, "ctl1201")->isChecked());
    Find<QRadioButton>(d, "ctl1200")->setChecked(true);
    Find<QRadioButton>(d, "ctl1226")->setChecked(true);  // ignored for the page printer
    SetSize(d, "ctl1212", QStringLiteral("4"));
    Find<QPushButton>(d, "okButton")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.Values().rollPaper);
    QCOMPARE(d.Values().page.sizeTenths, 40);
    QCOMPARE(d.Values().mode, 0x101);
    QCOMPARE(d.Values().rollPaperFont.sizeTenths, 140);
}

void PrinterSetupTest::fontListsHoldFixedPitchFacesOnly() {
    ScriptedOperator op;
    CPrinterSetup d(Stored(), {}, op);
    for (const char* name : {"ctl1211", "ctl1221"}) {
        QComboBox* faces = Find<QComboBox>(d, name);
        QVERIFY(faces->findText(QStringLiteral("DejaVu Sans Mono")) >= 0);
        QCOMPARE(faces->findText(QStringLiteral("DejaVu Sans")), -1);
        QCOMPARE(faces->currentText(), QStringLiteral("DejaVu Sans Mono"));
    }
}

void PrinterSetupTest::theFaceReallyUsedIsShown() {
    ScriptedOperator op;
    PrinterSetupValues stored = Stored();
    // The old default: missing here, and proportional where it is installed.
    stored.page.face = "Times New Roman";
    CPrinterSetup d(stored, {}, op);
    if (const char* shots = std::getenv("KLV_SHOT_DIR")) {
        d.show();
        d.grab().save(QString::fromLocal8Bit(shots) + "/printer_set.png");
    }
    auto* page = Find<QLabel>(d, "pageFaceUsed");
    QCOMPARE(page->text(), QStringLiteral("Printed in DejaVu Sans Mono"));
    QCOMPARE(Find<QLabel>(d, "rollFaceUsed")->text(),
             QStringLiteral("Printed in DejaVu Sans Mono"));
    // Installed but proportional is replaced too; a fixed-pitch face is kept in its own spelling.
    auto* faces = Find<QComboBox>(d, "ctl1211");
    faces->setEditText(QStringLiteral("DejaVu Sans"));
    QCOMPARE(page->text(), QStringLiteral("Printed in DejaVu Sans Mono"));
    faces->setEditText(QStringLiteral("dejavu sans mono"));
    QCOMPARE(page->text(), QStringLiteral("Printed in DejaVu Sans Mono"));
    QCOMPARE(ResolvePrintFace(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans Mono"));
}

}  // namespace klv

QTEST_MAIN(klv::PrinterSetupTest)
#include "printer_setup_test.moc"
