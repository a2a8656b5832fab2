#pragma once

#include <string>
#include <vector>

#include "output/pub_sub_server.h"
#include "output/result_transmission.h"
#include "output/send_param.h"
#include "output/serial_line.h"

namespace klv::test {

// Records what the service publishes; Start fails with `refusal` when it is set.
class RecordingPubSubServer final : public PubSubServer {
public:
    struct Notice {
        DdeTopic topic;
        std::string item;
        std::string text;
    };

    std::string Start(PubSubHandler& h) override {
        if (refusal.empty())
            handler = &h;
        return refusal;
    }
    void Stop() override { handler = nullptr; }
    void Notify(DdeTopic topic, const std::string& item, const std::string& text) override {
        notices.push_back({topic, item, text});
    }
    std::vector<std::string> NoticedItems() const {
        std::vector<std::string> items;
        for (const Notice& n : notices)
            items.push_back(n.item);
        return items;
    }

    std::string refusal;
    PubSubHandler* handler = nullptr;
    std::vector<Notice> notices;
};

// A port that takes the bytes of the writes it is told to accept.
class ScriptedSerialLine final : public SerialLine {
public:
    bool Open(const SerialParameters& p) override {
        opened.push_back(p);
        open = openable;
        return open;
    }
    bool IsOpen() const override { return open; }
    void Close() override {
        open = false;
        ++closes;
    }
    std::int64_t Write(std::string_view bytes) override {
        attempts.emplace_back(bytes);
        if (failures > 0) {
            --failures;
            return static_cast<std::int64_t>(bytes.size()) - 1;
        }
        written += bytes;
        return static_cast<std::int64_t>(bytes.size());
    }
    void ClearError() override { ++errorClears; }
    void Purge() override { ++purges; }

    bool openable = true;
    bool open = false;
    int failures = 0;
    int closes = 0;
    int errorClears = 0;
    int purges = 0;
    std::vector<SerialParameters> opened;
    std::vector<std::string> attempts;
    std::string written;
};

class MemorySendParamStore final : public SendParamStore {
public:
    MeasDataSendParam Load() override { return param; }
    void Save(const MeasDataSendParam& p) override {
        param = p;
        ++saves;
    }

    MeasDataSendParam param;
    int saves = 0;
};

}  // namespace klv::test
