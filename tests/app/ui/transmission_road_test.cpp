#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QtTest>

#include "app/command_ids.h"
#include "app/ui/measurement_road.h"
#include "app/ui/program_outputs.h"
#include "output/result_transmission.h"
#include "output/ui/dbus_pub_sub_server.h"
#include "support/ui/private_session_bus.h"
#include "support/ui/pty_pair.h"

namespace klv {

using namespace test;

class TransmissionRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSessionBus> m_bus;

    QString Request(const QString& path, const QString& item) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QString::fromLatin1(kDBusServiceName), path, QString::fromLatin1(kDBusTopicInterface),
            QStringLiteral("Request"));
        call.setArguments({item});
        QDBusPendingCall pending = QDBusConnection(QStringLiteral("client")).asyncCall(call, 10000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 10000))
            return QStringLiteral("<no answer>");
        const QDBusMessage reply = pending.reply();
        if (reply.type() != QDBusMessage::ReplyMessage)
            return QStringLiteral("<%1>").arg(reply.errorName());
        return reply.arguments().value(0).toString();
    }

private slots:
    void initTestCase() {
        m_bus = std::make_unique<PrivateSessionBus>();
        QVERIFY2(m_bus->IsRunning(), qPrintable(m_bus->Error()));
        QVERIFY(QDBusConnection::connectToBus(m_bus->Address(), QStringLiteral("client"))
                    .isConnected());
    }

    void aMeasurementGoesToTheTerminalAndTheBusAndTheSheetSwitchesTheLineOff() {
        PtyPair pty;
        QVERIFY(!pty.Path().empty());
        ProgramUnderTest p;
        PrepareChannel(p, 2, CopperCondition(), true);
        ProfileFile ini(p.dir.File("KLV570.ini"));
        QVERIFY(ini.WriteProfileString("MeasDataSendParam", "PortName", pty.Path()));
        QVERIFY(ini.WriteProfileString("MeasDataSendParam", "ToRS232C", "1,65,1,0,1"));
        QVERIFY(ini.WriteProfileInt("MeasDataSendParam", "DataBit", 1));
        QVERIFY(ini.WriteProfileInt("MeasDataSendParam", "Parity", 2));
        Outputs outputs(p, m_bus->Address());
        QVERIFY(p.RunMainWindow(
            [&](CKLV570Dlg& w) {
                w.StartDevice();
                QVERIFY(outputs.serial.IsOpen());
                QVERIFY(outputs.dde.IsRunning());
                Road road{p, w};
                std::uint32_t count = 0;
                road.MeasureLayer(count);
                const MsrLogRecord r = road.Record(0);
                const std::string value = FormatMeasDataValue(*road.Channel().Condition(), r, 0);
                QCOMPARE(pty.Drain(), "1," + value + "um\r\n");
                QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("RES1")),
                         QString::fromStdString(value));
                QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("No")),
                         QStringLiteral("1"));
                QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("COAT")),
                         QStringLiteral("Cu"));

                ModalDriver modal;
                modal.When("CDataSendSheet", [](QWidget& sheet) {
                    auto* page = Find<QWidget>(sheet, QStringLiteral("rs232cPage"));
                    Find<QCheckBox>(*page, QStringLiteral("output7813"))->setChecked(false);
                    Find<QAbstractButton>(sheet, QStringLiteral("okButton"))->click();
                });
                w.OnCommand(cmd::kTransmissionMethod);
                QVERIFY(!outputs.serial.IsOpen());
                QCOMPARE(ini.GetProfileString("MeasDataSendParam", "ToRS232C", ""),
                         std::string("0,65,1,0,1"));
                QCOMPARE(ini.GetProfileString("MeasDataSendParam", "PortName", ""), pty.Path());
            },
            {"-siml=1"}));
        QVERIFY(p.op.Texts().empty());
        p.app.ExitInstance();
        // Stopped at exit: the name is free again.
        QVERIFY(QTest::qWaitFor(
            [] {
                return !QDBusConnection(QStringLiteral("client"))
                            .interface()
                            ->isServiceRegistered(QString::fromLatin1(kDBusServiceName));
            },
            5000));
    }
};

}  // namespace klv

QTEST_MAIN(klv::TransmissionRoadTest)
#include "transmission_road_test.moc"
