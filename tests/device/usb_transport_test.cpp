#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "device/device_fixture.h"
#include "device/device_frames.h"
#include "device/usb_status.h"

namespace klv::test {
namespace {

using std::chrono::milliseconds;

bool WaitUntil(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
}

// An idle callback that takes its time; `plain` is written without any lock, so that a
// reader racing with a running call shows under ThreadSanitizer.
class SlowIdle final : public TransportIdle {
public:
    explicit SlowIdle(int ms = 0) : m_ms(ms) {}
    void OnTransportIdle(TransportPort&) override {
        inside.store(true);
        calls.fetch_add(1);
        std::this_thread::sleep_for(milliseconds(m_ms));
        ++plain;
        inside.store(false);
    }
    std::atomic<bool> inside{false};
    std::atomic<int> calls{0};
    int plain = 0;

private:
    int m_ms;
};

class TransportTest : public DeviceFixture {
protected:
    // A status query with short limits, so timeouts are quick to provoke.
    int Query(int tries, std::uint8_t* dest, std::uint32_t rxTimeout = 100) {
        Frame f = MakeQueryFrame(kGetDeviceStatus);
        cmd = DeviceCommand{};
        cmd.pTxBuffer = f.data();
        cmd.dwTxLength = 2;
        cmd.pRxBuffer = dest;
        cmd.dwRxLength = kDeviceStatusLength;
        cmd.dwTxTimeout = 100;
        cmd.dwRxTimeout = rxTimeout;
        return transport.Exchange(cmd, tries, false, false);
    }
    int Echo(const Frame& f, int tries, bool showErrors) {
        cmd = DeviceCommand{};
        cmd.pTxBuffer = f.data();
        cmd.dwTxLength = static_cast<std::uint32_t>(f.size());
        cmd.dwTxTimeout = 100;
        cmd.dwRxTimeout = 100;
        return transport.Exchange(cmd, tries, true, showErrors);
    }
    DeviceCommand cmd;
    std::uint8_t status[kDeviceStatusLength] = {};
};

TEST_F(TransportTest, MissingDeviceGives512AndTheLogLine) {
    instrument.SetConnected(false);
    EXPECT_EQ(transport.UUsbdAPI_InitializeApp(false), 512u);
    EXPECT_NE(Log().find("UUsbdAPI_InitializeApp: Device not connected or driver not installed\n"),
              std::string::npos);
    EXPECT_EQ(Query(3, status), 0);
    EXPECT_EQ(cmd.dwStatus, 512u);
}

TEST_F(TransportTest, OpenFailureLogsTheErrorCode) {
    instrument.SetOpenError(0x1f);
    EXPECT_EQ(transport.UUsbdAPI_InitializeApp(false), 512u);
    EXPECT_NE(Log().find("UUsbdAPI_InitializeApp:Failed looking for device, HRESULT 0x1f\n"),
              std::string::npos);
}

TEST_F(TransportTest, StartFindsBulkPipesLogsAndSendsTheCancelWord) {
    Start();
    EXPECT_EQ(transport.InPipe(), kFakeInPipe);
    EXPECT_EQ(transport.OutPipe(), kFakeOutPipe);
    std::string log = Log();
    EXPECT_NE(log.find("Opened the USB Device\n"), std::string::npos);
    EXPECT_NE(log.find("WinUsb_GetDescriptor() : bcdUSB = 200"), std::string::npos);
    EXPECT_NE(log.find("Endpoint index: 1 Pipe type: Bulk Pipe=2, pipeID: 81 IN.\n"),
              std::string::npos);
    EXPECT_NE(log.find("Endpoint index: 2 Pipe type: Bulk Pipe =2, pipeID: 2.OUT \n"),
              std::string::npos);
    ASSERT_EQ(instrument.Received().size(), 1u);
    EXPECT_EQ(instrument.Received()[0], (std::vector<std::uint8_t>{0xF0, 0xFA}));
}

TEST_F(TransportTest, WrongAnswerLengthsGive770AndAreNeverCopied) {
    Start();
    for (Fault f : {Fault::ExtraByte, Fault::MissingByte, Fault::WrongLengthByte}) {
        std::memset(status, 0xEE, sizeof status);
        instrument.Inject(f);
        EXPECT_EQ(Query(1, status), 0);
        EXPECT_EQ(cmd.dwStatus, 770u);
        EXPECT_EQ(status[0], 0xEE);
        EXPECT_EQ(Query(1, status), 1) << "the next exchange is clean";
    }
}

TEST_F(TransportTest, LateAnswerGives769FlushesAndTheNextExchangeSucceeds) {
    Start();
    instrument.SetLateMs(150);
    instrument.Inject(Fault::LateAnswer);
    int flushes = usb.Flushes(kFakeInPipe);
    EXPECT_EQ(Query(1, status), 0);
    EXPECT_EQ(cmd.dwStatus, 769u);
    EXPECT_GT(usb.Flushes(kFakeInPipe), flushes);
    // The abandoned answer arrives meanwhile; it must not be taken for the next one.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Frame dac = MakeSetDacValueFrame(0x1234);
    EXPECT_EQ(Echo(dac, 1, false), 1);
    EXPECT_EQ(instrument.PendingAnswers(), 0u);
    // Drained once: the next exchange reads its own answer only.
    const int reads = usb.InTransfers();
    EXPECT_EQ(Echo(dac, 1, false), 1);
    EXPECT_EQ(usb.InTransfers(), reads + 1);
}

TEST_F(TransportTest, LostAnswerAndStalledSendTimeOut) {
    Start();
    instrument.Inject(Fault::LoseAnswer);
    EXPECT_EQ(Query(1, status), 0);
    EXPECT_EQ(cmd.dwStatus, 769u);
    int outFlushes = usb.Flushes(kFakeOutPipe);
    instrument.Inject(Fault::StallSend);
    EXPECT_EQ(Query(1, status), 0);
    EXPECT_EQ(cmd.dwStatus, 772u);
    EXPECT_GT(usb.Flushes(kFakeOutPipe), outFlushes);
    instrument.Inject(Fault::FailWrite);
    EXPECT_EQ(Query(1, status), 0);
    EXPECT_EQ(cmd.dwStatus, 771u);
    EXPECT_EQ(Query(1, status), 1);
}

TEST_F(TransportTest, SuccessOnTheThirdTryCountsThreeExchangesAndTwoErrors) {
    Start();
    instrument.Inject(Fault::CorruptEcho, 2);
    Frame f = MakeSetPumpFrequencyFrame(3);
    EXPECT_EQ(Echo(f, 3, false), 1);
    UsbStatistics s = transport.ReadStatistics();
    EXPECT_EQ(s.exchanges, 3u);
    EXPECT_EQ(s.errors, 2u);
    EXPECT_EQ(s.retryMaximum, 2u);
    EXPECT_EQ(CountFrames(kSetPumpFrequency), 3);
}

TEST_F(TransportTest, EchoMismatchGivesFFFFAndTheBoxShowsItsText) {
    Start();
    instrument.Inject(Fault::CorruptEcho, 3);
    op.Answer(IDCANCEL);
    Frame f = MakeSetDacValueFrame(7);
    EXPECT_EQ(Echo(f, 3, true), 0);
    EXPECT_EQ(cmd.dwStatus, 0xFFFFu);
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, "Cause unknown error.");
    EXPECT_EQ(op.Messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Exclamation);
}

TEST_F(TransportTest, CancelSendsTheCancelWordAndRepeatDoesNot) {
    Start();
    Frame f = MakeSetDacValueFrame(9);
    instrument.Inject(Fault::CorruptEcho, 6);
    op.Answer(IDRETRY);
    op.Answer(IDCANCEL);
    EXPECT_EQ(Echo(f, 3, true), 0);
    EXPECT_EQ(CountFrames(kSetDacValue), 6) << "Repeat starts the tries again";
    EXPECT_EQ(CountFrames(kCommandCancel), 2) << "one at start, one for Cancel only";
    EXPECT_EQ(usb.Closes(), 2) << "the box closes the device each time";
    EXPECT_TRUE(transport.IsDeviceOpen());
    instrument.Inject(Fault::CorruptEcho, 3);
    op.Answer(IDRETRY);
    EXPECT_EQ(Echo(f, 3, true), 1) << "repeat after the fault has passed succeeds";
    EXPECT_EQ(CountFrames(kCommandCancel), 2);
}

TEST_F(TransportTest, OkBoxEscapeReturns2AndSendsTheCancelWord) {
    Start();
    UsbMsgBoxLayout ok = DescribeUsbMsgBox(0);
    EXPECT_EQ(ok.escapeId, IDCANCEL);
    op.Answer(ok.escapeId);
    EXPECT_EQ(transport.CommunicationErrorBox("x", 0), IDCANCEL);
    EXPECT_EQ(CountFrames(kCommandCancel), 2);
}

TEST_F(TransportTest, ResetDuringAnExchangeTakesEffectAtTheNextTurn) {
    Start();
    EXPECT_EQ(Query(1, status), 1);
    instrument.SetLateMs(50);
    instrument.Inject(Fault::LateAnswer);
    pump.Post([this] { transport.ResetStatistics(); });
    EXPECT_EQ(Query(1, status), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(transport.ReadStatistics().exchanges, 0u) << "the try counted before is gone";
    EXPECT_GE(transport.ReadStatistics().rxTimeMaximum, 50u) << "the answer came after the reset";
}

TEST_F(TransportTest, RequestMadeDuringAnotherWaitsItsTurn) {
    Start();
    instrument.SetLateMs(60);
    instrument.Inject(Fault::LateAnswer);
    std::uint8_t inner[kDeviceStatusLength] = {};
    int innerResult = -1;
    DeviceCommand innerCmd;
    Frame dac = MakeSetDacValueFrame(0x4242);
    pump.Post([&] {
        innerCmd.pTxBuffer = dac.data();
        innerCmd.dwTxLength = 4;
        innerResult = transport.Exchange(innerCmd, 1, true, false);
        (void)inner;
    });
    EXPECT_EQ(Query(1, status, 200), 1);
    EXPECT_EQ(innerResult, 1);
    auto frames = instrument.Received();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(FrameWord(frames[1].data(), 2), kGetDeviceStatus);
    EXPECT_EQ(FrameWord(frames[2].data(), 2), kSetDacValue);
    EXPECT_EQ(status[20] | (status[21] << 8), 0) << "outer answer predates the inner command";
}

TEST_F(TransportTest, ShutdownStopsTheThreadAndClosesTheDevice) {
    Start();
    transport.Shutdown();
    EXPECT_FALSE(transport.IsRunning());
    EXPECT_FALSE(transport.IsDeviceOpen());
    EXPECT_EQ(Query(1, status), 0);
}

// The thread contract: what the UI thread may rely on while the transport thread runs.

TEST_F(TransportTest, ClearingTheIdleCallbackWaitsForTheCallInProgress) {
    Start();
    SlowIdle idle(40);
    transport.SetIdleCallback(&idle);
    ASSERT_TRUE(WaitUntil([&] { return idle.inside.load(); }));
    EXPECT_EQ(transport.SetIdleCallback(nullptr), &idle);
    EXPECT_FALSE(idle.inside.load()) << "returned while the thread was still in the callback";
    const int calls = idle.calls.load();
    EXPECT_EQ(idle.plain, calls);
    std::this_thread::sleep_for(milliseconds(80));
    EXPECT_EQ(idle.calls.load(), calls);
}

TEST_F(TransportTest, OnlyTheTransportThreadTouchesThePipes) {
    Start();
    instrument.Inject(Fault::CorruptEcho, 3);
    op.Answer(IDCANCEL);
    EXPECT_EQ(Echo(MakeSetDacValueFrame(9), 3, true), 0);
    EXPECT_EQ(CountFrames(kCommandCancel), 2) << "the start-up word and the box's";
    const auto threads = usb.PipeThreads();
    ASSERT_EQ(threads.size(), 1u);
    EXPECT_NE(*threads.begin(), std::this_thread::get_id());
}

TEST_F(TransportTest, TheBoxClosesTheDeviceOnlyOnceTheThreadHasPaused) {
    Start();
    SlowIdle idle(100);
    transport.SetIdleCallback(&idle);
    ASSERT_TRUE(WaitUntil([&] { return idle.inside.load(); }));
    bool threadInStep = true;
    box.whileShown = [&] { threadInStep = idle.inside.load(); };
    op.Answer(IDRETRY);
    EXPECT_EQ(transport.CommunicationErrorBox("x", kBoxRepeatCancel), IDRETRY);
    EXPECT_FALSE(threadInStep);
    transport.SetIdleCallback(nullptr);
}

// An event handled in the box's modal loop makes its own exchange, which fails and shows a
// box of its own; the thread must stay paused until the outer box is answered.
TEST_F(TransportTest, NestedExchangeDuringTheBoxLeavesTheThreadPaused) {
    Start();
    SlowIdle idle;
    transport.SetIdleCallback(&idle);
    const Frame dac = MakeSetDacValueFrame(0x4242);
    int nested = -1;
    std::uint32_t nestedStatus = 0;
    int idleCallsInBox = -1;
    int opensInBox = -1;
    box.whileShown = [&] {
        const int before = idle.calls.load();
        DeviceCommand inner;
        inner.pTxBuffer = dac.data();
        inner.dwTxLength = static_cast<std::uint32_t>(dac.size());
        nested = transport.Exchange(inner, 1, true, true);
        nestedStatus = inner.dwStatus;
        std::this_thread::sleep_for(milliseconds(100));
        idleCallsInBox = idle.calls.load() - before;
        opensInBox = usb.Opens();
    };
    instrument.Inject(Fault::CorruptEcho, 3);
    op.Answer(IDCANCEL);  // the nested box
    op.Answer(IDCANCEL);  // the outer box
    EXPECT_EQ(Echo(MakeSetDacValueFrame(7), 3, true), 0);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(nestedStatus, static_cast<std::uint32_t>(kUsbNotConnected));
    EXPECT_EQ(idleCallsInBox, 0) << "the thread ran while the box was up";
    EXPECT_EQ(opensInBox, 1) << "the device was reopened while the box was up";
    EXPECT_EQ(CountFrames(kSetDacValue), 3) << "the nested command reached the instrument";
    EXPECT_EQ(CountFrames(kCommandCancel), 2) << "one word for the box that was answered last";
    EXPECT_TRUE(transport.IsDeviceOpen());
    const int after = idle.calls.load();
    EXPECT_TRUE(WaitUntil([&] { return idle.calls.load() > after; })) << "resumes after the box";
    transport.SetIdleCallback(nullptr);
    EXPECT_EQ(usb.PipeThreads().count(std::this_thread::get_id()), 0u);
}

// A request published just before the thread was stopped must not be run by the next thread.
TEST_F(TransportTest, RestartDropsTheRequestTheStoppedThreadLeft) {
    Start();
    struct UntilQuit final : TransportIdle {
        void OnTransportIdle(TransportPort& port) override {
            inside.store(true);
            while (!port.QuitRequested())
                std::this_thread::sleep_for(milliseconds(1));
        }
        std::atomic<bool> inside{false};
    } blocker;
    transport.SetIdleCallback(&blocker);
    ASSERT_TRUE(WaitUntil([&] { return blocker.inside.load(); }));
    // A second request queued behind the first (made while the first waits) is dropped too.
    int innerResult = -1;
    DeviceCommand inner;
    Frame dac = MakeSetDacValueFrame(0x4242);
    pump.Post([&] {
        pump.Post([this] {
            transport.Shutdown();
            transport.SetIdleCallback(nullptr);
            EXPECT_EQ(transport.UUsbdAPI_InitializeApp(false), 0u);
        });
        inner.pTxBuffer = dac.data();
        inner.dwTxLength = 4;
        innerResult = transport.Exchange(inner, 1, true, false);
    });
    EXPECT_EQ(Query(1, status), 0);
    EXPECT_EQ(cmd.dwStatus, static_cast<std::uint32_t>(kUsbCancelled));
    EXPECT_EQ(innerResult, 0);
    EXPECT_EQ(inner.dwStatus, static_cast<std::uint32_t>(kUsbCancelled));
    std::this_thread::sleep_for(milliseconds(60));
    EXPECT_EQ(CountFrames(kGetDeviceStatus), 0) << "the old request went out after the restart";
    EXPECT_EQ(Query(1, status), 1) << "the new thread takes new requests";
}

TEST(UsbStatusTextTest, EveryCodeHasItsText) {
    EXPECT_EQ(UsbStatusText(770), "Incorrect receiving data length .");
    EXPECT_EQ(UsbStatusText(1025), "Not ending the equested command for the device.");
    EXPECT_EQ(UsbStatusText(544), "Not possible to get max. packet length of the device.");
    EXPECT_EQ(UsbStatusText(0xFFFF), "Cause unknown error.");
    EXPECT_EQ(UsbStatusText(12345), "Cause unknown error.");
}

TEST(UsbMsgBoxTest, ButtonSetsAndIconRules) {
    UsbMsgBoxLayout two = DescribeUsbMsgBox(2);
    ASSERT_EQ(two.buttons.size(), 3u);
    EXPECT_STREQ(two.buttons[1].text, "Repeat(&R)");
    EXPECT_EQ(two.icon, MsgIcon::None) << "set 2 without icon bits stays without icon";
    EXPECT_EQ(DescribeUsbMsgBox(3).icon, MsgIcon::Exclamation);
    EXPECT_EQ(DescribeUsbMsgBox(0x14).icon, MsgIcon::Stop);
    EXPECT_EQ(DescribeUsbMsgBox(0x25).icon, MsgIcon::Question);
    EXPECT_EQ(DescribeUsbMsgBox(0x41).icon, MsgIcon::Information);
    UsbMsgBoxLayout odd = DescribeUsbMsgBox(9);
    ASSERT_EQ(odd.buttons.size(), 1u);
    EXPECT_EQ(odd.icon, MsgIcon::None);
    EXPECT_EQ(DescribeUsbMsgBox(5).escapeId, 0);
    for (int id : {2, 3, 5, 7})
        EXPECT_TRUE(UsbBoxAnswerCancels(id));
    for (int id : {1, 4, 6})
        EXPECT_FALSE(UsbBoxAnswerCancels(id));
}

}  // namespace
}  // namespace klv::test
