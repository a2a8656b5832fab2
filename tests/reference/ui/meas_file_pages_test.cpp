#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "base/fixed_text.h"
#include "base/ui/subclass_list_ctrl.h"
#include "reference/condition_rules.h"
#include "reference/ui/coat_base_select.h"
#include "reference/ui/solution_select.h"
#include "sheet_fixture.h"
#include "support/ui/modal_driver.h"

namespace klv {

using test::Choose;
using test::Find;
using test::FindLayer;
using test::SheetFixture;
using test::Type;

namespace {

void ClickNext(CMeasFileSheet& sheet) {
    Find<QPushButton>(sheet, "nextButton")->click();
}

// A complete condition opened on one tab of the tabbed sheet.
void OpenTab(CMeasFileSheet& sheet, ConditionPage page) {
    auto* tabs = Find<QTabBar>(sheet, "pageTabs");
    for (std::size_t i = 0; i < sheet.Pages().size(); ++i)
        if (sheet.Pages()[i] == page)
            tabs->setCurrentIndex(static_cast<int>(i));
}

}  // namespace

class MeasFilePagesTest : public QObject {
    Q_OBJECT
private slots:
    void aLayerWithoutCombinationNeedsItsSolutionTyped() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 18, "Au", 0);  // gold has no row over steel
        QVERIFY(Find<QPushButton>(sheet, "nextButton")->isVisible());
        ClickNext(sheet);
        QCOMPARE(f.op.Texts(),
                 std::vector<std::string>{"Au / Fe\n\nis not applicable for a combination of test "
                                          "solutions selection table."});
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Pump);
        QCOMPARE(Find<QLabel>(sheet, "pageCaption")->text(),
                 QString::fromUtf8("Setting of pump \u00B7Test solution\u00B7Sensitivity"));
        QVERIFY(FindLayer<QComboBox>(sheet, "pumpCombo", 0)->isVisible());
        QVERIFY(!FindLayer<QComboBox>(sheet, "pumpCombo", 1)->isVisible());
        QCOMPARE(FindLayer<QLabel>(*sheet.Page(ConditionPage::Pump), "layerName", 0)->text(),
                 QStringLiteral("Au"));
        f.op.Clear();
        // "Lack of item." opens the solution list, whose choice is stored at once.
        f.solutionAnswers.push_back(12);
        ClickNext(sheet);
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Lack of item."});
        QCOMPARE(f.solutionCalls, (std::vector<std::pair<int, int>>{{18, 1}}));
        QCOMPARE(FindLayer<QPushButton>(sheet, "solutionBox", 0)->text(), QStringLiteral("E-32"));
        Choose(FindLayer<QComboBox>(sheet, "pumpCombo", 0), 3);
        ClickNext(sheet);
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Current);
        // Gold has rows over other materials, so "Auto" is offered, but not set by the defaults.
        QVERIFY(FindLayer<QCheckBox>(sheet, "autoCheck", 0)->isEnabled());
        QVERIFY(!FindLayer<QCheckBox>(sheet, "autoCheck", 0)->isChecked());
        auto* current = FindLayer<QLineEdit>(sheet, "currentEdit", 0);
        Type(current, QStringLiteral("230"));
        f.op.Clear();
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Range of values are from  0  to  220."});
        Type(current, QStringLiteral("12.5"));
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(sheet.Confirmed());
        const LayerCondition& c = sheet.ConfirmedData().coat[0];
        QCOMPARE(c.bSolution, std::uint8_t(12));
        QCOMPARE(c.bPump, std::uint8_t(3));
        QCOMPARE(c.fCurrent, 12.5f);
        QVERIFY((c.bLayerFlags & kLayerCurrentAuto) == 0);
    }

    void outputCurrentInMicroAmpsAndItsConfirmation() {
        SheetFixture f;
        std::vector<std::pair<float, int>> confirmed;
        f.ctx.confirmOutputCurrent = [&](float mA, const MeasFileData&, int layer, QWidget*) {
            confirmed.emplace_back(mA, layer);
        };
        MeasFileData d = test::MakeCondition(2);
        d.coat[1].fCurrent = 20.0f;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        OpenTab(sheet, ConditionPage::Current);
        auto* auto0 = FindLayer<QCheckBox>(sheet, "autoCheck", 0);
        auto* edit0 = FindLayer<QLineEdit>(sheet, "currentEdit", 0);
        auto* edit1 = FindLayer<QLineEdit>(sheet, "currentEdit", 1);
        QVERIFY(auto0->isEnabled());
        QVERIFY(!auto0->isChecked());
        QCOMPARE(edit1->text(), QStringLiteral("20"));
        auto0->click();
        // Sn with gasket A at 1/1: the Sn factor 13.55 mA.
        QCOMPARE(edit0->text(), QStringLiteral("13.55"));
        QVERIFY(!edit0->isEnabled());
        Find<QRadioButton>(sheet, "microAmpRadio")->click();
        QCOMPARE(edit0->text(), QStringLiteral("13550"));
        QCOMPARE(edit1->text(), QStringLiteral("20000"));
        Type(edit1, QStringLiteral("230000"));
        FindLayer<QPushButton>(sheet, "outputConfirmButton", 1)->click();
        QCOMPARE(f.op.Texts(),
                 std::vector<std::string>{"Range of values are from  0  to  220000."});
        QVERIFY(confirmed.empty());
        Type(edit1, QStringLiteral("1500"));
        FindLayer<QPushButton>(sheet, "outputConfirmButton", 1)->click();
        QCOMPARE(confirmed.size(), std::size_t(1));
        QCOMPARE(confirmed[0].first, 1.5f);
        QCOMPARE(confirmed[0].second, 1);
        Find<QRadioButton>(sheet, "milliAmpRadio")->click();
        QCOMPARE(edit1->text(), QStringLiteral("1.5"));
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        QVERIFY((sheet.ConfirmedData().coat[0].bLayerFlags & kLayerCurrentAuto) != 0);
        QCOMPARE(sheet.ConfirmedData().coat[1].fCurrent, 1.5f);
    }

    void freeNameCoatingHasNoAutomaticCurrentNorConfirmationWithoutTheDialog() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(1);
        d.coat[0].bCode = 20;
        d.coat[0].bLayerFlags = kLayerCurrentAuto;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        OpenTab(sheet, ConditionPage::Current);
        QVERIFY(!FindLayer<QPushButton>(sheet, "outputConfirmButton", 0)->isEnabled());
        QVERIFY(!FindLayer<QCheckBox>(sheet, "autoCheck", 0)->isEnabled());
        QVERIFY(!FindLayer<QCheckBox>(sheet, "autoCheck", 0)->isChecked());
        QVERIFY(FindLayer<QLineEdit>(sheet, "currentEdit", 0)->isEnabled());
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        QCOMPARE(sheet.ConfirmedData().coat[0].bLayerFlags & kLayerCurrentAuto, 0);
    }

    void tinOverAnAlloyLayerAsksCoefficientsAndTheSpecialPair() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 11, "Sn", 0);
        f.AnswerCoat(5, "Cu");
        Find<QPushButton>(sheet, "coatBox1")->click();
        ClickNext(sheet);
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Lack of item."});
        QCOMPARE(sheet.CurrentPage(), ConditionPage::General);
        f.op.Clear();
        Choose(Find<QComboBox>(sheet, "rangeCombo2"), 1);
        ClickNext(sheet);
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Alloy);
        QCOMPARE(Find<QLabel>(sheet, "pageCaption")->text(),
                 QStringLiteral("Setting alloy coefficient"));
        auto* sn = Find<QLineEdit>(sheet, "snCoefEdit");
        auto* cu = Find<QLineEdit>(sheet, "cuCoefEdit");
        QVERIFY(sn->isEnabled());
        QVERIFY(cu->isEnabled());
        QCOMPARE(sn->text(), QStringLiteral("0.25"));
        QCOMPARE(cu->text(), QStringLiteral("0.323"));
        QVERIFY(!Find<QLineEdit>(sheet, "contentEdit")->isVisible());
        Type(cu, QStringLiteral("0.95"));
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(f.op.Texts(),
                 std::vector<std::string>{"Range of values are from  0.01  to  0.9."});
        Find<QPushButton>(sheet, "cuResetButton")->click();
        QCOMPARE(cu->text(), QStringLiteral("0.323"));
        // A cancelled special pair keeps the page open.
        f.specialAccepts = false;
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(f.specialCalls, 1);
        QVERIFY(!sheet.Confirmed());
        f.specialAccepts = true;
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(sheet.Confirmed());
        const MeasFileData& d = sheet.ConfirmedData();
        QCOMPARE(d.coat[0].bSolution, std::uint8_t(4));  // "E-24"
        QCOMPARE(d.coat[1].bSolution, std::uint8_t(6));  // "E-26"
        QCOMPARE(d.coat[1].bSensitivity, std::uint8_t(4));
    }

    void solderContentIsCheckedAgainstItsMaximum() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(1);
        d.coat[0].bCode = 7;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        OpenTab(sheet, ConditionPage::Alloy);
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Alloy);
        QCOMPARE(Find<QLabel>(sheet, "contentLabel")->text(), QStringLiteral("Content of  Pb"));
        QVERIFY(!Find<QLineEdit>(sheet, "snCoefEdit")->isEnabled());
        Type(Find<QLineEdit>(sheet, "contentEdit"), QStringLiteral("101"));
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Range of values are from  0  to  100."});
        Type(Find<QLineEdit>(sheet, "contentEdit"), QStringLiteral("40"));
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        QCOMPARE(sheet.ConfirmedData().bContent, std::uint8_t(40));
    }

    void autoStopKeepsAnUntouchedValueAndChecksATypedOne() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(2);
        d.coat[0].bLayerFlags |= kLayerAutoStopOn;
        d.coat[0].fAutoStop = 12.3456f;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        OpenTab(sheet, ConditionPage::AutoStop);
        QCOMPARE(FindLayer<QLineEdit>(sheet, "autoStopEdit", 0)->text(), QStringLiteral("12.3"));
        QCOMPARE(FindLayer<QLabel>(sheet, "autoStopUnit", 0)->text(), QStringLiteral("[um]"));
        auto* nil1 = FindLayer<QCheckBox>(sheet, "nilCheck", 1);
        QVERIFY(nil1->isChecked());
        QVERIFY(!FindLayer<QLineEdit>(sheet, "autoStopEdit", 1)->isEnabled());
        QVERIFY(Find<QCheckBox>(sheet, "weightCountCheck")->isVisible());
        QVERIFY(!Find<QLabel>(sheet, "referenceLabel")->text().isEmpty());
        nil1->click();
        Type(FindLayer<QLineEdit>(sheet, "autoStopEdit", 1), QStringLiteral("45"));
        Find<QCheckBox>(sheet, "weightCountCheck")->click();
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(),
                 std::vector<std::string>{"Range of values are from  0.1  to  40.0."});
        Type(FindLayer<QLineEdit>(sheet, "autoStopEdit", 1), QStringLiteral("8"));
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        const MeasFileData& r = sheet.ConfirmedData();
        QCOMPARE(r.coat[0].fAutoStop, 12.3456f);
        QCOMPARE(r.coat[1].fAutoStop, 8.0f);
        QVERIFY((r.coat[1].bLayerFlags & kLayerAutoStopOn) != 0);
        QVERIFY((r.bWtFlags & kWtPlatingWeightCount) != 0);
    }

    void wtConditionShowsCountsAndLaterBoxesDisableTheirEdits() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(1);
        d.bGasket = 4;
        d.bWtMode = 3;
        d.fWtArea = 4.0f;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        OpenTab(sheet, ConditionPage::AutoStop);
        QCOMPARE(FindLayer<QLabel>(sheet, "autoStopUnit", 0)->text(), QStringLiteral("[CNT]"));
        OpenTab(sheet, ConditionPage::Wt);
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Wt);
        QVERIFY(Find<QRadioButton>(sheet, "smallRadio")->isChecked());
        QCOMPARE(Find<QLineEdit>(sheet, "areaEdit")->text(), QStringLiteral("4"));
        QVERIFY(!Find<QLineEdit>(sheet, "diameterEdit")->isEnabled());
        Type(Find<QLineEdit>(sheet, "areaEdit"), QStringLiteral("-2"));
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Less than zero can't be specified."});
        f.op.Clear();
        Find<QRadioButton>(sheet, "squareRadio")->click();
        QVERIFY(Find<QLineEdit>(sheet, "sideAEdit")->isEnabled());
        QVERIFY(!Find<QLineEdit>(sheet, "areaEdit")->isEnabled());
        Find<QCheckBox>(sheet, "squareLaterCheck")->click();
        QVERIFY(!Find<QLineEdit>(sheet, "squareLengthEdit")->isEnabled());
        Type(Find<QLineEdit>(sheet, "sideAEdit"), QStringLiteral("x"));
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Error in the numerical value."});
        Type(Find<QLineEdit>(sheet, "sideAEdit"), QStringLiteral("1"));
        Type(Find<QLineEdit>(sheet, "sideBEdit"), QStringLiteral("2"));
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        const MeasFileData& r = sheet.ConfirmedData();
        QCOMPARE(r.bWtMode, std::uint8_t(2));
        QVERIFY((r.bWtFlags & kWtLengthLater) != 0);
        QVERIFY((r.bWtFlags & kWtCoefValid) == 0);
    }

    void theRealCoatingSelectionAnswersTheBasicPage() {
        SheetFixture f;
        MeasFileSheetSeams seams = DefaultMeasFileSheetSeams(f.ctx);
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, seams);
        sheet.show();
        bool offered = false;
        test::ModalDriver modal;
        modal.When(QStringLiteral("coatBaseSelect"), [&](QWidget& select) {
            QCOMPARE(select.windowTitle(), QStringLiteral("Set a Coating"));
            for (QPushButton* b : select.findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("Cu Copper")) {
                    offered = true;
                    b->click();
                }
        });
        Find<QPushButton>(sheet, "coatBox0")->click();
        QVERIFY(offered);
        QCOMPARE(Find<QPushButton>(sheet, "coatBox0")->text(), QStringLiteral("Cu"));
        QCOMPARE(sheet.Working().coat[0].bCode, std::uint8_t(5));
    }

    void theRealSolutionListAnswersThePumpPage() {
        SheetFixture f;
        f.ctx.oneClickActivate = true;
        CMeasFileSheet sheet(f.ctx, test::MakeCondition(1), 0, false,
                             DefaultMeasFileSheetSeams(f.ctx));
        sheet.show();
        OpenTab(sheet, ConditionPage::Pump);
        bool listed = false;
        test::ModalDriver modal;
        modal.When(QStringLiteral("solutionSelect"), [&](QWidget& w) {
            auto* select = static_cast<CSolutionSelect*>(&w);
            listed = select->List().topLevelItemCount() > 0;
            const QRect row = select->List().visualRect(select->List().model()->index(0, 0));
            QTest::mouseClick(select->List().viewport(), Qt::LeftButton, {}, row.center());
        });
        FindLayer<QPushButton>(sheet, "solutionBox", 0)->click();
        QVERIFY(listed);
        // The first group of tin: "E-24".
        QCOMPARE(FindLayer<QPushButton>(sheet, "solutionBox", 0)->text(), QStringLiteral("E-24"));
        QCOMPARE(sheet.Working().coat[0].bSolution, std::uint8_t(4));
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasFilePagesTest)
#include "meas_file_pages_test.moc"
