#include "output/ui/meas_data_output.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "base/check_messages.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using test::Find;
using test::Measured;

class MeasDataOutputTest : public QObject {
    Q_OBJECT

private:
    MeasFileData m_condition = test::Condition({test::Layer(kCoatNickel, "Ni", test::kRange4_10),
                                                test::Layer(kCoatCopper, "Cu", test::kRange4_10)});
    std::vector<MsrLogRecord> m_records;
    test::ScriptedOperator m_op;

    void init() {
        m_op.Clear();
        m_records.clear();
        const std::uint16_t day = PackDate(2021, 5, 2);
        for (int i = 1; i <= 5; ++i) {
            m_records.push_back(Measured(static_cast<float>(i), day));
            m_records.push_back(Measured(0.5f, day));
        }
    }
    static TextOutputSettings Settings(unsigned items, bool clipboard) {
        TextOutputSettings s;
        s.items = items;
        s.delimiter = 1;
        s.toClipboard = clipboard;
        return s;
    }

private slots:
    void theRangeTheSampleAndOkFollowTheChoices() {
        init();
        CMeasDataOutput dialog(m_condition, m_records, TextOutputSettings{}, "/", m_op);
        QCOMPARE(Find<QLabel>(dialog, QStringLiteral("range7709"))->text(),
                 QStringLiteral("Data range ( 1--5 )"));
        QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("to7708"))->text(), QStringLiteral("5"));
        QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("from7707"))->maxLength(), 8);
        QCOMPARE(Find<QLabel>(dialog, QStringLiteral("sample7710"))->text(),
                 QStringLiteral(" 12.34 1.00"));
        Find<QCheckBox>(dialog, QStringLiteral("unit7706"))->setChecked(true);
        QCOMPARE(Find<QLabel>(dialog, QStringLiteral("sample7710"))->text(),
                 QStringLiteral(" 12.34 um 1.00 um"));
        Find<QCheckBox>(dialog, QStringLiteral("unit7706"))->setChecked(false);
        Find<QCheckBox>(dialog, QStringLiteral("value7705"))->setChecked(false);
        QVERIFY(!Find<QPushButton>(dialog, QStringLiteral("okButton"))->isEnabled());
        QCOMPARE(dialog.Settings().items, 0u);
        QVERIFY(dialog.Settings().toClipboard);
    }

    void aReversedRangeGoesToTheClipboardInOrder() {
        init();
        CMeasDataOutput dialog(m_condition, m_records,
                               Settings(kItemDataNumber | kItemMeasValue, true), "/", m_op);
        test::Type(dialog, QStringLiteral("from7707"), QStringLiteral("5"));
        test::Type(dialog, QStringLiteral("to7708"), QStringLiteral("2"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("2,2.00,0.50\r\n3,3.00,0.50\r\n4,4.00,0.50\r\n5,5.00,0.50\r\n"));
        QVERIFY(m_op.Messages().empty());
    }

    void measurementsWithoutAStoredLayerAreLeftOutAndTold() {
        init();
        // Data 2 and 4 were interrupted before their first layer reached the log.
        for (std::size_t at : {2u, 3u, 6u, 7u})
            m_records[at] = MsrLogRecord{};
        CMeasDataOutput dialog(m_condition, m_records,
                               Settings(kItemDataNumber | kItemMeasValue, true), "/", m_op);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1,1.00,0.50\r\n3,3.00,0.50\r\n5,5.00,0.50\r\n"));
        QCOMPARE(m_op.Texts(),
                 std::vector<std::string>{
                     "2 data were left out: interrupted before any layer was stored."});
    }

    void aBoundOutsideTheDataIsToldAndTheDialogStays() {
        init();
        CMeasDataOutput dialog(m_condition, m_records, TextOutputSettings{}, "/", m_op);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* text : {"6", "0", "x", "1.5"}) {
            m_op.Clear();
            test::Type(dialog, QStringLiteral("to7708"), QString::fromLatin1(text));
            dialog.accept();
            QCOMPARE(m_op.Texts(), std::vector<std::string>{RangeMessage(1, 5)});
            QVERIFY(dialog.isVisible());
            auto* to = Find<QLineEdit>(dialog, QStringLiteral("to7708"));
            QCOMPARE(to->selectedText(), QString::fromLatin1(text));
        }
    }

    void aFileGetsTheLinesAndAGoneFolderStartsInTheDataFolder() {
        init();
        test::TempDir dir;
        TextOutputSettings s = Settings(kItemDataNumber | kItemMeasDate | kItemCoatingName, false);
        s.filePath = dir.File("gone/MeasData.txt");
        CMeasDataOutput dialog(m_condition, m_records, s, dir.Path(), m_op);
        const std::string chosen = dir.File("out.txt");
        test::ModalDriver modal;
        modal.When("fileDialog", [&](QWidget& w) {
            auto& files = static_cast<QFileDialog&>(w);
            QCOMPARE(QDir(files.directory()).absolutePath() + '/',
                     QString::fromStdString(dir.Path()));
            QCOMPARE(files.defaultSuffix(), QStringLiteral("txt"));
            test::AnswerFileDialog(files, QString::fromStdString(chosen));
        });
        test::Type(dialog, QStringLiteral("from7707"), QStringLiteral("4"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(test::ReadTestFile(chosen),
                 std::string("4,2021/05/02,Ni,Cu\r\n5,2021/05/02,Ni,Cu\r\n"));
        QCOMPARE(dialog.Settings().filePath, chosen);
    }

    void withoutMeasurementsTheDialogClosesAtOnce() {
        CMeasDataOutput dialog(m_condition, {}, TextOutputSettings{}, "/", m_op);
        QVERIFY(!dialog.HasData());
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasDataOutputTest)
#include "meas_data_output_test.moc"
