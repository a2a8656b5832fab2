#include "app/ui/text_output.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "app/ui/main_window_harness.h"
#include "support/result_conditions.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using namespace test;

class TextOutputTest : public QObject {
    Q_OBJECT

private slots:
    void theChoicesAreKeptAfterCancelButNotWithoutData() {
        ProgramUnderTest p;
        p.app.Hooks().runMainWindow = [&] {
            const MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
            const MsrLogRecord records[] = {Measured(1.0f), Measured(2.0f)};
            ModalDriver modal;
            modal.When("CMeasDataOutput", [](QWidget& dialog) {
                Find<QCheckBox>(dialog, QStringLiteral("dataNumber7700"))->setChecked(true);
                Find<QRadioButton>(dialog, QStringLiteral("file7711"))->setChecked(true);
                Find<QAbstractButton>(dialog, QStringLiteral("cancelButton"))->click();
            });
            RunTextOutput(p.app, d, records, nullptr);
            ProfileFile ini(p.dir.File("KLV570.ini"));
            QCOMPARE(ini.GetProfileInt("MeasureDataOut", "OutputData", 0), 65);
            QCOMPARE(ini.GetProfileInt("MeasureDataOut", "ToClipboard", 9), 0);
            QCOMPARE(ini.GetProfileString("MeasureDataOut", "FileName", ""),
                     std::string("MeasData.txt"));

            QVERIFY(ini.WriteProfileInt("MeasureDataOut", "OutputData", 4));
            RunTextOutput(p.app, d, {}, nullptr);
            QCOMPARE(ini.GetProfileInt("MeasureDataOut", "OutputData", 0), 4);
        };
        QVERIFY(p.app.InitInstance({}));
    }
};

}  // namespace klv

QTEST_MAIN(klv::TextOutputTest)
#include "text_output_test.moc"
