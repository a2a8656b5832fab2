#include "output/ui/data_send_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "support/ui/widget_find.h"

namespace klv {

using test::Find;

class DataSendSheetTest : public QObject {
    Q_OBJECT

private:
    const QStringList kPorts{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};

    static QWidget& Page(CDataSendSheet& sheet, const char* name) {
        return *Find<QWidget>(sheet, QString::fromLatin1(name));
    }
    static QString Sample(QWidget& page) {
        return Find<QLabel>(page, QStringLiteral("sample7812"))->text();
    }
    static void Tick(QWidget& page, const char* name, bool on) {
        QCheckBox* box = Find<QCheckBox>(page, QString::fromLatin1(name));
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QCOMPARE(box->isChecked(), on);
    }
    static void Choose(QWidget& page, const char* name, int index) {
        Find<QComboBox>(page, QString::fromLatin1(name))->setCurrentIndex(index);
    }

private slots:
    void samplesFollowEveryChangeOfTheirPage() {
        CDataSendSheet sheet(MeasDataSendParam{}, kPorts);
        QWidget& rs = Page(sheet, "rs232cPage");
        QWidget& dde = Page(sheet, "ddePage");
        QCOMPARE(Sample(rs), QStringLiteral(" 12.34,1.00"));
        QCOMPARE(Sample(dde), QStringLiteral(" 12.34 1.00"));
        Tick(rs, "dataNumber7800", true);
        Tick(rs, "date7801", true);
        Choose(rs, "dateFormat7802", 3);
        QCOMPARE(Sample(rs), QStringLiteral(" 123,12/2005/31,12.34,1.00"));
        Tick(rs, "coatingName7804", true);
        Tick(rs, "unit7806", true);
        Choose(rs, "delimiter7810", 2);
        QCOMPARE(Sample(rs), QStringLiteral(" 123 12/2005/31 Ni 12.34um Cu 1.00um"));
        Tick(dde, "value7805", false);
        Tick(dde, "coatingCount7803", true);
        QCOMPARE(Sample(dde), QStringLiteral(" 2"));
        QVERIFY(!Find<QCheckBox>(dde, QStringLiteral("unit7806"))->isEnabled());
        QVERIFY(Find<QGroupBox>(rs, QStringLiteral("serialGroup"))->isVisibleTo(&sheet));
        QVERIFY(!Find<QGroupBox>(dde, QStringLiteral("serialGroup"))->isVisibleTo(&sheet));
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Transmission method of measurement result"));
        auto* tabs = Find<QTabWidget>(sheet, QStringLiteral("pages"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("Output for RS-232C"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Output for DDE"));
    }

    void okTakesBothPagesAndAPathWrittenByHandStaysOnTheList() {
        MeasDataSendParam p;
        p.portName = "/tmp/klv/ttyA";
        p.speed = 1234;
        p.parity = 7;
        CDataSendSheet sheet(p, kPorts);
        QWidget& rs = Page(sheet, "rs232cPage");
        auto* port = Find<QComboBox>(rs, QStringLiteral("port7825"));
        QCOMPARE(port->count(), 3);
        QCOMPARE(port->currentText(), QStringLiteral("/tmp/klv/ttyA"));
        QCOMPARE(Find<QComboBox>(rs, QStringLiteral("speed7821"))->currentIndex(), -1);
        QCOMPARE(Find<QComboBox>(rs, QStringLiteral("parity7822"))->currentIndex(), -1);
        Tick(rs, "output7813", true);
        Tick(Page(sheet, "ddePage"), "output7813", false);
        Choose(rs, "port7825", 1);
        Choose(rs, "stopBits7824", 1);
        Choose(rs, "lineEnd7811", 2);
        sheet.accept();
        const MeasDataSendParam& out = sheet.Param();
        QVERIFY(out.rs232c.enabled);
        QVERIFY(!out.dde.enabled);
        QCOMPARE(out.portName, std::string("/dev/ttyUSB0"));
        QCOMPARE(out.portNbr, 1);
        QCOMPARE(out.speed, 1234);
        QCOMPARE(out.parity, 7);
        QCOMPARE(out.stopBit, 1);
        QCOMPARE(out.delimitor, 2);
        QCOMPARE(out.rs232c.format.delimiter, 1);

        CDataSendSheet again(out, kPorts);
        Choose(Page(again, "rs232cPage"), "speed7821", 4);
        again.accept();
        QCOMPARE(again.Param().speed, 19200);
    }

    void anEmptyPortSettingNamesTheFirstSerialPortOfItsNumber() {
        MeasDataSendParam p;
        p.portNbr = 1;
        CDataSendSheet sheet(p, kPorts);
        QCOMPARE(
            Find<QComboBox>(Page(sheet, "rs232cPage"), QStringLiteral("port7825"))->currentText(),
            QStringLiteral("/dev/ttyS1"));
    }
};

}  // namespace klv

QTEST_MAIN(klv::DataSendSheetTest)
#include "data_send_sheet_test.moc"
