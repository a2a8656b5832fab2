#include <QTest>
#include <functional>

#include "output/output_fakes.h"
#include "output/output_messages.h"
#include "output/result_transmission.h"
#include "output/ui/qt_serial_line.h"
#include "support/result_conditions.h"
#include "support/settable_clock.h"
#include "support/ui/pty_pair.h"
#include "support/ui/socat_pair.h"

namespace klv {

using test::Measured;

// Answers every box with a step of the test's own.
class ActingOperator final : public Operator {
public:
    std::function<int()> act;
    std::vector<std::string> texts;
    int ShowMessage(const std::string& text, MsgIcon, MsgButtons) override {
        texts.push_back(text);
        return act();
    }
};

// The serial output as the program makes it, on a port given by its settings.
struct SerialRig {
    explicit SerialRig(MeasDataSendParam p, int writeTimeoutMs = 5000) : line(writeTimeoutMs) {
        store.param = std::move(p);
        op.act = [] { return IDCANCEL; };
    }
    test::MemorySendParamStore store;
    CQtSerialLine line;
    test::RecordingPubSubServer server;
    ActingOperator op;
    CDdeServer dde{server, op};
    test::SettableClock clock;
    CResultTransmission tx{store, line, dde, op, clock};
};

class SerialLineTest : public QObject {
    Q_OBJECT

private:
    MeasFileData m_condition = test::Condition({test::Layer(kCoatNickel, "Ni", test::kRange4_10),
                                                test::Layer(kCoatCopper, "Cu", test::kRange4_10)});
    const MsrLogRecord m_records[2] = {Measured(3.51f), Measured(0.82f)};

    static MeasDataSendParam EightBitsOn(const std::string& path) {
        MeasDataSendParam p;
        p.portName = path;
        p.dataBit = 1;
        p.parity = 2;
        p.rs232c.enabled = true;
        return p;
    }

private slots:
    void oneMeasurementIsItsLineAndTheEndCharacters() {
        test::PtyPair pty;
        QVERIFY(!pty.Path().empty());
        const char* const ends[] = {"\r\n", "\r", "\n"};
        for (int delimitor = 0; delimitor < 3; ++delimitor) {
            MeasDataSendParam p = EightBitsOn(pty.Path());
            p.delimitor = delimitor;
            SerialRig rig(p);
            auto& [store, line, server, op, dde, clock, tx] = rig;
            QVERIFY(tx.OpenSerialPort());
            tx.SendMeasurement(m_condition, m_records, 1);
            QCOMPARE(pty.Drain(), std::string("3.51,0.82") + ends[delimitor]);
            QVERIFY(op.texts.empty());
            tx.CloseSerialPort();
            QVERIFY(!line.IsOpen());
        }
    }

    void theSettingsReachThePort() {
        // A pty carries 8-bit bytes only: 7 bits and parity are checked at the port's settings.
        test::PtyPair pty;
        struct Case {
            int speed, parity, dataBit, stopBit;
            qint32 baud;
            QSerialPort::Parity qtParity;
            QSerialPort::DataBits bits;
            QSerialPort::StopBits stops;
        };
        const Case cases[] = {
            {600, 2, 1, 1, 600, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::TwoStop},
            {1234, 7, 0, 0, 9600, QSerialPort::EvenParity, QSerialPort::Data7,
             QSerialPort::OneStop},
            {19200, 1, 1, 0, 19200, QSerialPort::OddParity, QSerialPort::Data8,
             QSerialPort::OneStop},
        };
        for (const Case& c : cases) {
            MeasDataSendParam p;
            p.portName = pty.Path();
            p.speed = c.speed;
            p.parity = c.parity;
            p.dataBit = c.dataBit;
            p.stopBit = c.stopBit;
            CQtSerialLine line;
            QVERIFY(line.Open(MakeSerialParameters(p)));
            QCOMPARE(line.Port().baudRate(), c.baud);
            QCOMPARE(line.Port().parity(), c.qtParity);
            QCOMPARE(line.Port().dataBits(), c.bits);
            QCOMPARE(line.Port().stopBits(), c.stops);
            QCOMPARE(line.Port().flowControl(), QSerialPort::NoFlowControl);
        }
    }

