#include "output/ui/dbus_topic_object.h"

#include "base/ui/text_codec.h"

namespace klv {

CDBusTopicObject::CDBusTopicObject(DdeTopic topic, PubSubHandler& handler)
    : m_topic(topic), m_handler(handler) {}

void CDBusTopicObject::SendAdvise(const std::string& item, const std::string& text) {
    emit Advise(ToQString(item), ToQString(text));
}

QString CDBusTopicObject::Request(const QString& item) {
    const std::optional<std::string> text = m_handler.Request(m_topic, FromQString(item));
    if (!text) {
        Refuse(DdeAnswer::UnknownItem, item);
        return {};
    }
    return ToQString(*text);
}

QStringList CDBusTopicObject::Items() {
    QStringList items;
    for (const std::string& name : m_handler.Items(m_topic))
        items.append(ToQString(name));
    return items;
}

void CDBusTopicObject::Poke(const QString& item, const QString& text) {
    Refuse(m_handler.Poke(m_topic, FromQString(item), FromQString(text)), item);
}

void CDBusTopicObject::Execute(const QString& command) {
    Refuse(m_handler.Execute(m_topic, FromQString(command)), command);
}

void CDBusTopicObject::Refuse(DdeAnswer answer, const QString& what) {
    switch (answer) {
        case DdeAnswer::Ok:
            return;
        case DdeAnswer::UnknownItem:
            sendErrorReply(QString::fromLatin1(kDBusErrorUnknownItem),
                           QStringLiteral("No item \"%1\" in this topic").arg(what));
            return;
        case DdeAnswer::Busy:
            sendErrorReply(QString::fromLatin1(kDBusErrorBusy),
                           QStringLiteral("The program is busy"));
            return;
        case DdeAnswer::NotProcessed:
            sendErrorReply(QString::fromLatin1(kDBusErrorNotProcessed),
                           QStringLiteral("Not processed: \"%1\"").arg(what));
            return;
    }
}

}  // namespace klv
