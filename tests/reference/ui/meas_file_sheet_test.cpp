#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <cstring>

#include "base/fixed_text.h"
#include "base/ui/missing_item_mark.h"
#include "base/ui/subclass_tab_ctrl.h"
#include "reference/condition_rules.h"
#include "reference/ui/edit_condition.h"
#include "sheet_fixture.h"
#include "support/ui/modal_driver.h"

namespace klv {

using test::Choose;
using test::Find;
using test::SheetFixture;

namespace {

QString BoxText(QWidget& w, int k) {
    return test::FindLayer<QPushButton>(w, "coatBox", k)->text();
}

// Sn over Cu over steel, range 1/1, gasket A, as the basic page leaves it.
void SetUpTinOnCopper(SheetFixture& f, CMeasFileSheet& sheet) {
    f.SetUpBasic(sheet, 11, "Sn", 0);
    f.AnswerCoat(5, "Cu");
    Find<QPushButton>(sheet, "coatBox1")->click();
}

// Cu over Ni on steel, or Sn over Cu, with settings no default gives: blanking 12 s, pump 3,
// solution 2, manual current 15 mA.
MeasFileData CopySource(int topCoating, const char* topName, int secondCoating,
                        const char* secondName) {
    MeasFileData d = test::MakeCondition(2);
    SetFixedText(d.szFileName, "Source");
    d.coat[0].bCode = static_cast<std::uint8_t>(topCoating);
    SetFixedText(d.coat[0].Name, topName);
    d.coat[1].bCode = static_cast<std::uint8_t>(secondCoating);
    SetFixedText(d.coat[1].Name, secondName);
    SetFixedText(d.baseName, "Fe");
    for (LayerCondition& layer : d.coat) {
        if (layer.bCode == 0)
            continue;
        layer.bBlanking = 12;
        layer.bPump = 3;
        layer.bSolution = 2;
        layer.fCurrent = 15.0f;
        layer.bLayerFlags = static_cast<std::uint8_t>(layer.bLayerFlags & ~kLayerCurrentAuto);
    }
    return d;
}

// The measurement condition part of the record: bytes 80 to 335.
bool SameCondition(const MeasFileData& a, const MeasFileData& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    return std::memcmp(x + 80, y + 80, 256) == 0;
}

}  // namespace

class MeasFileSheetTest : public QObject {
    Q_OBJECT
private slots:
    void copperOnSteelFinishesFromTheBasicPageWithTheDefaults() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 4, false, f.Seams());
        sheet.show();
        QVERIFY(sheet.IsWizard());
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Set a measurement condition"));
        QCOMPARE(Find<QLabel>(sheet, "pageCaption")->text(),
                 QStringLiteral("Measurement condition set"));
        QCOMPARE(Find<QLabel>(sheet, "channelLabel")->text(), QStringLiteral(" 5:"));
        QVERIFY(Find<QPushButton>(sheet, "fileCopyButton")->isEnabled());
        f.SetUpBasic(sheet, 5, "Cu", 0);
        QVERIFY(Find<QPushButton>(sheet, "finishButton")->isVisible());
        QVERIFY(!Find<QPushButton>(sheet, "nextButton")->isVisible());
        QVERIFY(!Find<QPushButton>(sheet, "backButton")->isEnabled());
        auto* name = Find<QLineEdit>(sheet, "fileNameEdit");
        name->setText(QStringLiteral("Copper\tA"));  // pasted: a typed Tab moves the focus
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Control characters can't be used."});
        QCOMPARE(sheet.focusWidget(), name);
        QVERIFY(!sheet.Confirmed());
        f.op.Clear();
        test::Type(name, QStringLiteral("  Copper A  "));
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(f.op.Texts().empty());
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        MeasFileData d{};
        QVERIFY(f.Written(4, d));
        QCOMPARE(GetFixedText(d.szFileName), std::string("Copper A"));
        QCOMPARE(GetFixedText(d.coat[0].Name), std::string("Cu"));
        QCOMPARE(d.coat[0].bSolution, std::uint8_t(1));  // "E-21"
        QCOMPARE(d.coat[0].bPump, std::uint8_t(6));
        QCOMPARE(d.coat[0].bBlanking, std::uint8_t(5));
        QVERIFY((d.coat[0].bLayerFlags & kLayerCurrentAuto) != 0);
        QCOMPARE(d.bOldBlanking, kLegacyBlankingMoved);
        QVERIFY(sheet.Confirmed());
        QCOMPARE(std::memcmp(&d, &sheet.ConfirmedData(), sizeof d), 0);
    }

    void finishPointsAtTheFirstMissingItemWithAMark() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 4, false, f.Seams());
        sheet.show();
        f.AnswerCoat(5, "Cu");
        Find<QPushButton>(sheet, "coatBox0")->click();
        f.AnswerCoat(1, "Fe");
        Find<QPushButton>(sheet, "baseBox")->click();
        auto* range = Find<QComboBox>(sheet, "rangeCombo0");
        auto* gasket = Find<QComboBox>(sheet, "gasketCombo");
        // The range row stands above the gasket: it is named first, then the gasket.
        for (QComboBox* missing : {range, gasket}) {
            f.op.Clear();
            Find<QPushButton>(sheet, "finishButton")->click();
            QCOMPARE(f.op.Texts(), std::vector<std::string>{"Lack of item."});
            QVERIFY(!sheet.Confirmed());
            QCOMPARE(sheet.focusWidget(), missing);
            QVERIFY(IsMarkedMissing(missing));
            missing->hidePopup();
            Choose(missing, 0);
            QVERIFY(!IsMarkedMissing(missing));
        }
        f.op.Clear();
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(f.op.Texts().empty());
        QVERIFY(sheet.Confirmed());
    }

    void wtGasketLeadsToTheWtPageAndFinishesThere() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 5, "Cu", 3);
        QVERIFY(Find<QPushButton>(sheet, "nextButton")->isVisible());
        QVERIFY(!Find<QPushButton>(sheet, "finishButton")->isVisible());
        Find<QPushButton>(sheet, "nextButton")->click();
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Wt);
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Set a measurement condition"));
        QCOMPARE(Find<QLabel>(sheet, "pageCaption")->text(), QStringLiteral("WT Coefficient"));
        QVERIFY(Find<QPushButton>(sheet, "finishButton")->isVisible());
        QVERIFY(Find<QPushButton>(sheet, "backButton")->isEnabled());
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Not selected."});
        QVERIFY(!sheet.Confirmed());
        Find<QRadioButton>(sheet, "roundRadio")->click();
        test::Type(Find<QLineEdit>(sheet, "diameterEdit"), QStringLiteral("1"));
        test::Type(Find<QLineEdit>(sheet, "roundLengthEdit"), QStringLiteral("2"));
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(sheet.Confirmed());
        const MeasFileData& d = sheet.ConfirmedData();
        QCOMPARE(d.bWtMode, std::uint8_t(1));
        QCOMPARE(d.fWtCoef, 2.958f / 2.0f);
        QVERIFY((d.bWtFlags & kWtCoefValid) != 0);
        QCOMPARE(d.coat[0].bPump, std::uint8_t(0));  // no pump with the WT holder
    }

    void testingAlloyLayerInsertsAndRemovesTheAlloyLayer() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        auto* alloy = Find<QCheckBox>(sheet, "alloyCheck");
        QVERIFY(alloy->isChecked());
        SetUpTinOnCopper(f, sheet);
        QCOMPARE(BoxText(sheet, 0), QStringLiteral("Sn"));
        QCOMPARE(BoxText(sheet, 1), QStringLiteral("Alloy layer"));
        QCOMPARE(BoxText(sheet, 2), QStringLiteral("Cu"));
        QVERIFY(!Find<QPushButton>(sheet, "coatBox1")->isEnabled());
        QCOMPARE(sheet.Working().coat[1].bRange, sheet.Working().coat[0].bRange);
        QCOMPARE(sheet.Pages(),
                 (std::vector<ConditionPage>{ConditionPage::General, ConditionPage::Alloy}));
        // Tin over an alloy layer over copper takes every result item: no fifth layer.
        QVERIFY(!Find<QPushButton>(sheet, "coatBox4")->isEnabled());
        QVERIFY(Find<QPushButton>(sheet, "coatBox3")->isEnabled());
        QVERIFY(alloy->isEnabled());
        alloy->click();
        QCOMPARE(BoxText(sheet, 1), QStringLiteral("Cu"));
        QCOMPARE(BoxText(sheet, 2), QString());
        QCOMPARE(GetCoatCount(sheet.Working()), 2);
        QCOMPARE(sheet.Pages(), std::vector<ConditionPage>{ConditionPage::General});
        alloy->click();
        QCOMPARE(BoxText(sheet, 1), QStringLiteral("Alloy layer"));
    }

    void aBoxBehindAnEmptyOneOpensTheFirstEmptyLayer() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 5, "Cu", 0);
        f.coatCalls.clear();
        f.AnswerCoat(16, "Ni");
        Find<QPushButton>(sheet, "coatBox3")->click();
        QCOMPARE(f.coatCalls.size(), std::size_t(1));
        QCOMPARE(f.coatCalls[0].layer, 1);
        QCOMPARE(BoxText(sheet, 1), QStringLiteral("Ni"));
        QCOMPARE(BoxText(sheet, 3), QString());
        // "Delete" takes the layer out again.
        f.coatAnswers.push_back(CoatBaseChoice{0, {}, true});
        Find<QPushButton>(sheet, "coatBox0")->click();
        QVERIFY(f.coatCalls.back().offerDelete);
        QCOMPARE(BoxText(sheet, 0), QStringLiteral("Ni"));
        QCOMPARE(GetCoatCount(sheet.Working()), 1);
    }

    void nickelOverNickelGetsE37() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 16, "Ni", 0);
        f.AnswerCoat(16, "Ni");
        Find<QPushButton>(sheet, "coatBox1")->click();
        Choose(Find<QComboBox>(sheet, "rangeCombo1"), 1);
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(sheet.Confirmed());
        // The upper Ni lies on Ni by the table, the lower one gets "E-37" by the Ni rule
        // instead of its table row "E-30" over steel.
        QCOMPARE(sheet.ConfirmedData().coat[0].bSolution, std::uint8_t(17));
        QCOMPARE(sheet.ConfirmedData().coat[1].bSolution, std::uint8_t(17));
    }

    void fiveLayersGetNoAlloyLayer() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(3);
        d.coat[0].bCode = 16;
        d.coat[1].bCode = 5;
        d.coat[2].bCode = 16;
        d.coat[3] = d.coat[0];
        d.coat[3].bCode = 11;
        d.coat[3].bSolution = 0;
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        QVERIFY(sheet.IsWizard());
        f.AnswerCoat(5, "Cu");
        Find<QPushButton>(sheet, "coatBox4")->click();
        QCOMPARE(GetCoatCount(sheet.Working()), 5);
        for (int k = 0; k < kMaxLayers; ++k)
            QVERIFY(!IsAlloyLayer(sheet.Working().coat[k]));
        QCOMPARE(sheet.Working().coat[3].bCode, std::uint8_t(11));
        QCOMPARE(sheet.Working().coat[4].bCode, std::uint8_t(5));
    }

    void aFailedWriteKeepsTheCallersRecord() {
        SheetFixture f;
        // A file where the folder of the condition files should be: nothing can be written.
        QDir(QString::fromStdString(f.dir.Path())).rmdir(QStringLiteral("KlvMeasF"));
        test::WriteTestFile(f.dir.File("KlvMeasF"), "x");
        MeasFileData d = NewMeasFileData();
        SetFixedText(d.szFileName, "Kept");
        const MeasFileData before = d;
        bool stayedOpen = false;
        test::ModalDriver modal;
        modal.When(QStringLiteral("measFileSheet"), [&](QWidget& w) {
            auto* sheet = static_cast<CMeasFileSheet*>(&w);
            f.SetUpBasic(*sheet, 5, "Cu", 0);
            test::Type(Find<QLineEdit>(*sheet, "fileNameEdit"), QStringLiteral("Changed"));
            Find<QPushButton>(*sheet, "finishButton")->click();
            stayedOpen = sheet->isVisible();
            Find<QPushButton>(*sheet, "cancelButton")->click();
        });
        QVERIFY(!EditCondition(f.ctx, d, 0, false, nullptr, f.Seams()));
        QVERIFY(stayedOpen);
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"The file can't be made."});
        QCOMPARE(std::memcmp(&d, &before, sizeof d), 0);
    }

    void editConditionHandsBackTheWrittenCondition() {
        SheetFixture f;
        MeasFileData d = NewMeasFileData();
        test::ModalDriver modal;
        modal.When(QStringLiteral("measFileSheet"), [&](QWidget& w) {
            auto* sheet = static_cast<CMeasFileSheet*>(&w);
            f.SetUpBasic(*sheet, 5, "Cu", 0);
            Find<QPushButton>(*sheet, "finishButton")->click();
        });
        QVERIFY(EditCondition(f.ctx, d, 2, false, nullptr, f.Seams()));
        QCOMPARE(d.coat[0].bSolution, std::uint8_t(1));
        MeasFileData read{};
        QVERIFY(f.Written(2, read));
        QCOMPARE(std::memcmp(&d, &read, sizeof d), 0);
    }

    void tabbedSheetLocksTheStructureOfAConditionWithData() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(2, 6);
        SetFixedText(d.szLotNo, "L-7");
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        QVERIFY(!sheet.IsWizard());
        QVERIFY(sheet.findChild<QPushButton*>(QStringLiteral("okButton")) != nullptr);
        QVERIFY(sheet.findChild<QPushButton*>(QStringLiteral("nextButton")) == nullptr);
        auto* tabs = Find<QTabBar>(sheet, "pageTabs");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, (QStringList{"Basic data", "Pump.Test solution  . Sensitivity",
                                      "Output current", "Auto stop  .  Weight count"}));
        for (const char* name : {"coatBox0", "coatBox1", "coatBox2", "baseBox"})
            QVERIFY2(!Find<QPushButton>(sheet, name)->isEnabled(), name);
        QVERIFY(!Find<QComboBox>(sheet, "gasketCombo")->isEnabled());
        QVERIFY(Find<QComboBox>(sheet, "rangeCombo0")->isEnabled());
        QVERIFY(Find<QComboBox>(sheet, "unitCombo")->isEnabled());
        QVERIFY(!Find<QCheckBox>(sheet, "alloyCheck")->isEnabled());
        QVERIFY(!Find<QCheckBox>(sheet, "alloyCheck")->isChecked());
        QVERIFY(Find<QLineEdit>(sheet, "lotEdit")->isReadOnly());
        QVERIFY(!Find<QPushButton>(sheet, "fileCopyButton")->isEnabled());
        f.AnswerCoat(16, "Ni");
        Find<QPushButton>(sheet, "coatBox0")->click();
        QVERIFY(f.coatCalls.empty());
    }

    void tabbedSheetWithoutDataKeepsCoatingsButFreesTheLot() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(1);
        SetFixedText(d.szLotNo, "L-7");
        CMeasFileSheet sheet(f.ctx, d, 0, false, f.Seams());
        sheet.show();
        QVERIFY(!Find<QPushButton>(sheet, "coatBox0")->isEnabled());
        QVERIFY(!Find<QLineEdit>(sheet, "lotEdit")->isReadOnly());
        QVERIFY(Find<QPushButton>(sheet, "fileCopyButton")->isEnabled());
        test::Type(Find<QLineEdit>(sheet, "lotEdit"), QStringLiteral("L-8"));
        Find<QPushButton>(sheet, "applyButton")->click();
        QVERIFY(sheet.Confirmed());
        QVERIFY(sheet.isVisible());
        MeasFileData read{};
        QVERIFY(f.Written(0, read));
        QCOMPARE(GetFixedText(read.szLotNo), std::string("L-8"));
        // The tabbed sheet keeps the operator's solutions: no combination defaults.
        QCOMPARE(read.coat[0].bSolution, std::uint8_t(1));
        QCOMPARE(read.coat[0].bPump, std::uint8_t(0));
    }

    void aRefusedPageKeepsTheTabAndOkPointsAtTheFailedField() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, test::MakeCondition(1), 0, false, f.Seams());
        sheet.show();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto* tabs = Find<QTabBar>(sheet, "pageTabs");
        tabs->setCurrentIndex(3);
        QCOMPARE(sheet.CurrentPage(), ConditionPage::AutoStop);
        auto* blanking = Find<QLineEdit>(sheet, "blankingEdit0");
        test::Type(blanking, QStringLiteral("41"));
        tabs->setCurrentIndex(0);
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Range of values are from  0  to  40."});
        QCOMPARE(sheet.CurrentPage(), ConditionPage::AutoStop);
        QCOMPARE(tabs->currentIndex(), 3);
        f.op.Clear();
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Range of values are from  0  to  40."});
        QVERIFY(!sheet.Confirmed());
        QVERIFY(blanking->hasFocus());
        QCOMPARE(blanking->selectedText(), QStringLiteral("41"));
        test::Type(blanking, QStringLiteral("40"));
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        QCOMPARE(sheet.ConfirmedData().coat[0].bBlanking, std::uint8_t(40));
    }

    void aClickOnAnotherTabIsRefusedWhileThePageFails() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, test::MakeCondition(1), 0, false, f.Seams());
        sheet.show();
        auto* tabs = Find<CSubclassTabCtrl>(sheet, "pageTabs");
        Choose(Find<QComboBox>(sheet, "unitCombo"), 1);  // nm has no range 1/1
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QCOMPARE(f.op.Texts(),
                 std::vector<std::string>{"This range can't be used with specified unit"});
        QCOMPARE(f.player.Calls(), std::vector<std::string>{"beep"});
        QCOMPARE(sheet.CurrentPage(), ConditionPage::General);
        f.op.Clear();
        Choose(Find<QComboBox>(sheet, "rangeCombo0"), 6);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QVERIFY(f.op.Texts().empty());
        QCOMPARE(sheet.CurrentPage(), ConditionPage::Current);
    }

    void calibrationRefusesTheWtGasket() {
        SheetFixture f;
        MeasFileData d = test::MakeCondition(1);
        d.bGasket = 4;
        CMeasFileSheet sheet(f.ctx, d, 0, true, f.Seams());
        sheet.show();
        QCOMPARE(Find<QComboBox>(sheet, "gasketCombo")->currentIndex(), -1);
        Find<QPushButton>(sheet, "okButton")->click();
        QCOMPARE(f.op.Texts(), std::vector<std::string>{"Lack of item."});
        QVERIFY(!sheet.Confirmed());
        Choose(Find<QComboBox>(sheet, "gasketCombo"), 1);
        Find<QPushButton>(sheet, "okButton")->click();
        QVERIFY(sheet.Confirmed());
        QCOMPARE(sheet.ConfirmedData().bGasket, std::uint8_t(2));
    }

    void calibrationSheetWritesNothingAndOffersGasketsAToC() {
        SheetFixture f;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, true, f.Seams());
        sheet.show();
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Set a calibration condition"));
        QCOMPARE(Find<QLabel>(sheet, "pageCaption")->text(),
                 QStringLiteral("Setting calibration condition"));
        QCOMPARE(Find<QComboBox>(sheet, "gasketCombo")->count(), 3);
        QVERIFY(!Find<QPushButton>(sheet, "fileCopyButton")->isVisible());
        QVERIFY(sheet.findChild<QPushButton*>(QStringLiteral("coatBox2")) == nullptr);
        f.SetUpBasic(sheet, 5, "Cu", 0);
        QVERIFY(!f.coatCalls.front().offerDelete);
        Find<QPushButton>(sheet, "finishButton")->click();
        QVERIFY(sheet.Confirmed());
        QCOMPARE(sheet.ConfirmedData().coat[0].bSolution, std::uint8_t(1));
        QVERIFY(!QFile::exists(QString::fromStdString(f.store.MakeConditionFileName(0))));
    }

    void fileCopyShowsTheCopiedCondition() {
        SheetFixture f;
        MeasFileData source = test::MakeCondition(1);
        SetFixedText(source.szFileName, "Source");
        SetFixedText(source.coat[0].Name, "Sn");
        f.copySource = source;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 0, false, f.Seams());
        sheet.show();
        Find<QPushButton>(sheet, "fileCopyButton")->click();
        QCOMPARE(f.copyCalls, 1);
        QCOMPARE(Find<QLineEdit>(sheet, "fileNameEdit")->text(), QStringLiteral("Source"));
        QCOMPARE(BoxText(sheet, 0), QStringLiteral("Sn"));
    }

    void aCopiedConditionIsWrittenAsCopied() {
        SheetFixture f;
        const MeasFileData source = CopySource(5, "Cu", 16, "Ni");
        f.copySource = source;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 3, false, f.Seams());
        sheet.show();
        Find<QPushButton>(sheet, "fileCopyButton")->click();
        QVERIFY(Find<QPushButton>(sheet, "finishButton")->isVisible());
        test::Type(Find<QLineEdit>(sheet, "fileNameEdit"), QStringLiteral("Copy"));
        Find<QPushButton>(sheet, "finishButton")->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        MeasFileData d{};
        QVERIFY(f.Written(3, d));
        QCOMPARE(GetFixedText(d.szFileName), std::string("Copy"));
        QCOMPARE(d.coat[0].bBlanking, std::uint8_t(12));
        QCOMPARE(d.coat[1].bPump, std::uint8_t(3));
        QCOMPARE(d.coat[1].fCurrent, 15.0f);
        QVERIFY(SameCondition(d, source));
    }

    void aCopyWithoutTheConditionStillGetsTheDefaults() {
        SheetFixture f;
        f.copySource = CopySource(5, "Cu", 16, "Ni");
        f.copyItems = kCopyCustomer | kCopyStatistics;
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 3, false, f.Seams());
        sheet.show();
        f.SetUpBasic(sheet, 5, "Cu", 0);
        Find<QPushButton>(sheet, "fileCopyButton")->click();
        Find<QPushButton>(sheet, "finishButton")->click();
        MeasFileData d{};
        QVERIFY(f.Written(3, d));
        QCOMPARE(d.coat[0].bBlanking, std::uint8_t(5));
        QCOMPARE(d.coat[0].bPump, std::uint8_t(6));
        QVERIFY((d.coat[0].bLayerFlags & kLayerCurrentAuto) != 0);
    }

    void aChangedStructureAfterTheCopyGetsTheDefaults_data() {
        QTest::addColumn<int>("topCoating");
        QTest::addColumn<QString>("change");
        QTest::newRow("coating") << 5 << QStringLiteral("coatBox1");
        QTest::newRow("base") << 5 << QStringLiteral("baseBox");
        QTest::newRow("alloy box") << 11 << QStringLiteral("alloyCheck");
    }

    void aChangedStructureAfterTheCopyGetsTheDefaults() {
        QFETCH(int, topCoating);
        QFETCH(QString, change);
        SheetFixture f;
        f.copySource =
            topCoating == 5 ? CopySource(5, "Cu", 16, "Ni") : CopySource(11, "Sn", 5, "Cu");
        CMeasFileSheet sheet(f.ctx, NewMeasFileData(), 3, false, f.Seams());
        sheet.show();
        Find<QPushButton>(sheet, "fileCopyButton")->click();
        // The same choice again is still a change the defaults must follow.
        if (change == QStringLiteral("baseBox"))
            f.AnswerCoat(1, "Fe");
        else
            f.AnswerCoat(16, "Ni");
        auto* control = Find<QAbstractButton>(sheet, change);
        QVERIFY(control->isEnabled());
        control->click();
        QVERIFY(Find<QPushButton>(sheet, "finishButton")->isVisible());
        Find<QPushButton>(sheet, "finishButton")->click();
        MeasFileData d{};
        QVERIFY(f.Written(3, d));
        QCOMPARE(GetCoatCount(d), 2);
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(d.coat[k].bBlanking, std::uint8_t(5));
            QCOMPARE(d.coat[k].fCurrent, 0.0f);
        }
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasFileSheetTest)
#include "meas_file_sheet_test.moc"
