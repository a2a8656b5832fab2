#pragma once

#include <QDBusConnection>
#include <array>
#include <memory>

#include "output/pub_sub_server.h"
#include "output/ui/dbus_topic_object.h"

namespace klv {

// The result service on a D-Bus connection (the session bus in the program): the name
// org.klv570.KLV570 with one object per topic.
class CDBusPubSubServer final : public PubSubServer {
public:
    explicit CDBusPubSubServer(QDBusConnection connection);
    ~CDBusPubSubServer() override;
    CDBusPubSubServer(const CDBusPubSubServer&) = delete;
    CDBusPubSubServer& operator=(const CDBusPubSubServer&) = delete;

    std::string Start(PubSubHandler& handler) override;
    void Stop() override;
    void Notify(DdeTopic topic, const std::string& item, const std::string& text) override;

    static QString TopicPath(DdeTopic topic);

private:
    void UnregisterObjects();

    QDBusConnection m_connection;
    std::array<std::unique_ptr<CDBusTopicObject>, kDdeTopicCount> m_objects;
    bool m_nameOwned = false;
};

}  // namespace klv
