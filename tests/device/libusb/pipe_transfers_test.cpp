#include "device/libusb/pipe_transfers.h"

#include <gtest/gtest.h>

#include <memory>

namespace klv::test {
namespace {

struct Ledger {
    int freed = 0;
    int freedInFlight = 0;
    int cancels = 0;
};

// A transfer that comes back after `waits` rounds of event handling (never when negative).
class FakeTransfer {
public:
    FakeTransfer(Ledger& ledger, int waits) : m_ledger(ledger), m_waits(waits) {}
    ~FakeTransfer() {
        ++m_ledger.freed;
        if (inFlight)
            ++m_ledger.freedInFlight;
    }
    bool InFlight() const { return inFlight; }
    int Cancel() {
        ++m_ledger.cancels;
        return 0;
    }
    void Wait() {
        if (m_waits >= 0 && --m_waits < 0)
            inFlight = false;
    }
    bool inFlight = true;

private:
    Ledger& m_ledger;
    int m_waits;
};

constexpr int kRounds = 50;

void Wait(FakeTransfer& t) {
    t.Wait();
}

TEST(PipeTransfersTest, AnAbandonedTransferIsFreedOnlyOnceItIsBack) {
    struct Case {
        int waits;
        std::size_t orphans;
    };
    for (Case c : {Case{0, 0}, Case{kRounds - 1, 0}, Case{kRounds, 1}, Case{-1, 1}}) {
        Ledger ledger;
        CPipeTransfers<FakeTransfer> pipe;
        pipe.Start(std::make_unique<FakeTransfer>(ledger, c.waits));
        pipe.Abandon(kRounds, Wait);
        EXPECT_EQ(ledger.cancels, 1) << c.waits;
        EXPECT_EQ(pipe.Current(), nullptr) << c.waits;
        EXPECT_EQ(pipe.Orphans(), c.orphans) << c.waits;
        EXPECT_EQ(ledger.freed, c.orphans ? 0 : 1) << c.waits;
        EXPECT_EQ(ledger.freedInFlight, 0) << c.waits;
    }
}

TEST(PipeTransfersTest, AnOrphanKeepsItsBufferUntilItComesBackOrTheDeviceCloses) {
    Ledger ledger;
    CPipeTransfers<FakeTransfer> pipe;
    auto lost = std::make_unique<FakeTransfer>(ledger, -1);
    FakeTransfer* orphan = lost.get();
    pipe.Start(std::move(lost));
    pipe.Abandon(kRounds, Wait);
    pipe.Start(std::make_unique<FakeTransfer>(ledger, -1));
    EXPECT_NE(pipe.Current(), orphan) << "a transfer in flight is never used again";
    EXPECT_EQ(ledger.freed, 0);
    pipe.Current()->inFlight = false;
    pipe.Finish();
    EXPECT_EQ(pipe.Orphans(), 1u);
    orphan->inFlight = false;  // the bus gives it back at last
    pipe.Start(std::make_unique<FakeTransfer>(ledger, -1));
    EXPECT_EQ(pipe.Orphans(), 0u);
    EXPECT_EQ(ledger.freed, 2);
    EXPECT_EQ(ledger.freedInFlight, 0);
    pipe.Abandon(kRounds, Wait);
    EXPECT_EQ(pipe.Orphans(), 1u);
    pipe.ReleaseAll();
    EXPECT_EQ(pipe.Orphans(), 0u);
    EXPECT_EQ(ledger.freed, 3);
}

TEST(PipeTransfersTest, ATransferAlreadyBackIsNotCancelled) {
    Ledger ledger;
    CPipeTransfers<FakeTransfer> pipe;
    pipe.Start(std::make_unique<FakeTransfer>(ledger, -1));
    pipe.Current()->inFlight = false;
    pipe.Abandon(kRounds, Wait);
    EXPECT_EQ(ledger.cancels, 0);
    EXPECT_EQ(ledger.freed, 1);
}

}  // namespace
}  // namespace klv::test
