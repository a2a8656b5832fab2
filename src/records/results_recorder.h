#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "records/delivery.h"
#include "records/outbox.h"
#include "records/results_database.h"
#include "reference/condition_store.h"

namespace klv {

// What the status line shows of the results database.
struct RecorderStatus {
    std::int64_t waiting = 0;         // records in the outbox
    std::string problem;              // why they wait; empty when the database takes them
    std::uint64_t problemSerial = 0;  // grows with each new problem, to tell it once
};

// Records measurements and events in the results database without ever holding up the
// caller: a record is appended to the outbox and flushed (the only work done on the
// caller's thread), then a worker thread of the recorder delivers the outbox in order. While
// the database cannot take records they wait, and the worker tries again now and then.
class CResultsRecorder {
public:
    struct Options {
        std::chrono::milliseconds firstRetry{500};
        std::chrono::milliseconds longestRetry{30000};
    };
    // `db` is null when the Url could not be used; `problem` then says why.
    CResultsRecorder(std::string dataDir, std::unique_ptr<ResultsDatabase> db, std::string problem,
                     TesterIdentity tester, Options options);
    CResultsRecorder(std::string dataDir, std::unique_ptr<ResultsDatabase> db, std::string problem,
                     TesterIdentity tester)
        : CResultsRecorder(std::move(dataDir), std::move(db), std::move(problem), std::move(tester),
                           Options{}) {}
    ~CResultsRecorder();
    CResultsRecorder(const CResultsRecorder&) = delete;
    CResultsRecorder& operator=(const CResultsRecorder&) = delete;

    // Reads the outbox and starts the worker. With `syncLogs` the worker then looks for
    // measurements in the logs that nothing recorded (a crash before the outbox took them),
    // once the outbox is empty, through a channel store of its own.
    bool Start(bool syncLogs);
    // False when the outbox could not be written: the measurement stays in its data log only,
    // and a sync records it later.
    bool Record(const MeasurementRecord& measurement);
    bool Record(const EventRecord& event);
    RecorderStatus Status() const;
    // For tests and the shutdown: waits until nothing is pending or the time is up.
    bool WaitUntilDelivered(std::chrono::milliseconds timeout);
    void Stop();
    std::function<std::string()> now;  // the time stamp of rows; set before Start

private:
    bool Append(OutboxRecord record);
    void Run();
    bool Connect();
    void SetProblem(const std::string& problem);
    void Wait(std::chrono::milliseconds delay);

    std::string m_dataDir;
    std::unique_ptr<ResultsDatabase> m_db;
    TesterIdentity m_tester;
    Options m_options;
    // The worker reads the logs without a word to the operator.
    class CQuietOperator final : public Operator {
    public:
        int ShowMessage(const std::string&, MsgIcon, MsgButtons) override { return IDOK; }
    };
    CQuietOperator m_quiet;
    std::unique_ptr<ConditionStore> m_store;

    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_delivered;
    COutbox m_outbox;
    std::string m_problem;
    std::uint64_t m_problemSerial = 0;
    bool m_stop = false;
    bool m_loaded = false;
    bool m_connected = false;
    bool m_synced = false;
    std::thread m_worker;
};

}  // namespace klv
