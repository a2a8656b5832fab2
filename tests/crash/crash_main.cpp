// Kills a working child with SIGKILL at random moments, again and again on one data directory,
// and checks after each kill that everything it reported done is still there and readable.
//   klv_crash [--kills N] [--seed S] [--dir D] [--engine sqlite|postgresql]
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "crash/crash_check.h"
#include "crash/crash_results.h"
#include "crash/crash_workload.h"
#include "support/private_postgres.h"

namespace {

using namespace klv::crash;

struct Options {
    int kills = 50;
    std::uint32_t seed = 1;
    std::string dir;
    std::string engine = "sqlite";
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--kills")
            o.kills = std::atoi(argv[i + 1]);
        else if (name == "--seed")
            o.seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (name == "--dir")
            o.dir = argv[i + 1];
        else if (name == "--engine")
            o.engine = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1 && o.kills > 0 && (o.engine == "sqlite" || o.engine == "postgresql");
}

std::string MakeScratchDirectory() {
    const char* base = std::getenv("KLV_TEST_TMP");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/klvcrashXXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern + "/";
}

// Reads what the child wrote until the deadline or its end; the lines stay in `pending`.
void ReadUntil(int fd, std::chrono::steady_clock::time_point deadline, std::string& pending,
               bool& ended) {
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left < 0)
            return;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            ended = true;
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
    }
}

// What the killed child left in the pipe still counts: it was written before the kill.
void ReadToEnd(int fd, std::string& pending) {
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        pending.append(buffer, static_cast<std::size_t>(n));
}

// Steps reported done, by kind, and kills that came while a step was in flight.
struct Tally {
    std::map<char, int> done;
    int inFlight = 0;
};

void ApplyLines(std::string& pending, ExpectedState& state, std::optional<Report>& inFlight,
                Tally& tally) {
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
        Report r;
        if (ParseReport(pending.substr(start, end - start), r)) {
            Apply(r, state, inFlight);
            ++tally.done[static_cast<char>(r.kind)];
        }
    }
    pending.erase(0, start);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        std::fprintf(
            stderr,
            "usage: klv_crash [--kills N] [--seed S] [--dir D] [--engine sqlite|postgresql]\n");
        return 2;
    }
    if (o.dir.empty())
        o.dir = MakeScratchDirectory();
    if (o.dir.empty() || o.dir.back() != '/')
        o.dir += '/';
    // A lab server of the run's own; the children find it through the environment.
    std::optional<klv::test::PrivatePostgres> server;
    if (o.engine == "postgresql") {
        server.emplace();
        const std::string database = server->Error().empty() ? server->NewDatabase() : "";
        if (database.empty()) {
            std::fprintf(stderr, "no PostgreSQL server: %s\n", server->Error().c_str());
            return 2;
        }
        ::setenv("KLV_CRASH_RESULTS_URL", server->Url(database).c_str(), 1);
    }
    std::mt19937 rng(o.seed);
    ExpectedState state;
    int killed = 0, checked = 0, lost = 0, unreadable = 0, stopped = 0;
    Tally tally;
    for (int round = 0; round < o.kills; ++round) {
        int fds[2];
        if (::pipe(fds) != 0)
            return 2;
        const pid_t child = ::fork();
        if (child < 0)
            return 2;
        if (child == 0) {
            ::close(fds[0]);
            _exit(RunWorkload(o.dir, o.seed * 7919u + static_cast<std::uint32_t>(round), fds[1]));
        }
        ::close(fds[1]);
        // Mostly early in a run, where the steps are; now and then deep into it.
        const int delayMs =
            rng() % 4 == 0 ? 20 + static_cast<int>(rng() % 180) : static_cast<int>(rng() % 25);
        std::string pending;
        std::optional<Report> inFlight;
        bool ended = false;
        ReadUntil(fds[0], std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs),
                  pending, ended);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ReadToEnd(fds[0], pending);
        ::close(fds[0]);
        ApplyLines(pending, state, inFlight, tally);
        tally.inFlight += inFlight.has_value();
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
            ++killed;
        } else {
            ++stopped;
            std::fprintf(stderr, "round %d: the child stopped by itself (status %d)\n", round,
                         status);
        }
        CheckResult r = CheckDataDirectory(o.dir, state, inFlight);
        CheckResultsDatabase(o.dir, r);
        ++checked;
        lost += r.lost;
        unreadable += r.unreadable;
        for (const std::string& f : r.findings)
            std::fprintf(stderr, "round %d: %s\n", round, f.c_str());
    }
    std::printf(
        "steps done: %d layers, %d cancels, %d removals, %d condition writes, %d file "
        "writes; %d kills with a step in flight\n",
        tally.done['L'], tally.done['C'], tally.done['R'], tally.done['W'],
        tally.done['K'] + tally.done['T'] + tally.done['S'], tally.inFlight);
    std::printf("killed %d checked %d lost %d unreadable %d (data in %s)\n", killed, checked, lost,
                unreadable, o.dir.c_str());
    return lost == 0 && unreadable == 0 && stopped == 0 ? 0 : 1;
}
