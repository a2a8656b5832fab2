#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/clock.h"
#include "base/line_log.h"
#include "device/device_protocol.h"
#include "device/fake/fake_instrument.h"
#include "device/fake/in_memory_usb.h"
#include "device/fake/test_seams.h"
#include "device/usb_transport.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv::test {

// A transport and protocol on in-memory pipes, with the operator's answers scripted.
class DeviceFixture : public ::testing::Test {
protected:
    // The process log outlives every fixture, so its clock must too.
    void SetUp() override {
        static SystemClock logClock;
        ProcessLineLog().Start(m_dir.File("mylog.log"), logClock, true);
    }
    void TearDown() override {
        protocol.SetPollingWindow(nullptr);
        transport.Shutdown();
    }
    void Start() { ASSERT_EQ(transport.UUsbdAPI_InitializeApp(false), 0u); }
    std::string Log() const { return ReadTestFile(m_dir.File("mylog.log")); }
    int CountFrames(std::uint16_t word) const {
        int n = 0;
        for (const auto& f : instrument.Received())
            if (f.size() >= 2 && (f[0] | (f[1] << 8)) == word)
                ++n;
        return n;
    }

    TempDir m_dir;
    SystemClock m_clock;
    FakeInstrument instrument{m_clock};
    InMemoryUsb usb{instrument};
    QueuedPump pump;
    ScriptedOperator op;
    ScriptedUsbBox box{op};
    CountingBusyHost busy;
    CUsbTransport transport{usb, pump, box, m_clock};
    CDeviceProtocol protocol{transport, pump, busy, m_clock};
};

}  // namespace klv::test
