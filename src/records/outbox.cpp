#include "records/outbox.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "base/file_io.h"

namespace klv {

namespace {

constexpr char kTesterIdFile[] = "results-tester.id";

bool AppendDurably(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

std::string MakeRandomId() {
    std::random_device device;
    std::mt19937_64 generator((static_cast<std::uint64_t>(device()) << 32) ^ device());
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "unknown";
    return name;
}

std::string LoadOrCreateTesterId(const std::string& dataDir, std::string& message) {
    const std::string path = dataDir + kTesterIdFile;
    std::string id;
    if (ReadWholeFile(path, id) == FileReadResult::Ok) {
        while (!id.empty() && (id.back() == '\n' || id.back() == '\r'))
            id.pop_back();
        if (!id.empty())
            return id;
    }
    id = MakeRandomId();
    const std::string line = id + "\n";
    if (WriteFileAtomically(path, line.data(), line.size()) != FileWriteResult::Ok)
        message = "The tester id cannot be written to " + path + ".";
    return id;
}

COutbox::COutbox(std::string dataDir) : m_dir(std::move(dataDir)) {}

bool COutbox::WriteMark(std::int64_t delivered) {
    const std::string text = m_name + " " + std::to_string(delivered) + "\n";
    return WriteFileAtomically(m_dir + kOutboxMarkFile, text.data(), text.size()) ==
           FileWriteResult::Ok;
}

bool COutbox::Load(std::string& message) {
    m_pending.clear();
    std::string mark;
    m_delivered = 0;
    m_name.clear();
    if (ReadWholeFile(m_dir + kOutboxMarkFile, mark) == FileReadResult::Ok) {
        std::istringstream in(mark);
        in >> m_name >> m_delivered;
    }
    if (m_name.empty()) {
        // A new outbox; its lines, if any, were never delivered under another name.
        m_name = MakeRandomId();
        m_delivered = 0;
        if (!WriteMark(0)) {
            message = "The outbox mark " + m_dir + kOutboxMarkFile + " cannot be written.";
            return false;
        }
    }
    m_nextSequence = m_delivered + 1;
    std::string contents;
    const std::string path = Path();
    if (!IsPathMissing(path) && ReadWholeFile(path, contents) != FileReadResult::Ok) {
        message = "The outbox " + path + " cannot be read.";
        return false;
    }
    const auto end = contents.rfind('\n');
    const std::size_t whole = end == std::string::npos ? 0 : end + 1;
    if (whole != contents.size() && TruncateFileTo(path, whole) != FileWriteResult::Ok) {
        message = "The outbox " + path + " cannot be repaired.";
        return false;
    }
    std::size_t start = 0;
    while (start < whole) {
        const auto lineEnd = contents.find('\n', start);
        const auto record = DecodeOutboxRecord(contents.substr(start, lineEnd - start));
        start = lineEnd + 1;
        if (!record)
            continue;
        if (record->sequence >= m_nextSequence)
            m_nextSequence = record->sequence + 1;
        if (record->sequence > m_delivered)
            m_pending.push_back(*record);
    }
    return true;
}

bool COutbox::Append(OutboxRecord& record) {
    record.sequence = m_nextSequence;
    if (!AppendDurably(Path(), EncodeOutboxRecord(record) + "\n"))
        return false;
    ++m_nextSequence;
    m_pending.push_back(record);
    return true;
}

bool COutbox::MarkDelivered(std::string& message) {
    if (m_pending.empty())
        return true;
    const std::int64_t sequence = m_pending.front().sequence;
    if (!WriteMark(sequence)) {
        message = "The outbox mark " + m_dir + kOutboxMarkFile + " cannot be written.";
        return false;
    }
    m_delivered = sequence;
    m_pending.pop_front();
    // Only delivered lines are left: the mark keeps the sequence going.
    if (m_pending.empty())
        TruncateFileTo(Path(), 0);
    return true;
}

}  // namespace klv
