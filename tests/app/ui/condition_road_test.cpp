#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "app/command_ids.h"
#include "app/ui/condition_table.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/main_window_harness.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/status_line.h"
#include "base/fixed_text.h"
#include "device/simulator_state.h"
#include "device/ui/simulation_dialog.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/substance_table.h"
#include "reference/ui/meas_file_list.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

namespace {

using test::ProgramUnderTest;

constexpr int kFirst = 0;
constexpr int kSecond = 1;
// Range "1/1" is the second of the range combo.
constexpr int kRangeOneOne = 1;
constexpr int kGasketAIndex = 0;
constexpr int kUnitNm = 1;
constexpr int kUnitMil = 2;

using test::Choose;
using test::Click;
using test::Find;
using test::Type;

// The button of the coating or base selection that stands for `code`.
void PickCode(QWidget& selection, int code) {
    const auto buttons = selection.findChildren<QPushButton*>();
    const auto it = std::find_if(buttons.begin(), buttons.end(), [code](QPushButton* b) {
        return b->property("code").toInt() == code && b->isVisible();
    });
    QVERIFY2(it != buttons.end(), "no selection button for the code");
    QTest::mouseClick(*it, Qt::LeftButton);
}

// A double click on the row of the channel list.
void ActivateRow(QWidget& dialog, int row) {
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& list = static_cast<CMeasFileList&>(dialog).List();
    QWidget* viewport = list.viewport();
    const QPoint centre = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre);
}

// In the channel list (selection) the operator picks the empty channel `row`; the wizard opens
// and `wizard` fills it.
void PickEmptyChannel(test::ModalDriver& modal, int row, std::function<void(QWidget&)> wizard) {
    modal.When("measFileList", [&modal, row, wizard](QWidget& list) {
        QCOMPARE(list.windowTitle(), QStringLiteral("Select a measurement condition file"));
        modal.When("measFileSheet", wizard);
        ActivateRow(list, row);
    });
}

bool HasText(const ProgramUnderTest& p, const char* text) {
    const auto texts = p.op.Texts();
    return std::find(texts.begin(), texts.end(), std::string(text)) != texts.end();
}

// The main window with the simulator, driven as an operator would.
struct Road {
    ProgramUnderTest& p;
    CKLV570Dlg& w;

    CMainChannel& Channel() { return w.Channel(); }
    CMeasResultList& List() { return *w.Face().ResultList(); }
    QWidget& SimWindow() { return *w.Device().SimulationWindow(); }
    QString Cell(int line, int column) { return w.Face().ConditionTable()->CellText(line, column); }

    MeasFileData OnDisk(int index) {
        MeasFileData d{};
        [&] { QVERIFY(p.app.Conditions().ReadConditionFile(index, d, false)); }();
        return d;
    }

    // One layer from F2 to "Trip"; the blanking time passes on the test's clock.
    void MeasureLayer(int blankingSeconds) {
        p.clock.SetAutoStep(50);
        QTest::keyClick(w.windowHandle(), Qt::Key_F2);
        QTRY_VERIFY(Channel().IsMeasuring());
        p.clock.SetAutoStep(0);
        QTRY_VERIFY(List().IsBlinking());
        p.clock.Advance(blankingSeconds * 1000 + 800);
        QTRY_VERIFY(!List().IsBlinking());
        auto* trip = Find<QAbstractButton>(SimWindow(), "ctl1800");
        QTRY_VERIFY(trip->isEnabled());
        trip->click();
        QTRY_VERIFY(!Channel().IsMeasuring());
    }
};

// The basic page of a new copper-on-steel condition with gasket A.
void FillCopperOnSteel(test::ModalDriver& modal, QWidget& sheet) {
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Set a measurement condition"));
    QCOMPARE(Find<QLabel>(sheet, "channelLabel")->text(), QStringLiteral(" 1:"));
    Type(sheet, "fileNameEdit", QStringLiteral("  Cu plating "));
    Type(sheet, "customerEdit", QStringLiteral("ACME"));
    Type(sheet, "lotEdit", QStringLiteral("L-1"));
    modal.When("coatBaseSelect", [](QWidget& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Set a Coating"));
        PickCode(s, kCoatCopper);
    });
    // Behind the empty first box the click selects the first box.
    Click(sheet, "coatBox3");
    QCOMPARE(Find<QPushButton>(sheet, "coatBox0")->text(), QStringLiteral("Cu"));
    modal.When("coatBaseSelect", [](QWidget& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Set a Base"));
        PickCode(s, kSubstSteel);
    });
    Click(sheet, "baseBox");
    Choose(sheet, "rangeCombo0", kRangeOneOne);
    Choose(sheet, "gasketCombo", kGasketAIndex);
    // Nothing follows the basic page: Finish is offered at once.
    QVERIFY(Find<QPushButton>(sheet, "finishButton")->isVisible());
    QVERIFY(!Find<QPushButton>(sheet, "nextButton")->isVisible());
    QVERIFY(Find<QPushButton>(sheet, "fileCopyButton")->isEnabled());
    Click(sheet, "finishButton");
}

}  // namespace