    void aLineTheTerminalDoesNotTakeIsRetriedOrGivenUp() {
        test::PtyPair pty;
        SerialRig rig(EightBitsOn(pty.Path()), 200);
        auto& [store, line, server, op, dde, clock, tx] = rig;
        QVERIFY(tx.OpenSerialPort());
        pty.Fill();

        op.act = [&] {
            pty.Drain();
            return IDRETRY;
        };
        tx.SendMeasurement(m_condition, m_records, 1);
        QCOMPARE(op.texts, std::vector<std::string>{kMsgCantTransmitRs232c});
        const std::string afterRetry = pty.Drain();
        QVERIFY(afterRetry.ends_with("3.51,0.82\r\n"));

        pty.Fill();
        op.texts.clear();
        op.act = [] { return IDCANCEL; };
        tx.SendMeasurement(m_condition, m_records, 2);
        QCOMPARE(op.texts, std::vector<std::string>{kMsgCantTransmitRs232c});
        pty.Drain();
        // Nothing of the given-up line is left behind to precede the next one.
        op.act = [] { return IDCANCEL; };
        tx.SendMeasurement(m_condition, m_records, 3);
        QCOMPARE(pty.Drain(), std::string("3.51,0.82\r\n"));
        QVERIFY(store.param.rs232c.enabled);
    }

    void aLineThatGoesAndComesBackIsReopenedByRetry() {
        test::SocatPair pair;
        SerialRig rig(EightBitsOn(pair.Port()));
        auto& [store, line, server, op, dde, clock, tx] = rig;
        QVERIFY(tx.OpenSerialPort());
        pair.Stop();  // the other end is gone
        std::vector<qint64> leftInPort;
        op.act = [&] {
            leftInPort.push_back(line.Port().bytesToWrite());
            // The first retry meets the line still gone; the line is back for the second.
            if (op.texts.size() == 2 && !pair.Start())
                return IDCANCEL;
            return IDRETRY;
        };
        tx.SendMeasurement(m_condition, m_records, 1);
        QCOMPARE(op.texts, std::vector<std::string>(2, kMsgCantTransmitRs232c));
        // Nothing failed stays behind to be written again and again, or twice.
        QCOMPARE(leftInPort, (std::vector<qint64>{0, 0}));
        QCOMPARE(pair.ReadPeer(), std::string("3.51,0.82\r\n"));
        QVERIFY(line.IsOpen());
    }

    void whatADeviceSendsBackIsNotKept() {
        test::SocatPair pair;
        CQtSerialLine line;
        MeasDataSendParam p = EightBitsOn(pair.Port());
        QVERIFY(line.Open(MakeSerialParameters(p)));
        QVERIFY(pair.WritePeer(std::string(1000, 'a')));
        QTest::qWait(200);
        QCOMPARE(line.Port().bytesAvailable(), qint64{0});
        QCOMPARE(line.Write("1\r\n"), std::int64_t{3});
        QCOMPARE(pair.ReadPeer(), std::string("1\r\n"));
    }

    void aPortThatCantBeOpenedIsToldAndSwitchedOff() {
        SerialRig rig(EightBitsOn("/nonexistent/ttyKLV"));
        auto& [store, line, server, op, dde, clock, tx] = rig;
        QVERIFY(!tx.OpenSerialPort());
        QCOMPARE(op.texts, std::vector<std::string>{kMsgCantUseComPort});
        QVERIFY(!store.param.rs232c.enabled);
        QCOMPARE(store.saves, 1);
    }
};

}  // namespace klv

QTEST_GUILESS_MAIN(klv::SerialLineTest)
#include "serial_line_test.moc"
