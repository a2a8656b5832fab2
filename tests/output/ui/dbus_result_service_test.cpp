#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "output/dde_server.h"
#include "output/output_messages.h"
#include "output/ui/dbus_pub_sub_server.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/ui/private_session_bus.h"

namespace klv {

using test::Condition;
using test::Layer;
using test::Measured;

// What a client sees of the Advise signal.
class AdviseRecorder : public QObject {
    Q_OBJECT
public:
    QStringList items;
    QStringList texts;
public slots:
    void OnAdvise(const QString& item, const QString& text) {
        items.append(item);
        texts.append(text);
    }
};

class DBusResultServiceTest : public QObject {
    Q_OBJECT

private:
    const LineFormat kTabValues{kItemMeasValue, 0, 0, false};
    const LocalTime kNow{2026, 12, 10, 9, 5, 7, 0, 4};

    std::unique_ptr<test::PrivateSessionBus> m_bus;
    std::unique_ptr<CDBusPubSubServer> m_server;
    test::ScriptedOperator m_op;
    std::unique_ptr<CDdeServer> m_dde;
    int m_connections = 0;

    QDBusConnection Connect() {
        return QDBusConnection::connectToBus(m_bus->Address(),
                                             QStringLiteral("c%1").arg(++m_connections));
    }
    QDBusConnection Client() { return QDBusConnection(QStringLiteral("client")); }

    // A call answered by this process's own event loop.
    QDBusMessage Call(const QString& path, const QString& method, const QVariantList& args) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(QString::fromLatin1(kDBusServiceName), path,
                                           QString::fromLatin1(kDBusTopicInterface), method);
        call.setArguments(args);
        QDBusPendingCall pending = Client().asyncCall(call, 10000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 10000))
            return {};
        return pending.reply();
    }
    QString Request(const QString& path, const QString& item) {
        const QDBusMessage reply = Call(path, QStringLiteral("Request"), {item});
        if (reply.type() != QDBusMessage::ReplyMessage)
            return QStringLiteral("<%1>").arg(reply.errorName());
        return reply.arguments().value(0).toString();
    }
    void Measure(const MeasFileData& d, std::span<const MsrLogRecord> r, std::uint32_t number) {
        m_dde->UpdateMeasurement(d, r, number, kTabValues, kNow);
    }

