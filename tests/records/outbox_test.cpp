#include "records/outbox.h"

#include <gtest/gtest.h>

#include "records/database_url.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

MeasurementRecord Sample() {
    MeasurementRecord m;
    m.channel = 7;
    m.number = 12;
    m.date = "2026-12-10";
    m.time = "08:09:10";
    m.lot = "L\t1\\2\nx";
    m.testedBy = "Ann";
    m.condition = {"Cond", "Fe", "µm", 1, {{"Ni", 1, 2, 5.0, std::nullopt}}};
    m.calibrationValue = 2.5;
    m.calibrationDate = "2026-03-04";
    m.layers = {{"Ni", 3.25, "3.25 µm", 1.5, 2.0, false, "inside"},
                {"Cu", 0.0, "", std::nullopt, std::nullopt, true, ""}};
    return m;
}

TEST(OutboxRecordTest, LinesKeepEveryFieldAndRefuseDamagedLines) {
    OutboxRecord in;
    in.sequence = 41;
    in.measurement = Sample();
    const std::string line = EncodeOutboxRecord(in);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const auto out = DecodeOutboxRecord(line);
    ASSERT_TRUE(out && out->measurement);
    EXPECT_EQ(out->sequence, 41);
    EXPECT_EQ(out->measurement->lot, in.measurement->lot);
    EXPECT_EQ(ConditionSignature(out->measurement->condition),
              ConditionSignature(in.measurement->condition));
    EXPECT_EQ(ValueSignature(*out->measurement), ValueSignature(*in.measurement));
    EXPECT_EQ(out->measurement->layers[0].weight, 1.5);
    EXPECT_TRUE(out->measurement->layers[1].noValue);
    EXPECT_EQ(out->measurement->calibrationValue, 2.5);

    OutboxRecord event;
    event.sequence = 42;
    event.event = EventRecord{RecordEventKind::Correction, 3, 9, 1, 2.0, 2.5, "at", "Bo"};
    const auto back = DecodeOutboxRecord(EncodeOutboxRecord(event));
    ASSERT_TRUE(back && back->event);
    EXPECT_EQ(back->event->kind, RecordEventKind::Correction);
    EXPECT_EQ(back->event->after, 2.5);
    EXPECT_EQ(back->event->layer, 1);

    for (const std::string& bad :
         {std::string(), std::string("x\tM"), std::string("1\tQ"), line.substr(0, line.size() / 2),
          line + "\textra", std::string("0") + line.substr(2), "4x" + line.substr(2),
          "\t" + line.substr(3)})
        EXPECT_FALSE(DecodeOutboxRecord(bad)) << bad;
    // More layers than any condition holds, in the condition or in the measurement.
    for (const bool inCondition : {true, false}) {
        OutboxRecord many;
        many.measurement = Sample();
        if (inCondition)
            many.measurement->condition.layers.resize(17);
        else
            many.measurement->layers.resize(17);
        EXPECT_FALSE(DecodeOutboxRecord(EncodeOutboxRecord(many))) << inCondition;
    }
}

TEST(OutboxTest, KeepsUndeliveredRecordsAcrossRestartsAndNeverReusesANumber) {
    test::TempDir dir;
    std::string message;
    std::string name;
    {
        COutbox outbox(dir.Path());
        ASSERT_TRUE(outbox.Load(message));
        name = outbox.Name();
        for (int i = 0; i < 3; ++i) {
            OutboxRecord r;
            r.measurement = Sample();
            ASSERT_TRUE(outbox.Append(r));
            EXPECT_EQ(r.sequence, i + 1);
        }
        ASSERT_TRUE(outbox.MarkDelivered(message));
    }
    // A crash in the middle of a line leaves a piece without its line end.
    test::WriteTestFile(dir.File(kOutboxFile),
                        test::ReadTestFile(dir.File(kOutboxFile)) + "4\tM\t7\t12");
    COutbox outbox(dir.Path());
    ASSERT_TRUE(outbox.Load(message)) << message;
    EXPECT_EQ(outbox.Name(), name);
    ASSERT_EQ(outbox.Pending().size(), 2u);
    EXPECT_EQ(outbox.Pending().front().sequence, 2);
    const std::string repaired = test::ReadTestFile(dir.File(kOutboxFile));
    EXPECT_EQ(repaired.back(), '\n');

    OutboxRecord r;
    r.event = EventRecord{};
    ASSERT_TRUE(outbox.Append(r));
    EXPECT_EQ(r.sequence, 4);
    while (!outbox.Pending().empty())
        ASSERT_TRUE(outbox.MarkDelivered(message));
    EXPECT_EQ(test::ReadTestFile(dir.File(kOutboxFile)), "");

    COutbox again(dir.Path());
    ASSERT_TRUE(again.Load(message));
    EXPECT_TRUE(again.Pending().empty());
    ASSERT_TRUE(again.Append(r));
    EXPECT_EQ(r.sequence, 5);
}

TEST(OutboxTest, TesterIdIsMadeOnce) {
    test::TempDir dir;
    std::string message;
    const std::string first = LoadOrCreateTesterId(dir.Path(), message);
    EXPECT_EQ(first.size(), 16u);
    EXPECT_EQ(LoadOrCreateTesterId(dir.Path(), message), first);
    EXPECT_TRUE(message.empty());
}

TEST(DatabaseUrlTest, ChoosesTheEngineAndRefusesOthers) {
    struct Case {
        const char* url;
        ResultsDatabaseUrl::Kind kind;
        const char* target;
    };
    const Case cases[] = {
        {"", ResultsDatabaseUrl::SQLite, "/d/results.sqlite"},
        {"  sqlite:  ", ResultsDatabaseUrl::SQLite, "/d/results.sqlite"},
        {"sqlite:/x/lab.db", ResultsDatabaseUrl::SQLite, "/x/lab.db"},
        {"postgresql://klv@host/lab", ResultsDatabaseUrl::PostgreSQL, "postgresql://klv@host/lab"},
        {"postgres://h/db", ResultsDatabaseUrl::PostgreSQL, "postgres://h/db"},
        {"mysql://h/db", ResultsDatabaseUrl::Invalid, ""},
        {"results.sqlite", ResultsDatabaseUrl::Invalid, ""},
    };
    for (const Case& c : cases) {
        const ResultsDatabaseUrl u = ParseResultsDatabaseUrl(c.url, "/d/");
        EXPECT_EQ(u.kind, c.kind) << c.url;
        EXPECT_EQ(u.target, c.target) << c.url;
        EXPECT_EQ(u.message.empty(), c.kind != ResultsDatabaseUrl::Invalid) << c.url;
    }
}

}  // namespace
}  // namespace klv
