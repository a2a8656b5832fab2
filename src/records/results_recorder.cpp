#include "records/results_recorder.h"

#include "records/schema.h"
#include "records/sync.h"

namespace klv {

CResultsRecorder::CResultsRecorder(std::string dataDir, std::unique_ptr<ResultsDatabase> db,
                                   std::string problem, TesterIdentity tester, Options options)
    : m_dataDir(std::move(dataDir)),
      m_db(std::move(db)),
      m_tester(std::move(tester)),
      m_options(options),
      m_outbox(m_dataDir) {
    if (!problem.empty())
        SetProblem(problem);
}

CResultsRecorder::~CResultsRecorder() {
    Stop();
}

bool CResultsRecorder::Start(bool syncLogs) {
    if (syncLogs)
        m_store = std::make_unique<ConditionStore>(m_dataDir, m_quiet);
    std::string message;
    bool loaded = false;
    {
        std::lock_guard lock(m_lock);
        loaded = m_outbox.Load(message);
        m_loaded = loaded;
    }
    if (!loaded)
        SetProblem(message);
    if (!now)
        now = [] { return std::string(); };
    if (m_db && loaded)
        m_worker = std::thread([this] { Run(); });
    return loaded;
}

void CResultsRecorder::Stop() {
    {
        std::lock_guard lock(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

bool CResultsRecorder::Append(OutboxRecord record) {
    bool appended = false;
    {
        std::lock_guard lock(m_lock);
        // An outbox not read would number records anew and some would pass for delivered.
        appended = m_loaded && m_outbox.Append(record);
    }
    if (!appended)
        SetProblem("The outbox " + m_outbox.Path() +
                   " cannot be written: the measurement stays in its data log only.");
    m_wake.notify_all();
    return appended;
}

bool CResultsRecorder::Record(const MeasurementRecord& measurement) {
    OutboxRecord record;
    record.measurement = measurement;
    return Append(std::move(record));
}

bool CResultsRecorder::Record(const EventRecord& event) {
    OutboxRecord record;
    record.event = event;
    return Append(std::move(record));
}

RecorderStatus CResultsRecorder::Status() const {
    std::lock_guard lock(m_lock);
    return {static_cast<std::int64_t>(m_outbox.Pending().size()), m_problem, m_problemSerial};
}

bool CResultsRecorder::WaitUntilDelivered(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_lock);
    return m_delivered.wait_for(lock, timeout, [this] { return m_outbox.Pending().empty(); });
}

void CResultsRecorder::SetProblem(const std::string& problem) {
    std::lock_guard lock(m_lock);
    if (problem == m_problem)
        return;
    m_problem = problem;
    if (!problem.empty())
        ++m_problemSerial;
}

void CResultsRecorder::Wait(std::chrono::milliseconds delay) {
    std::unique_lock lock(m_lock);
    m_wake.wait_for(lock, delay, [this] { return m_stop; });
}

bool CResultsRecorder::Connect() {
    if (m_connected)
        return true;
    DbResult r = m_db->Open();
    if (r.ok())
        r = MigrateSchema(*m_db);
    if (!r.ok()) {
        m_db->Close();
        SetProblem("The results database " + m_db->Where() + " cannot be used: " + r.message);
        return false;
    }
    m_connected = true;
    return true;
}

void CResultsRecorder::Run() {
    std::chrono::milliseconds retry = m_options.firstRetry;
    auto backOff = [&] {
        Wait(retry);
        retry = std::min(retry * 2, m_options.longestRetry);
    };
    for (;;) {
        std::optional<OutboxRecord> next;
        {
            std::unique_lock lock(m_lock);
            m_wake.wait(lock, [this] {
                return m_stop || !m_outbox.Pending().empty() || (!m_synced && m_store);
            });
            if (m_stop)
                return;
            if (!m_outbox.Pending().empty())
                next = m_outbox.Pending().front();
        }
        if (!Connect()) {
            backOff();
            continue;
        }
        DbResult r;
        if (next) {
            r = DeliverRecord(*m_db, m_tester, m_outbox.Name(), *next, now());
        } else {
            // The outbox is empty: measurements a crash kept from it are in the logs only.
            SyncCounts counts;
            // A shutdown does not wait for the rest of the logs.
            r = SyncChannels(
                *m_db, *m_store, m_tester, now(), counts,
                [this](int) {
                    std::lock_guard lock(m_lock);
                    return !m_stop;
                },
                true);
            if (r.ok())
                m_synced = true;
        }
        if (!r.ok()) {
            if (r.kind == DbResult::Unavailable) {
                m_db->Close();
                m_connected = false;
            }
            SetProblem("The results database " + m_db->Where() +
                       " did not take a record: " + r.message);
            backOff();
            continue;
        }
        retry = m_options.firstRetry;
        std::string message;
        bool marked = true;
        {
            std::lock_guard lock(m_lock);
            if (next)
                marked = m_outbox.MarkDelivered(message);
        }
        SetProblem(marked ? std::string() : message);
        if (!marked)
            backOff();
        m_delivered.notify_all();
    }
}

}  // namespace klv
