#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QTest>
#include <functional>

#include "output/output_fakes.h"
#include "output/output_messages.h"
#include "output/result_transmission.h"
#include "output/ui/qt_serial_line.h"
#include "support/result_conditions.h"
#include "support/settable_clock.h"

namespace klv {

using test::Measured;

// A pseudo-terminal pair of the test: the program opens the slave by its path, the test reads
// what arrives at the master.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        termios raw{};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        m_path = name;
    }
    ~PtyPair() {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& Path() const { return m_path; }
    // Writes at the slave until the terminal takes no more, as a receiver that stopped reading.
    void Fill() {
        ::fcntl(m_slave, F_SETFL, ::fcntl(m_slave, F_GETFL) | O_NONBLOCK);
        const std::string block(4096, 'x');
        // The kernel moves bytes on to the master a moment later: fill until a round takes none.
        for (bool took = true; took;) {
            took = false;
            while (::write(m_slave, block.data(), block.size()) > 0)
                took = true;
            ::usleep(20000);
        }
    }
    // Everything that has arrived, after waiting up to `ms` for the first byte.
    std::string Drain(int ms = 2000) {
        std::string data;
        pollfd p{m_master, POLLIN, 0};
        while (::poll(&p, 1, data.empty() ? ms : 50) > 0) {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            data.append(buffer, static_cast<std::size_t>(n));
        }
        return data;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

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
        PtyPair pty;
        QVERIFY(!pty.Path().empty());
        const char* const ends[] = {"\r\n", "\r", "\n"};
        for (int delimitor = 0; delimitor < 3; ++delimitor) {
            test::MemorySendParamStore store;
            store.param = EightBitsOn(pty.Path());
            store.param.delimitor = delimitor;
            CQtSerialLine line;
            test::RecordingPubSubServer server;
            ActingOperator op;
            op.act = [] { return IDCANCEL; };
            CDdeServer dde(server, op);
            test::SettableClock clock;
            CResultTransmission tx(store, line, dde, op, clock);
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
        PtyPair pty;
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
        PtyPair pty;
        test::MemorySendParamStore store;
        store.param = EightBitsOn(pty.Path());
        CQtSerialLine line(200);
        test::RecordingPubSubServer server;
        ActingOperator op;
        CDdeServer dde(server, op);
        test::SettableClock clock;
        CResultTransmission tx(store, line, dde, op, clock);
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

    void aPortThatCantBeOpenedIsToldAndSwitchedOff() {
        test::MemorySendParamStore store;
        store.param = EightBitsOn("/nonexistent/ttyKLV");
        CQtSerialLine line;
        test::RecordingPubSubServer server;
        ActingOperator op;
        op.act = [] { return IDOK; };
        CDdeServer dde(server, op);
        test::SettableClock clock;
        CResultTransmission tx(store, line, dde, op, clock);
        QVERIFY(!tx.OpenSerialPort());
        QCOMPARE(op.texts, std::vector<std::string>{kMsgCantUseComPort});
        QVERIFY(!store.param.rs232c.enabled);
        QCOMPARE(store.saves, 1);
    }
};

}  // namespace klv

QTEST_GUILESS_MAIN(klv::SerialLineTest)
#include "serial_line_test.moc"
