#include "output/ui/dbus_pub_sub_server.h"

#include "output/output_messages.h"

namespace klv {

namespace {

constexpr DdeTopic kTopics[kDdeTopicCount] = {DdeTopic::System, DdeTopic::Meas, DdeTopic::Stat,
                                              DdeTopic::Command};

}  // namespace

CDBusPubSubServer::CDBusPubSubServer(QDBusConnection connection)
    : m_connection(std::move(connection)) {}

CDBusPubSubServer::~CDBusPubSubServer() {
    Stop();
}

QString CDBusPubSubServer::TopicPath(DdeTopic topic) {
    switch (topic) {
        case DdeTopic::System:
            return QStringLiteral("/System");
        case DdeTopic::Meas:
            return QStringLiteral("/MEAS");
        case DdeTopic::Stat:
            return QStringLiteral("/STAT");
        case DdeTopic::Command:
            break;
    }
    return QStringLiteral("/Command");
}

std::string CDBusPubSubServer::Start(PubSubHandler& handler) {
    Stop();
    if (!m_connection.isConnected())
        return kMsgNoSessionBus;
    // The objects first, so that a client who sees the name finds them.
    for (DdeTopic topic : kTopics) {
        auto object = std::make_unique<CDBusTopicObject>(topic, handler);
        if (!m_connection.registerObject(
                TopicPath(topic), object.get(),
                QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)) {
            UnregisterObjects();
            return kMsgServiceObjectsTaken;
        }
        m_objects[static_cast<std::size_t>(topic)] = std::move(object);
    }
    if (!m_connection.registerService(QString::fromLatin1(kDBusServiceName))) {
        UnregisterObjects();
        return kMsgServiceNameTaken;
    }
    m_nameOwned = true;
    return {};
}

void CDBusPubSubServer::Stop() {
    if (m_nameOwned)
        m_connection.unregisterService(QString::fromLatin1(kDBusServiceName));
    m_nameOwned = false;
    UnregisterObjects();
}

void CDBusPubSubServer::UnregisterObjects() {
    for (DdeTopic topic : kTopics) {
        auto& object = m_objects[static_cast<std::size_t>(topic)];
        if (object)
            m_connection.unregisterObject(TopicPath(topic));
        object.reset();
    }
}

void CDBusPubSubServer::Notify(DdeTopic topic, const std::string& item, const std::string& text) {
    if (CDBusTopicObject* object = m_objects[static_cast<std::size_t>(topic)].get())
        object->SendAdvise(item, text);
}

}  // namespace klv
