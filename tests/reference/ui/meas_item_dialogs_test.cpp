#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "base/ui/subclass_list_ctrl.h"
#include "item_dialog_fixture.h"
#include "reference/ui/edit_condition_item.h"
#include "reference/ui/meas_item_alloy.h"
#include "reference/ui/meas_item_auto_stop.h"
#include "reference/ui/meas_item_blanking.h"
#include "reference/ui/meas_item_meas_unit.h"
#include "reference/ui/meas_item_pump.h"
#include "reference/ui/meas_item_range.h"
#include "reference/ui/meas_item_sensitive.h"
#include "reference/ui/meas_item_solution.h"
#include "reference/ui/solution_select.h"

namespace klv {
namespace {

using test::Choose;
using test::Click;
using test::Find;
using test::Type;

using Texts = std::vector<std::string>;

// Sn over its alloy layer over Cu, on steel, written as channel 6.
MeasFileData TinAlloyCopper(test::ItemDialogFixture& f) {
    MeasFileData d = test::ChannelListFixture::Named(test::MakeCondition(3), "Tin wire", "");
    d.coat[2] = d.coat[1];
    d.coat[1] = LayerCondition{};
    d.coat[1].bCode = kAlloyLayerCode;
    d.coat[1].bRange = 2;
    d.coat[1].bSolution = 6;
    d.coat[1].bSensitivity = 4;
    [&] { QVERIFY(f.store.WriteConditionFile(5, d)); }();
    return d;
}

// Presses OK on a shown dialog and reports whether it closed accepted.
bool PressOk(QDialog& dlg) {
    dlg.show();
    Click(dlg, "okButton");
    return dlg.result() == QDialog::Accepted && !dlg.isVisible();
}

}  // namespace

class MeasItemDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void sensitivityNeedsASelectionAndIsWritten() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[1].bSensitivity = 0;
        CMeasItemSensitive dlg(f.ctx, d, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Sensitivity set"));
        QCOMPARE(Find<QLabel>(dlg, "layerName2")->text(), QStringLiteral("Cu"));
        QCOMPARE(Find<QLabel>(dlg, "layerName4")->text(), QString());
        QVERIFY(!Find<QComboBox>(dlg, "sensitivityCombo4")->isEnabled());
        QCOMPARE(Find<QComboBox>(dlg, "sensitivityCombo1")->currentText(),
                 QStringLiteral("Automatic"));
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"Lack of item."});
        QCOMPARE(dlg.focusWidget(), Find<QComboBox>(dlg, "sensitivityCombo2"));
        QCOMPARE(f.Channel(0).coat[1].bSensitivity, 1);  // nothing written yet

        Choose(dlg, "sensitivityCombo2", 4);
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).coat[1].bSensitivity, 5);
        QCOMPARE(dlg.Condition().coat[1].bSensitivity, 5);
        QCOMPARE(f.Channel(0).coat[0].bSensitivity, 1);
    }

    void solutionMissingOpensTheListAndTheChoiceIsWritten() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[1].bSolution = 0;
        CMeasItemSolution dlg(f.ctx, d, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of test solution"));
        QCOMPARE(Find<QPushButton>(dlg, "solutionBox1")->text(), QStringLiteral("E-21"));
        QVERIFY(!Find<QPushButton>(dlg, "solutionBox5")->isEnabled());
        int listedCoating = -1;
        test::ModalDriver modal;
        modal.When(QStringLiteral("solutionSelect"), [&](QWidget& list) {
            auto* select = static_cast<CSolutionSelect*>(&list);
            listedCoating = select->List().topLevelItem(0)->text(0) == QStringLiteral("Cu");
            emit select->List().rowActivated(0);
        });
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"Lack of item."});
        QCOMPARE(listedCoating, 1);  // Cu, the layer's coating, comes first
        QCOMPARE(Find<QPushButton>(dlg, "solutionBox2")->text(), QStringLiteral("E-21"));
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).coat[1].bSolution, 1);
    }

    void rangeOutsideTheUnitIsRefusedOnItsCombo() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        for (int k = 0; k < 3; ++k)
            d.coat[k].bRange = 6;
        d.bUnit = kUnitNanometre;
        QVERIFY(f.store.WriteConditionFile(0, d));
        CMeasItemRange dlg(f.ctx, d, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of current range"));
        QCOMPARE(Find<QComboBox>(dlg, "rangeCombo1")->count(), 8);
        Choose(dlg, "rangeCombo2", 1);  // 1/1 has no nm resolution
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"This range can't be used with specified unit"});
        QCOMPARE(dlg.focusWidget(), Find<QComboBox>(dlg, "rangeCombo2"));
        QCOMPARE(f.Channel(0).coat[1].bRange, 6);

        Choose(dlg, "rangeCombo2", 7);
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).coat[1].bRange, 8);
    }

    void alloyLayerRangeFollowsTheLayerAbove() {
        test::ItemDialogFixture f;
        MeasFileData d = TinAlloyCopper(f);
        d.coat[1].bRange = 3;  // a file that lost the shared range
        CMeasItemRange dlg(f.ctx, d, 5);
        QCOMPARE(Find<QComboBox>(dlg, "rangeCombo2")->currentIndex(), 1);
        QCOMPARE(Find<QLabel>(dlg, "layerName2")->text(), QStringLiteral("Alloy layer"));
        auto* alloy = Find<QComboBox>(dlg, "rangeCombo2");
        QVERIFY(!alloy->isEnabled());
        Choose(dlg, "rangeCombo1", 4);
        QCOMPARE(alloy->currentIndex(), 4);
        QVERIFY(PressOk(dlg));
        const MeasFileData written = f.Channel(5);
        QCOMPARE(written.coat[0].bRange, 5);
        QCOMPARE(written.coat[1].bRange, 5);
        QCOMPARE(written.coat[2].bRange, 2);
    }

    void pumpNeedsASelectionAndIsWritten() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[2].bPump = 11;  // no such speed
        CMeasItemPump dlg(f.ctx, d, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of pump speed"));
        auto* pump = Find<QComboBox>(dlg, "pumpCombo3");
        QCOMPARE(pump->count(), 11);
        QCOMPARE(pump->currentIndex(), -1);
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"Lack of item."});
        Choose(dlg, "pumpCombo3", 10);
        Choose(dlg, "pumpCombo1", 6);
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).coat[2].bPump, 10);
        QCOMPARE(f.Channel(0).coat[0].bPump, 6);
    }

    void autoStopChecksTypedThicknessesInTheUnit() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[1].bLayerFlags |= kLayerAutoStopOn;
        d.coat[1].fAutoStop = 12.34f;
        CMeasItemAutoStop dlg(f.ctx, d, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of Auto stop"));
        QVERIFY(Find<QCheckBox>(dlg, "autoStopNil1")->isChecked());
        QVERIFY(!Find<QLineEdit>(dlg, "autoStopEdit1")->isEnabled());
        QCOMPARE(Find<QLineEdit>(dlg, "autoStopEdit2")->text(), QStringLiteral("12.3"));
        QCOMPARE(Find<QLabel>(dlg, "autoStopUnit1")->text(), QStringLiteral("[um]"));
        QVERIFY(Find<QLabel>(dlg, "referenceText")->text().startsWith(" Gasket      Cr"));

        Find<QCheckBox>(dlg, "autoStopNil1")->setChecked(false);
        Type(dlg, "autoStopEdit1", "50");
        QVERIFY(!PressOk(dlg));
        Type(dlg, "autoStopEdit1", "x");
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), (Texts{"Range of values are from  0.1  to  40.0.",
                                      "Error in the numerical value."}));
        QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(dlg, "autoStopEdit1"));

        Type(dlg, "autoStopEdit1", "7.5");
        Find<QCheckBox>(dlg, "autoStopNil3")->setChecked(false);
        QVERIFY(!PressOk(dlg));  // layer 3 turned on without a thickness
        QCOMPARE(f.op.Texts().back(), std::string("Range of values are from  0.1  to  40.0."));
        Find<QCheckBox>(dlg, "autoStopNil3")->setChecked(true);
        QVERIFY(PressOk(dlg));
        const MeasFileData written = f.Channel(0);
        QVERIFY(written.coat[0].bLayerFlags & kLayerAutoStopOn);
        QCOMPARE(written.coat[0].fAutoStop, 7.5f);
        // The untouched edit keeps every digit of the stored thickness.
        QCOMPARE(written.coat[1].fAutoStop, 12.34f);
        QVERIFY(!(written.coat[2].bLayerFlags & kLayerAutoStopOn));
    }

    void autoStopOfAnAlloyLayerIsLabelledInCounts() {
        test::ItemDialogFixture f;
        CMeasItemAutoStop dlg(f.ctx, TinAlloyCopper(f), 5);
        QCOMPARE(Find<QLabel>(dlg, "autoStopUnit1")->text(), QStringLiteral("[CNT]"));
        QCOMPARE(Find<QLabel>(dlg, "autoStopUnit4")->text(), QString());
    }

    void blankingOutsideZeroToFortyIsRefused() {
        test::ItemDialogFixture f;
        CMeasItemBlanking dlg(f.ctx, f.Channel(0), 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of blanking time"));
        QCOMPARE(Find<QLineEdit>(dlg, "blankingEdit1")->text(), QStringLiteral("5"));
        Type(dlg, "blankingEdit2", "41");
        QVERIFY(!PressOk(dlg));
        Type(dlg, "blankingEdit2", "");
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(),
                 (Texts{"Range of values are from  0  to  40.", "Error in the numerical value."}));
        QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(dlg, "blankingEdit2"));
        Type(dlg, "blankingEdit2", "-4");  // only digits get in
        QCOMPARE(Find<QLineEdit>(dlg, "blankingEdit2")->text(), QStringLiteral("4"));
        Type(dlg, "blankingEdit3", "40");
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).coat[1].bBlanking, 4);
        QCOMPARE(f.Channel(0).coat[2].bBlanking, 40);
    }

    void unitMustFitEveryRange() {
        test::ItemDialogFixture f;
        CMeasItemMeasUnit dlg(f.ctx, f.Channel(0), 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of unit"));
        auto* unit = Find<QComboBox>(dlg, "unitCombo");
        QCOMPARE(unit->currentText(), QStringLiteral("um"));
        Choose(dlg, "unitCombo", 1);  // nm: no row for 1/1
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"Set up range is not possible to use this unit."});
        QCOMPARE(dlg.focusWidget(), unit);
        QCOMPARE(f.Channel(0).bUnit, kUnitMicrometre);
        Choose(dlg, "unitCombo", 2);
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).bUnit, kUnitMil);
    }

    void alloyCoefficientsAreCheckedAndReset() {
        test::ItemDialogFixture f;
        CMeasItemAlloy dlg(f.ctx, TinAlloyCopper(f), 5);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Setting of alloy coefficient"));
        QCOMPARE(Find<QLineEdit>(dlg, "alloyCoefSnEdit")->text(), QStringLiteral("0.25"));
        QCOMPARE(Find<QLineEdit>(dlg, "alloyCoefCuEdit")->text(), QStringLiteral("0.323"));
        QVERIFY(Find<QLineEdit>(dlg, "alloyCoefCuEdit")->isEnabled());
        QVERIFY(dlg.findChild<QLineEdit*>(QStringLiteral("contentEdit")) == nullptr);
        Type(dlg, "alloyCoefSnEdit", "0.95");
        QVERIFY(!PressOk(dlg));
        Type(dlg, "alloyCoefSnEdit", "0.3");
        Type(dlg, "alloyCoefCuEdit", "a");
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), (Texts{"Range of values are from  0.01  to  0.9.",
                                      "Error in the numerical value."}));
        QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(dlg, "alloyCoefCuEdit"));
        Click(dlg, "alloyCoefCuReset");
        QCOMPARE(Find<QLineEdit>(dlg, "alloyCoefCuEdit")->text(), QStringLiteral("0.323"));
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(5).fAlloyCoefSn, 0.3f);
        QCOMPARE(f.Channel(5).fAlloyCoefCu, 0.323f);
    }

    void alloyContentOfSolderIsLimited() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[0].bCode = kCoatSolder;
        SetFixedText(d.coat[0].Name, "SO");
        d.bContent = 40;
        QVERIFY(f.store.WriteConditionFile(0, d));
        CMeasItemAlloy dlg(f.ctx, d, 0);
        QVERIFY(!Find<QLineEdit>(dlg, "alloyCoefSnEdit")->isEnabled());
        QVERIFY(!Find<QLineEdit>(dlg, "alloyCoefCuEdit")->isEnabled());
        QCOMPARE(Find<QLabel>(dlg, "contentLabel")->text(), QStringLiteral("Content of  Pb"));
        QCOMPARE(Find<QLineEdit>(dlg, "contentEdit")->text(), QStringLiteral("40"));
        Type(dlg, "contentEdit", "101");
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"Range of values are from  0  to  100."});
        Type(dlg, "contentEdit", "100");
        QVERIFY(PressOk(dlg));
        QCOMPARE(f.Channel(0).bContent, 100);
    }

    void failedWriteKeepsTheDialogAndTheCallersCondition() {
        test::ItemDialogFixture f;
        const MeasFileData d = f.Channel(0);
        CMeasItemBlanking dlg(f.ctx, d, kChannelCount);  // no file name for this index
        Type(dlg, "blankingEdit1", "9");
        QVERIFY(!PressOk(dlg));
        QCOMPARE(f.op.Texts(), Texts{"The file can't be made."});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.Condition().coat[0].bBlanking, 5);
        QCOMPARE(Find<QLineEdit>(dlg, "blankingEdit1")->text(), QStringLiteral("9"));
    }

    void editConditionItemOpensTheDialogOfTheCommand() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        QString title;
        test::ModalDriver modal;
        modal.When(QStringLiteral("QDialog"), [&](QWidget& dlg) {
            title = dlg.windowTitle();
            Choose(dlg, "pumpCombo2", 3);
            Click(dlg, "okButton");
        });
        QVERIFY(EditConditionItem(32883, f.ctx, d, 0, nullptr));
        QCOMPARE(title, QStringLiteral("Setting of pump speed"));
        QCOMPARE(d.coat[1].bPump, 3);
        QCOMPARE(f.Channel(0).coat[1].bPump, 3);

        modal.When(QStringLiteral("QDialog"), [&](QWidget& dlg) {
            title = dlg.windowTitle();
            Choose(dlg, "sensitivityCombo1", 8);
            Click(dlg, "cancelButton");
        });
        QVERIFY(!EditConditionItem(32880, f.ctx, d, 0, nullptr));
        QCOMPARE(title, QStringLiteral("Sensitivity set"));
        QCOMPARE(d.coat[0].bSensitivity, 1);
        QCOMPARE(f.Channel(0).coat[0].bSensitivity, 1);
        QVERIFY(!EditConditionItem(32888, f.ctx, d, 0, nullptr));
        QVERIFY(f.op.Texts().empty());
    }

    void everyCommandHasItsOwnDialog() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        QStringList titles;
        test::ModalDriver modal;
        for (int id = 32880; id <= 32887; ++id) {
            modal.When(QStringLiteral("QDialog"), [&](QWidget& dlg) {
                titles << dlg.windowTitle();
                Click(dlg, "cancelButton");
            });
            QVERIFY(!EditConditionItem(id, f.ctx, d, 0, nullptr));
        }
        QCOMPARE(titles, (QStringList{"Sensitivity set", "Setting of test solution",
                                      "Setting of current range", "Setting of pump speed",
                                      "Setting of Auto stop", "Setting of blanking time",
                                      "Setting of unit", "Setting of alloy coefficient"}));
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasItemDialogsTest)
#include "meas_item_dialogs_test.moc"
