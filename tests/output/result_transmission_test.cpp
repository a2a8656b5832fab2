#include "output/result_transmission.h"

#include <gtest/gtest.h>

#include "output/output_fakes.h"
#include "output/output_messages.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"

namespace klv {
namespace {

using test::Measured;

class ResultTransmissionTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.param.rs232c.enabled = true;
        dde.StartDdeServer();
    }
    void Send(std::uint32_t number = 7) {
        const MsrLogRecord r[] = {Measured(3.51f), Measured(0.82f)};
        tx.SendMeasurement(d, r, number);
    }

    test::MemorySendParamStore store;
    test::ScriptedSerialLine line;
    test::RecordingPubSubServer server;
    test::ScriptedOperator op;
    test::SettableClock clock;
    CDdeServer dde{server, op};
    CResultTransmission tx{store, line, dde, op, clock};
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni", test::kRange4_10),
                                      test::Layer(kCoatCopper, "Cu", test::kRange4_10)});
};

TEST_F(ResultTransmissionTest, OneMeasurementIsOneLineWithItsEndCharacters) {
    ASSERT_TRUE(tx.OpenSerialPort());
    Send();
    EXPECT_EQ(line.written, "3.51,0.82\r\n");
    EXPECT_EQ(*dde.Request(DdeTopic::Meas, "RESULT"), "3.51\t0.82");
    store.param.delimitor = 1;
    store.param.rs232c.format = {kItemDataNumber | kItemMeasValue, 2, 0, true};
    ASSERT_TRUE(tx.OpenSerialPort());
    line.written.clear();
    Send(8);
    EXPECT_EQ(line.written, "8 3.51um 0.82um\r");
    store.param.delimitor = 2;
    ASSERT_TRUE(tx.OpenSerialPort());
    line.written.clear();
    Send(9);
    EXPECT_EQ(line.written, "9 3.51um 0.82um\n");
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(ResultTransmissionTest, AFailedWriteIsRetriedWholeOrGivenUp) {
    ASSERT_TRUE(tx.OpenSerialPort());
    line.failures = 1;
    op.Answer(IDRETRY);
    Send();
    EXPECT_EQ(op.Texts(), std::vector<std::string>{kMsgCantTransmitRs232c});
    EXPECT_EQ(op.Messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(line.attempts, (std::vector<std::string>{"3.51,0.82\r\n", "3.51,0.82\r\n"}));
    EXPECT_EQ(line.written, "3.51,0.82\r\n");
    EXPECT_EQ(line.errorClears, 1);
    EXPECT_EQ(line.purges, 0);
    // Retry opens the same port anew, so a line that came back is reached.
    ASSERT_EQ(line.opened.size(), 2u);
    EXPECT_EQ(line.opened[1].portName, line.opened[0].portName);
    EXPECT_EQ(line.closes, 1);

    line.failures = 5;
    op.Answer(IDRETRY);
    op.Answer(IDCANCEL);
    Send();
    EXPECT_EQ(line.attempts.size(), 4u);
    EXPECT_EQ(line.purges, 1);
    EXPECT_EQ(line.written, "3.51,0.82\r\n");
    EXPECT_TRUE(store.param.rs232c.enabled);
}

TEST_F(ResultTransmissionTest, APortThatCantBeUsedSwitchesTheOutputOffAndSavesIt) {
    line.openable = false;
    EXPECT_FALSE(tx.OpenSerialPort());
    EXPECT_EQ(op.Texts(), std::vector<std::string>{kMsgCantUseComPort});
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(store.param.rs232c.enabled);
    EXPECT_EQ(store.saves, 1);
    Send();
    EXPECT_TRUE(line.attempts.empty());
    // Not retried until the operator switches it on again.
    EXPECT_TRUE(tx.OpenSerialPort());
    EXPECT_EQ(line.opened.size(), 1u);
}

TEST_F(ResultTransmissionTest, ReopeningClosesTheOpenPortFirstAndOffOutputsSendNothing) {
    ASSERT_TRUE(tx.OpenSerialPort());
    store.param.rs232c.enabled = false;
    store.param.dde.enabled = false;
    EXPECT_TRUE(tx.OpenSerialPort());
    EXPECT_EQ(line.closes, 1);
    EXPECT_FALSE(line.open);
    Send();
    EXPECT_TRUE(line.attempts.empty());
    EXPECT_EQ(*dde.Request(DdeTopic::Meas, "RESULT"), " ");
    EXPECT_TRUE(server.notices.empty());
}

TEST(SendParam, OutputRecordsKeepTheDefaultsOfMissingFields) {
    const OutputRecord rs = MeasDataSendParam{}.rs232c;
    const OutputRecord r = ParseOutputRecord("1,37", rs);
    EXPECT_TRUE(r.enabled);
    EXPECT_EQ(r.format.items, 37u);
    EXPECT_EQ(r.format.delimiter, 1);
    const OutputRecord unitBit = ParseOutputRecord("1,255,2,3,1", rs);
    EXPECT_EQ(unitBit.format.items, 127u);
    EXPECT_EQ(FormatOutputRecord(unitBit), "1,127,2,3,1");
    const OutputRecord junk = ParseOutputRecord("x,1", MeasDataSendParam{}.dde);
    EXPECT_TRUE(junk.enabled);
    EXPECT_EQ(junk.format.items, 64u);
    EXPECT_EQ(junk.format.delimiter, 0);
}

TEST(SendParam, SerialParametersAsTheSettingsMapThem) {
    struct Case {
        int speed, parity, dataBit, stopBit;
        int baud;
        SerialParity expectedParity;
        int bits, stops;
    };
    const Case cases[] = {
        {600, 2, 1, 1, 600, SerialParity::None, 8, 2},
        {1234, 7, 0, 0, 9600, SerialParity::Even, 7, 1},
        {19200, 1, 5, 3, 19200, SerialParity::Odd, 7, 1},
        {300, 0, 1, 0, 300, SerialParity::Even, 8, 1},
        {38400, 2, 0, 1, 9600, SerialParity::None, 7, 2},
    };
    for (const Case& c : cases) {
        MeasDataSendParam p;
        p.speed = c.speed;
        p.parity = c.parity;
        p.dataBit = c.dataBit;
        p.stopBit = c.stopBit;
        const SerialParameters s = MakeSerialParameters(p);
        EXPECT_EQ(s.baudRate, c.baud) << c.speed;
        EXPECT_EQ(s.parity, c.expectedParity) << c.parity;
        EXPECT_EQ(s.dataBits, c.bits);
        EXPECT_EQ(s.stopBits, c.stops);
    }
    MeasDataSendParam p;
    p.portNbr = 2;
    EXPECT_EQ(MakeSerialParameters(p).portName, "/dev/ttyS2");
    p.portName = "/tmp/x/ttyA";
    EXPECT_EQ(MakeSerialParameters(p).portName, "/tmp/x/ttyA");
}

}  // namespace
}  // namespace klv