private slots:
    void initTestCase() {
        m_bus = std::make_unique<test::PrivateSessionBus>();
        QVERIFY2(m_bus->IsRunning(), qPrintable(m_bus->Error()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->Address().toUtf8());
        QDBusConnection::connectToBus(m_bus->Address(), QStringLiteral("client"));
        QVERIFY(Client().isConnected());
    }

    void init() {
        m_op.Clear();
        m_server = std::make_unique<CDBusPubSubServer>(Connect());
        m_dde = std::make_unique<CDdeServer>(*m_server, m_op);
        QVERIFY(m_dde->StartDdeServer());
    }

    void cleanup() {
        m_dde.reset();
        m_server.reset();
    }

    void systemItemsThroughTheGdbusCommandLine() {
        struct Case {
            const char* item;
            const char* reply;
        };
        const Case cases[] = {
            {"Topics", "('System\\tMEAS\\tSTAT\\tCommand',)\n"},
            {"SysItems", "('Topics\\tSysItems\\tFormats',)\n"},
            {"Formats", "('TEXT',)\n"},
        };
        for (const Case& c : cases) {
            bool failed = false;
            QString errors;
            const QString out = test::RunClient(
                QStringLiteral("gdbus"),
                {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                 QString::fromLatin1(kDBusServiceName), QStringLiteral("--object-path"),
                 QStringLiteral("/System"), QStringLiteral("--method"),
                 QStringLiteral("org.klv570.Topic.Request"), QString::fromLatin1(c.item)},
                &failed, &errors);
            QVERIFY2(!failed, qPrintable(errors));
            QCOMPARE(out, QString::fromLatin1(c.reply));
        }
        bool failed = false;
        QString errors;
        test::RunClient(
            QStringLiteral("gdbus"),
            {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
             QString::fromLatin1(kDBusServiceName), QStringLiteral("--object-path"),
             QStringLiteral("/MEAS"), QStringLiteral("--method"),
             QStringLiteral("org.klv570.Topic.Request"), QStringLiteral("RES9")},
            &failed, &errors);
        QVERIFY(failed);
        QVERIFY2(errors.contains(QLatin1String(kDBusErrorUnknownItem)), qPrintable(errors));
    }

    void itemsListsAndAnEmptyItemIsOneBlank() {
        const QDBusMessage reply = Call(QStringLiteral("/STAT"), QStringLiteral("Items"), {});
        const QStringList items = reply.arguments().value(0).toStringList();
        QCOMPARE(items.size(), 69);
        QCOMPARE(items.first(), QStringLiteral("DATACT"));
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("RESULT")), QStringLiteral(" "));
        QCOMPARE(Request(QStringLiteral("/Command"), QStringLiteral("X")),
                 QStringLiteral("<%1>").arg(QLatin1String(kDBusErrorUnknownItem)));
    }

    void anAlloySecondLayerMovesTheThirdLayerUpInUtf8() {
        MeasFileData d = Condition({Layer(kCoatTin, "Sn\xB5"), test::AlloyLayer(),
                                    Layer(kCoatCopper, "Cu", test::kRange4_10)});
        const MsrLogRecord r[] = {Measured(2.0f), Measured(1.0f), Measured(0.82f)};
        Measure(d, r, 3);
        const QString meas = QStringLiteral("/MEAS");
        QCOMPARE(Request(meas, QStringLiteral("COAT1")), QStringLiteral("Sn\u00B5"));
        QCOMPARE(Request(meas, QStringLiteral("RES1")), QStringLiteral("2.0"));
        QCOMPARE(Request(meas, QStringLiteral("COAT2")), QStringLiteral("Cu"));
        QCOMPARE(Request(meas, QStringLiteral("RES2")), QStringLiteral("0.82"));
        for (const char* item : {"COAT3", "COAT4", "COAT5"})
            QCOMPARE(Request(meas, QString::fromLatin1(item)), QStringLiteral(" "));
        QCOMPARE(Request(meas, QStringLiteral("RESULT")), QStringLiteral("2.0\t0.82"));
    }

    void adviseComesForNoButNotForNo0AndHistoryStopsAt100() {
        AdviseRecorder advises;
        QVERIFY(Client().connect(QString::fromLatin1(kDBusServiceName), QStringLiteral("/MEAS"),
                                 QString::fromLatin1(kDBusTopicInterface), QStringLiteral("Advise"),
                                 &advises, SLOT(OnAdvise(QString, QString))));
        const MeasFileData d = Condition({Layer(kCoatNickel, "Ni", test::kRange4_10)});
        const MsrLogRecord first[] = {Measured(1.25f)};
        Measure(d, first, 1);
        QTRY_VERIFY(advises.items.contains(QStringLiteral("No.TIME")));
        const qsizetype at = advises.items.indexOf(QStringLiteral("No.RES1"));
        QVERIFY(at >= 0);
        QCOMPARE(advises.texts[at], QStringLiteral("1.25"));
        QVERIFY(!advises.items.contains(QStringLiteral("No0.RES1")));
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("No0.RES1")),
                 QStringLiteral("1.25"));

        for (std::uint32_t n = 2; n <= 100; ++n)
            Measure(d, first, n);
        QTRY_VERIFY(advises.items.contains(QStringLiteral("No99.TIME")));
        advises.items.clear();
        const MsrLogRecord last[] = {Measured(7.5f)};
        Measure(d, last, 101);
        QTRY_VERIFY(advises.items.contains(QStringLiteral("RESULT")));
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("RES1")), QStringLiteral("7.50"));
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("No99")), QStringLiteral("100"));
        for (const QString& item : std::as_const(advises.items))
            QVERIFY2(!item.startsWith(QLatin1String("No")), qPrintable(item));

        m_dde->ResetDdeHistory();
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("No")), QStringLiteral(" "));
        Measure(d, last, 102);
        QCOMPARE(Request(QStringLiteral("/MEAS"), QStringLiteral("No")), QStringLiteral("102"));
    }

    void pokeAndExecuteAreRefused() {
        const QDBusMessage poke = Call(QStringLiteral("/MEAS"), QStringLiteral("Poke"),
                                       {QStringLiteral("RESULT"), QStringLiteral("1")});
        QCOMPARE(poke.errorName(), QLatin1String(kDBusErrorNotProcessed));
        const QDBusMessage execute =
            Call(QStringLiteral("/Command"), QStringLiteral("Execute"), {QStringLiteral("RUN")});
        QCOMPARE(execute.errorName(), QLatin1String(kDBusErrorNotProcessed));
        m_dde->SetBusy(true);
        const QDBusMessage busy =
            Call(QStringLiteral("/Command"), QStringLiteral("Execute"), {QStringLiteral("RUN")});
        QCOMPARE(busy.errorName(), QLatin1String(kDBusErrorBusy));
    }

    void statisticsAreAdvisedWhole() {
        AdviseRecorder advises;
        QVERIFY(Client().connect(QString::fromLatin1(kDBusServiceName), QStringLiteral("/STAT"),
                                 QString::fromLatin1(kDBusTopicInterface), QStringLiteral("Advise"),
                                 &advises, SLOT(OnAdvise(QString, QString))));
        QVERIFY(m_dde->SetStatisticsText("AVERAGE1", "3.456"));
        m_dde->NotifyStatistics();
        QTRY_COMPARE(advises.items.size(), 69);
        QCOMPARE(Request(QStringLiteral("/STAT"), QStringLiteral("AVERAGE")),
                 QStringLiteral("3.456"));
    }

    void aTakenNameOrNoBusIsToldAndNothingIsServed() {
        cleanup();
        QDBusConnection other = Connect();
        QVERIFY(other.registerService(QString::fromLatin1(kDBusServiceName)));
        m_server = std::make_unique<CDBusPubSubServer>(Connect());
        m_dde = std::make_unique<CDdeServer>(*m_server, m_op);
        QVERIFY(!m_dde->StartDdeServer());
        QCOMPARE(m_op.Texts(), std::vector<std::string>{kMsgServiceNameTaken});
        other.unregisterService(QString::fromLatin1(kDBusServiceName));
        QVERIFY(m_dde->StartDdeServer());
        QCOMPARE(Request(QStringLiteral("/System"), QStringLiteral("Formats")),
                 QStringLiteral("TEXT"));

        CDBusPubSubServer nowhere(QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere")));
        test::ScriptedOperator op;
        CDdeServer dde(nowhere, op);
        QVERIFY(!dde.StartDdeServer());
        QCOMPARE(op.Texts(), std::vector<std::string>{kMsgNoSessionBus});
    }

    void stoppingReleasesTheName() {
        m_dde->StopDdeServer();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return !Client().interface()->isServiceRegistered(
                    QString::fromLatin1(kDBusServiceName));
            },
            5000));
    }
};

}  // namespace klv

QTEST_GUILESS_MAIN(klv::DBusResultServiceTest)
#include "dbus_result_service_test.moc"
