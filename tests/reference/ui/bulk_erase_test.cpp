#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "channel_list_fixture.h"
#include "reference/ui/bulk_erase_dialog.h"
#include "support/temp_dir.h"
#include "support/ui/widget_find.h"

namespace klv {
namespace {

using test::Find;

// Checks one box, answers the question and presses OK.
void PressOk(CBulkErase& dlg, test::ChannelListFixture& f, const char* box, int answer) {
    dlg.show();
    Find<QCheckBox>(dlg, box)->setChecked(true);
    f.op.Answer(answer);
    QTest::mouseClick(Find<QPushButton>(dlg, "okButton"), Qt::LeftButton);
}

bool LogExists(test::ChannelListFixture& f, int index) {
    return QFile::exists(QString::fromStdString(f.store.MakeMsrLogFileName(index)));
}

}  // namespace

class BulkEraseTest : public QObject {
    Q_OBJECT
private slots:
    void textsAndOkFollowTheBoxes() {
        test::ChannelListFixture f;
        CBulkErase dlg(f.store);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Bulk delete of all data"));
        auto* data = Find<QCheckBox>(dlg, "eraseDataCheck");
        auto* conditions = Find<QCheckBox>(dlg, "deleteConditionsCheck");
        auto* ok = Find<QPushButton>(dlg, "okButton");
        QCOMPARE(data->text(), QStringLiteral("Delete measurement data of all channel"));
        QCOMPARE(conditions->text(),
                 QStringLiteral("Delete measurement condition data of all channel"));
        QCOMPARE(Find<QLabel>(dlg, "noteLabel")->text(),
                 QStringLiteral("Measurement data, statistics items are also deleted"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(Find<QPushButton>(dlg, "cancelButton")->text(), QStringLiteral("Cancel"));
        QVERIFY(!ok->isEnabled());
        data->setChecked(true);
        QVERIFY(ok->isEnabled());
        conditions->setChecked(true);
        data->setChecked(false);
        QVERIFY(ok->isEnabled());
        conditions->setChecked(false);
        QVERIFY(!ok->isEnabled());
    }

    void answeringNoKeepsEverythingAndTheDialogOpen() {
        test::ChannelListFixture f;
        CBulkErase dlg(f.store);
        PressOk(dlg, f, "deleteConditionsCheck", IDNO);
        QCOMPARE(f.op.Texts(),
                 (std::vector<std::string>{"Deleting specified all the data. \n\nOK?"}));
        QVERIFY(dlg.isVisible());
        QVERIFY(f.store.Channels().Exists(0));
        QVERIFY(f.store.Channels().Exists(2));
    }

    void erasingDataKeepsConditionsAndCloses() {
        test::ChannelListFixture f;
        test::WriteTestFile(f.store.MakeMsrLogFileName(0), std::string(56, '\1'));
        CBulkErase dlg(f.store);
        PressOk(dlg, f, "eraseDataCheck", IDYES);
        QCOMPARE(dlg.LastResult(), BulkEraseResult::Done);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        QVERIFY(!LogExists(f, 0));
        QVERIFY(f.store.Channels().Exists(0));
        QVERIFY(!f.store.Channels().HasData(0));
        MeasFileData d{};
        QVERIFY(f.store.ReadConditionFile(0, d, false));
        QCOMPARE(d.nItemCt, 0u);
    }

    void aFailedChannelLeavesTheDialogOpen() {
        test::ChannelListFixture f;
        test::WriteTestFile(f.store.MakeConditionFileName(0), std::string(559, '\0'));
        CBulkErase dlg(f.store);
        PressOk(dlg, f, "eraseDataCheck", IDYES);
        QCOMPARE(dlg.LastResult(), BulkEraseResult::Failed);
        QVERIFY(dlg.isVisible());
        QCOMPARE(f.op.Texts().back(),
                 std::string("Data can't be read, or some error in the data."));
        // The loop stopped at the first channel: the next one keeps its condition untouched.
        QVERIFY(f.store.Channels().Exists(2));
    }

    void deletingConditionsRemovesEveryChannel() {
        test::ChannelListFixture f;
        CBulkErase dlg(f.store);
        PressOk(dlg, f, "deleteConditionsCheck", IDYES);
        QVERIFY(!dlg.isVisible());
        QVERIFY(!f.store.Channels().Exists(0));
        QVERIFY(!f.store.Channels().Exists(2));
        QVERIFY(!QFile::exists(QString::fromStdString(f.store.MakeConditionFileName(0))));
    }
};

}  // namespace klv

QTEST_MAIN(klv::BulkEraseTest)
#include "bulk_erase_test.moc"
