#include "reference/ui/meas_file_list.h"

#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "base/ui/list_row_delegate.h"
#include "base/ui/ui_resources.h"
#include "channel_list_fixture.h"
#include "reference/condition_copy.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

QString Cell(CMeasFileList& list, int row, int column) {
    return list.List().topLevelItem(row)->text(column);
}

QPoint RowCentre(CMeasFileList& list, int row) {
    return list.List().visualRect(list.List().model()->index(row, 0)).center();
}

void Show(QWidget& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

}  // namespace

class MeasFileListTest : public QObject {
    Q_OBJECT
private slots:
    void dueCalibrationDateIsDrawnInRedWithItsMark() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        CalibrationSchedule schedule;
        schedule.intervalDays[1] = 30;
        schedule.today = PackDate(2026, 4, 3);
        list.SetCalibrationSchedule(schedule);
        list.SetMode(MeasFileListMode::Select);
        QCOMPARE(Cell(list, 0, 8), QStringLiteral("Fe\num\nA\n2026/03/04 (due)  +1.23%"));
        QTreeWidgetItem* row = list.List().topLevelItem(0);
        QCOMPARE(row->data(8, kRedLinesRole).toInt(), 1 << 3);
        QCOMPARE(row->data(7, kRedLinesRole).toInt(), 0);
        list.resize(900, 400);
        Show(list);
        list.List().horizontalScrollBar()->setValue(list.List().horizontalScrollBar()->maximum());
        const QRect cell = list.List().visualRect(list.List().model()->index(0, 8));
        const QImage image = list.List().viewport()->grab(cell).toImage();
        // Text is smoothed: a red stroke is strong red with little green and blue.
        const auto redIn = [&image](int fromY, int toY) {
            for (int y = fromY; y < toY; ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor p = image.pixelColor(x, y);
                    if (p.red() > 180 && p.green() < 100 && p.blue() < 100)
                        return true;
                }
            return false;
        };
        QVERIFY(redIn(image.height() * 3 / 4, image.height()));
        QVERIFY(!redIn(0, image.height() * 3 / 4));
    }
    void selectModeListsEveryChannelWithItsFourLines() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        QCOMPARE(list.windowTitle(), QStringLiteral("Select a measurement condition file"));
        QCOMPARE(list.List().topLevelItemCount(), 50);
        QCOMPARE(Cell(list, 0, 0),
                 QStringLiteral(" 1: Plating A\n\n    Lot number :L-77\n    Data quantity :3"));
        QCOMPARE(Cell(list, 0, 1), QStringLiteral("Coating\nTest solution\nSensitivity\nRange"));
        QCOMPARE(Cell(list, 0, 2), QStringLiteral("Sn\nE-21\nAutomatic\n1/1"));
        QCOMPARE(Cell(list, 0, 4), QStringLiteral("Ni\nE-21\nAutomatic\n1/1"));
        QCOMPARE(Cell(list, 0, 5), QString());
        QCOMPARE(Cell(list, 0, 7), QStringLiteral("Base\nUnit\nGasket\nCalibration date"));
        QCOMPARE(Cell(list, 0, 8), QStringLiteral("Fe\num\nA\n2026/03/04  +1.23%"));
        QCOMPARE(Cell(list, 1, 0), QStringLiteral(" 2:"));
        QCOMPARE(Cell(list, 1, 1), QString());
        QCOMPARE(Cell(list, 49, 0), QStringLiteral("50:"));
        // Gasket B has no calibration: no date.
        QCOMPARE(Cell(list, 2, 8).section(QLatin1Char('\n'), 3), QString());
        QCOMPARE(Cell(list, 2, 0).section(QLatin1Char('\n'), 3),
                 QStringLiteral("    Data quantity :0"));
        QTreeWidgetItem* header = list.List().headerItem();
        QStringList titles;
        for (int c = 0; c < header->columnCount(); ++c)
            titles << header->text(c);
        QCOMPARE(titles, (QStringList{"File", "", "1st layer", "2nd layer", "3rd layer",
                                      "4th layer", "5th layer", "", ""}));
    }

    void aConditionThatCannotBeReadIsListedAsUnreadableInEveryMode() {
        const QString row = QStringLiteral(" 3: Data can't be read, or some error in the data.");
        for (const test::FileDamage& kind : test::DamagedConditionFiles()) {
            if (kind.unprivileged)
                continue;  // the store's tests run those without root's rights
            test::ChannelListFixture f;
            const std::string path = f.store.MakeConditionFileName(2);
            kind.apply(path, test::ReadTestFile(path));
            f.store.ScanChannels();
            for (MeasFileListMode mode : {MeasFileListMode::Select, MeasFileListMode::CopySource,
                                          MeasFileListMode::Delete}) {
                CMeasFileList list(f.store, f.cal, f.ini, true);
                list.SetMode(mode);
                const int at = list.RowOfChannel(2);
                QVERIFY2(at >= 0, kind.what);
                QCOMPARE(Cell(list, at, 0), row);
                QCOMPARE(Cell(list, at, 1), QString());
            }
            QVERIFY(f.op.Texts().empty());
        }
        // Damaged after the start: the same.
        test::ChannelListFixture f;
        test::WriteTestFile(f.store.MakeConditionFileName(2), std::string(559, '\0'));
        CMeasFileList list(f.store, f.cal, f.ini, true);
        QCOMPARE(Cell(list, 2, 0), row);
    }

    void choosingAnUnreadableChannelShowsWhyAndKeepsTheListOpen() {
        test::ChannelListFixture f;
        test::WriteTestFile(f.store.MakeConditionFileName(2), std::string(559, '\0'));
        f.store.ScanChannels();
        for (MeasFileListMode mode : {MeasFileListMode::Select, MeasFileListMode::CopySource}) {
            f.op.Clear();
            CMeasFileList list(f.store, f.cal, f.ini, true);
            list.SetMode(mode);
            list.SetCopyItemChooser(
                [](int, const MeasFileData&) { return std::optional<unsigned>(kCopyAll); });
            Show(list);
            QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {},
                              RowCentre(list, list.RowOfChannel(2)));
            QCOMPARE(f.op.Texts(),
                     std::vector<std::string>{"Data can't be read, or some error in the data."});
            QVERIFY(list.isVisible());
            QCOMPARE(list.SelectedChannel(), -1);
        }
    }

    void oneClickActivationClosesTheListWithTheChannel() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        Show(list);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(list.result(), int(QDialog::Accepted));
        QCOMPARE(list.SelectedChannel(), 1);
    }

    void doubleClickActivationNeedsTwoClicks() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, false);
        Show(list);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        QVERIFY(list.isVisible());
        QCOMPARE(list.SelectedChannel(), -1);
        QTest::mouseDClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        QTest::mouseRelease(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        QCOMPARE(list.SelectedChannel(), 2);
        QVERIFY(!list.isVisible());
    }

    void deleteModeRefusesTheChannelInUseAndDeletesOnConfirmation() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        list.SetMode(MeasFileListMode::Delete);
        list.SetChannelInUse(0);
        std::vector<int> shown;
        std::vector<std::string> names;
        bool confirm = false;
        list.SetDeleteConfirmation([&](int index, const MeasFileData& d) {
            shown.push_back(index);
            names.push_back(GetFixedText(d.szFileName));
            return confirm;
        });
        QCOMPARE(list.windowTitle(), QStringLiteral("Delete a measurement condition file"));
        QCOMPARE(list.List().topLevelItemCount(), 2);
        Show(list);

        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
        QCOMPARE(f.op.Texts(), (std::vector<std::string>{
                                   "This file can't be selected because it has been using for "
                                   "a measurement."}));
        QVERIFY(shown.empty());
        QVERIFY(f.store.Channels().Exists(0));

        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(shown, (std::vector<int>{2}));
        QCOMPARE(names, (std::vector<std::string>{"Bath B"}));
        QVERIFY(f.store.Channels().Exists(2));
        QCOMPARE(list.List().topLevelItemCount(), 2);

        confirm = true;
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QVERIFY(!f.store.Channels().Exists(2));
        QVERIFY(!QFile::exists(QString::fromStdString(f.store.MakeConditionFileName(2))));
        QCOMPARE(list.List().topLevelItemCount(), 1);
        QCOMPARE(list.RowOfChannel(2), -1);
        QVERIFY(list.isVisible());
    }

    void aConditionThatCannotBeReadIsDeletedOnlyOnConfirmation() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        list.SetMode(MeasFileListMode::Delete);
        bool shown = false;
        list.SetDeleteConfirmation([&](int, const MeasFileData&) { return shown = true; });
        Show(list);
        test::WriteTestFile(f.store.MakeConditionFileName(2), std::string(559, '\0'));
        f.op.Answer(IDOK);  // the read error
        f.op.Answer(IDCANCEL);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(f.op.Texts(),
                 (std::vector<std::string>{"Data can't be read, or some error in the data.",
                                           "3 :\n\nDelete this test condition data"}));
        QCOMPARE(f.op.Messages().at(1).buttons, MsgButtons::OkCancel);
        QVERIFY(!shown);
        QVERIFY(QFile::exists(QString::fromStdString(f.store.MakeConditionFileName(2))));
        QCOMPARE(list.List().topLevelItemCount(), 2);

        f.op.Answer(IDOK);
        f.op.Answer(IDOK);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QVERIFY(!QFile::exists(QString::fromStdString(f.store.MakeConditionFileName(2))));
        QVERIFY(!f.store.Channels().Exists(2) && !f.store.Channels().Unreadable(2));
        QCOMPARE(list.List().topLevelItemCount(), 1);
    }

    void deleteWithoutADisplayAsksTheOperator() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        list.SetMode(MeasFileListMode::Delete);
        Show(list);
        f.op.Answer(IDCANCEL);
        f.op.Answer(IDOK);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
        QVERIFY(f.store.Channels().Exists(0));
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
        QVERIFY(!f.store.Channels().Exists(0));
        QCOMPARE(f.op.Texts().at(0),
                 std::string("1 : Plating A\n\nDelete this test condition data"));
        QCOMPARE(f.op.Messages().at(0).buttons, MsgButtons::OkCancel);
        QCOMPARE(list.List().topLevelItemCount(), 1);
    }

    void copyModeListsExistingChannelsAndNeedsTheItemChoice() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        list.SetMode(MeasFileListMode::CopySource);
        QCOMPARE(list.windowTitle(),
                 QStringLiteral("Select original measurement condition file to make copy."));
        QCOMPARE(list.List().topLevelItemCount(), 2);
        Show(list);
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QVERIFY(list.isVisible());
        list.SetCopyItemChooser(
            [](int, const MeasFileData&) { return std::optional<unsigned>(6); });
        QTest::mouseClick(list.List().viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(list.SelectedChannel(), 2);
        QCOMPARE(list.CopyItems(), 6u);
    }

    void columnWidthsAndPlacementAreKeptUnderMeasureFileList() {
        test::ChannelListFixture f;
        {
            CMeasFileList list(f.store, f.cal, f.ini, true);
            QCOMPARE(list.List().columnWidth(0), DialogUnitsToPixels(244, list.font()));
            QCOMPARE(list.List().columnWidth(6), DialogUnitsToPixels(58, list.font()));
            Show(list);
            list.List().setColumnWidth(3, 77);
            list.resize(700, 420);
            list.reject();
        }
        QCOMPARE(f.ini.GetProfileInt("MeasureFileList", "ColWidth3", -1), 77);
        QCOMPARE(f.ini.GetProfileInt("MeasureFileList", "WinWidth", -1), 700);
        QCOMPARE(f.ini.GetProfileInt("MeasureFileList", "WinHeight", -1), 420);
        CMeasFileList again(f.store, f.cal, f.ini, true);
        Show(again);
        QCOMPARE(again.List().columnWidth(3), 77);
        QCOMPARE(again.size(), QSize(700, 420));
    }

    void rowsAreFourLinesHighAndLookRight() {
        test::ChannelListFixture f;
        CMeasFileList list(f.store, f.cal, f.ini, true);
        Show(list);
        QRect row = list.List().visualRect(list.List().model()->index(0, 0));
        QCOMPARE(row.height(), 4 * list.List().fontMetrics().height() + 6);
        list.List().setFocus();
        list.List().setCurrentItem(list.List().topLevelItem(2));
        QTest::mouseMove(list.List().viewport(), RowCentre(list, 0) + QPoint(2, 0));
        QTest::mouseMove(list.List().viewport(), RowCentre(list, 0));
        QTRY_COMPARE(list.List().HotRow(), 0);
        QString dir = qEnvironmentVariable("KLV_LOOK_SHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(list.grab().save(dir + "/channel_list.png"));
        }
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasFileListTest)
#include "meas_file_list_test.moc"