class ConditionRoadTest : public QObject {
    Q_OBJECT

private slots:
    void newConditionIsMeasuredEditedCopiedAndDeleted();
};

void ConditionRoadTest::newConditionIsMeasuredEditedCopiedAndDeleted() {
    ProgramUnderTest p;
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            Road road{p, w};
            test::ModalDriver modal;
            // Nothing remembered: the start asks for a channel.
            PickEmptyChannel(modal, kFirst,
                             [&](QWidget& sheet) { FillCopperOnSteel(modal, sheet); });
            w.StartDevice();
            QVERIFY(road.Channel().IsOpen());
            QCOMPARE(road.Channel().Index(), kFirst);
            // A known combination: no note, no refusal on the way.
            QCOMPARE(p.op.Texts(), std::vector<std::string>{});
            QCOMPARE(w.Face().ChannelLine()->text(), QStringLiteral(" 1 : Cu plating"));
            QCOMPARE(w.Face().StatusLine()->text(),
                     QStringLiteral(" Set a test sample and start."));
            const QStringList layer{"Cu", "E-21", "Automatic", "1/1", "6", "Null um"};
            for (int line = 0; line < layer.size(); ++line)
                QCOMPARE(road.Cell(line, 1), layer[line]);
            QCOMPARE(road.Cell(0, 7), QStringLiteral("Fe"));
            QCOMPARE(road.Cell(1, 7), QStringLiteral("um"));
            QCOMPARE(road.Cell(2, 7), QStringLiteral("A"));
            QCOMPARE(road.Cell(0, 2), QString());

            const MeasFileData created = road.OnDisk(kFirst);
            QCOMPARE(GetFixedText(created.szFileName), std::string("Cu plating"));
            QCOMPARE(GetFixedText(created.szCustomer), std::string("ACME"));
            QCOMPARE(GetCoatCount(created), 1);
            QCOMPARE(created.coat[0].bBlanking, std::uint8_t(5));
            QCOMPARE(created.coat[0].bPump, std::uint8_t(6));
            QVERIFY((created.coat[0].bLayerFlags & kLayerCurrentAuto) != 0);
            QCOMPARE(created.bGasket, std::uint8_t(1));

            road.MeasureLayer(created.coat[0].bBlanking);
            QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
            QCOMPARE(road.OnDisk(kFirst).nItemCt, 1u);
            QCOMPARE(road.List().RowCount(), 1);
            const QString umText = road.List().RowText(0, 1).trimmed();
            QVERIFY2(umText.endsWith(QStringLiteral(" um")), qPrintable(umText));
            const double um = umText.section(QLatin1Char(' '), 0, 0).toDouble();
            QVERIFY(um > 0.0);
            QCOMPARE(w.Face().DataNumber()->text(), QStringLiteral("1"));

            // Blanking time: out of range refused with its text, then taken.
            modal.When("measItemBlanking", [&](QWidget& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Setting of blanking time"));
                QCOMPARE(Find<QLineEdit>(d, "blankingEdit1")->text(), QStringLiteral("5"));
                Type(d, "blankingEdit1", QStringLiteral("41"));
                Click(d, "okButton");
                QVERIFY(d.isVisible());
                QVERIFY(HasText(p, "Range of values are from  0  to  40."));
                Type(d, "blankingEdit1", QStringLiteral("12"));
                Click(d, "okButton");
            });
            w.OnCommand(cmd::kEditBlankingTime);
            QCOMPARE(road.Channel().Condition()->coat[0].bBlanking, std::uint8_t(12));
            QCOMPARE(road.OnDisk(kFirst).coat[0].bBlanking, std::uint8_t(12));

            // Unit: nm has no row for range 1/1; mil has.
            modal.When("measItemMeasUnit", [&](QWidget& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Setting of unit"));
                Choose(d, "unitCombo", kUnitNm);
                Click(d, "okButton");
                QVERIFY(d.isVisible());
                QVERIFY(HasText(p, "Set up range is not possible to use this unit."));
                Choose(d, "unitCombo", kUnitMil);
                Click(d, "okButton");
            });
            w.OnCommand(cmd::kEditUnit);
            QCOMPARE(road.OnDisk(kFirst).bUnit, std::uint8_t(3));
            QCOMPARE(road.Cell(1, 7), QStringLiteral("mil"));
            QCOMPARE(road.Cell(5, 1), QStringLiteral("Null mil"));
            const QString milText = road.List().RowText(0, 1).trimmed();
            QVERIFY2(milText.endsWith(QStringLiteral(" mil")), qPrintable(milText));
            const double mil = milText.section(QLatin1Char(' '), 0, 0).toDouble();
            QVERIFY2(std::abs(mil - um / 25.4) <= 0.006, qPrintable(milText));

            // The display shows the same count as the window and only closes.
            modal.When("measDataDisplay", [](QWidget& display) {
                QVERIFY(!Find<QLabel>(display, "deleteNote")->isVisible());
                QVERIFY(!Find<QPushButton>(display, "okButton")->isVisible());
                QCOMPARE(Find<QLabel>(display, "dataQuantityText")->text().trimmed(),
                         QStringLiteral("1"));
                QCOMPARE(Find<QLabel>(display, "autoStopText1")->text(),
                         QStringLiteral("Null mil"));
                auto* close = Find<QPushButton>(display, "cancelButton");
                QCOMPARE(close->text(), QStringLiteral("Close"));
                QTest::mouseClick(close, Qt::LeftButton);
            });
            w.OnCommand(cmd::kDisplayCondition);
            QVERIFY(QApplication::activeModalWidget() == nullptr);

            // The tabbed sheet of a condition with data: the structure is locked.
            modal.When("measFileSheet", [&](QWidget& sheet) {
                QCOMPARE(sheet.windowTitle(), QStringLiteral("Set a measurement condition"));
                auto* tabs = Find<QTabBar>(sheet, "pageTabs");
                QStringList titles;
                for (int i = 0; tabs != nullptr && i < tabs->count(); ++i)
                    titles << tabs->tabText(i);
                QCOMPARE(titles, (QStringList{"Basic data", "Pump.Test solution  . Sensitivity",
                                              "Output current", "Auto stop  .  Weight count"}));
                QVERIFY(!Find<QPushButton>(sheet, "coatBox0")->isEnabled());
                QVERIFY(!Find<QPushButton>(sheet, "baseBox")->isEnabled());
                QVERIFY(!Find<QComboBox>(sheet, "gasketCombo")->isEnabled());
                auto* lot = Find<QLineEdit>(sheet, "lotEdit");
                QVERIFY(lot->isReadOnly());
                QCOMPARE(lot->palette().color(QPalette::Base),
                         sheet.palette().color(QPalette::Window));
                QVERIFY(!Find<QPushButton>(sheet, "fileCopyButton")->isEnabled());
                QCOMPARE(Find<QLineEdit>(sheet, "customerEdit")->text(), QStringLiteral("ACME"));
                Type(sheet, "customerEdit", QStringLiteral("Harbour Works "));
                Click(sheet, "okButton");
            });
            w.OnCommand(cmd::kSetCondition);
            const MeasFileData edited = road.OnDisk(kFirst);
            QCOMPARE(GetFixedText(edited.szCustomer), std::string("Harbour Works"));
            QCOMPARE(GetFixedText(edited.szLotNo), std::string("L-1"));
            QCOMPARE(edited.coat[0].bBlanking, std::uint8_t(12));
            QCOMPARE(edited.nItemCt, 1u);
            QCOMPARE(GetFixedText(road.Channel().Condition()->szCustomer),
                     std::string("Harbour Works"));
            QCOMPARE(road.List().RowText(0, 1).trimmed(), milText);

            w.OnCommand(cmd::kEndMeasurement);
            QVERIFY(!road.Channel().IsOpen());
            QCOMPARE(w.Face().ChannelLine()->text(), QStringLiteral("Not selected."));

            // A second channel made in the wizard by "File copy" from the first.
            PickEmptyChannel(modal, kSecond, [&](QWidget& sheet) {
                modal.When("measFileList", [&](QWidget& list) {
                    QCOMPARE(list.windowTitle(),
                             QStringLiteral("Select original measurement condition file to make "
                                            "copy."));
                    modal.When("measFileCopy", [](QWidget& copy) {
                        QCOMPARE(copy.windowTitle(), QStringLiteral("Select copy item"));
                        QCOMPARE(Find<QLabel>(copy, "sourceTitle")->text(),
                                 QStringLiteral("1 : Cu plating"));
                        QVERIFY(Find<QAbstractButton>(copy, "copyAll")->isChecked());
                        Click(copy, "okButton");
                    });
                    ActivateRow(list, 0);
                });
                Click(sheet, "fileCopyButton");
                QCOMPARE(Find<QLineEdit>(sheet, "fileNameEdit")->text(),
                         QStringLiteral("Cu plating"));
                QCOMPARE(Find<QLineEdit>(sheet, "customerEdit")->text(),
                         QStringLiteral("Harbour Works"));
                QCOMPARE(Find<QPushButton>(sheet, "coatBox0")->text(), QStringLiteral("Cu"));
                Type(sheet, "fileNameEdit", QStringLiteral("Cu copy"));
                Click(sheet, "finishButton");
            });
            w.OnCommand(cmd::kSelectCondition);
            QVERIFY(road.Channel().IsOpen());
            QCOMPARE(road.Channel().Index(), kSecond);
            QCOMPARE(w.Face().ChannelLine()->text(), QStringLiteral(" 2 : Cu copy"));
            const MeasFileData copied = road.OnDisk(kSecond);
            QCOMPARE(GetFixedText(copied.szCustomer), std::string("Harbour Works"));
            QCOMPARE(copied.bUnit, std::uint8_t(3));
            QCOMPARE(copied.nItemCt, 0u);
            QCOMPARE(road.Cell(1, 7), QStringLiteral("mil"));

            // Delete the first: the open one is refused, the other confirmed in the display.
            p.player.Clear();
            modal.When("measFileList", [&](QWidget& list) {
                QCOMPARE(list.windowTitle(), QStringLiteral("Delete a measurement condition file"));
                auto& rows = static_cast<CMeasFileList&>(list).List();
                QCOMPARE(rows.topLevelItemCount(), 2);
                ActivateRow(list, 1);
                QVERIFY(HasText(p,
                                "This file can't be selected because it has been using for "
                                "a measurement."));
                modal.When("measDataDisplay", [&](QWidget& display) {
                    QCOMPARE(display.windowTitle(), QStringLiteral("Measurement condition"));
                    auto* note = Find<QLabel>(display, "deleteNote");
                    QVERIFY(note->isVisible());
                    QCOMPARE(note->text(), QStringLiteral("Delete this test condition data"));
                    QCOMPARE(Find<QLabel>(display, "titleText")->text(),
                             QStringLiteral("1 : Cu plating"));
                    QCOMPARE(Find<QLabel>(display, "dataQuantityText")->text().trimmed(),
                             QStringLiteral("1"));
                    QCOMPARE(Find<QPushButton>(display, "cancelButton")->text(),
                             QStringLiteral("Cancel"));
                    QVERIFY(!p.player.Calls().empty());
                    Click(display, "okButton");
                });
                ActivateRow(list, 0);
                QCOMPARE(rows.topLevelItemCount(), 1);
                Click(list, "cancelButton");
            });
            w.OnCommand(cmd::kDeleteCondition);
            QVERIFY(!p.app.Conditions().Channels().Exists(kFirst));
            MeasFileData gone{};
            QVERIFY(!p.app.Conditions().ReadConditionFile(kFirst, gone, false));
            QVERIFY(!QFile::exists(
                QString::fromStdString(p.app.Conditions().MakeMsrLogFileName(kFirst))));
            QVERIFY(p.app.Conditions().Channels().Exists(kSecond));
            QVERIFY(road.Channel().IsOpen());
        },
        {"-siml=1"}));
}

}  // namespace klv

QTEST_MAIN(klv::ConditionRoadTest)
#include "condition_road_test.moc"
