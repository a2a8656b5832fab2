#pragma once

#include <optional>
#include <string>
#include <vector>

namespace klv {

// The topics of the result service, in the order the service lists them.
enum class DdeTopic { System, Meas, Stat, Command };
inline constexpr int kDdeTopicCount = 4;

// How the service answers a client's call.
enum class DdeAnswer { Ok, UnknownItem, NotProcessed, Busy };

// The service's side of every client call. Texts are the program's single-byte text.
class PubSubHandler {
public:
    virtual ~PubSubHandler() = default;
    // The topic's items in the order they are listed.
    virtual const std::vector<std::string>& Items(DdeTopic topic) const = 0;
    // The item's text, one blank for an empty one; nothing for an unknown item.
    virtual std::optional<std::string> Request(DdeTopic topic, const std::string& item) const = 0;
    virtual DdeAnswer Poke(DdeTopic topic, const std::string& item, const std::string& text) = 0;
    virtual DdeAnswer Execute(DdeTopic topic, const std::string& command) = 0;
};

// Where other programs on the computer request and watch the result items.
class PubSubServer {
public:
    virtual ~PubSubServer() = default;
    // Publishes the topics; the operator's message when that is impossible, else "".
    virtual std::string Start(PubSubHandler& handler) = 0;
    virtual void Stop() = 0;
    // Tells the item's watchers its new text.
    virtual void Notify(DdeTopic topic, const std::string& item, const std::string& text) = 0;
};

}  // namespace klv
