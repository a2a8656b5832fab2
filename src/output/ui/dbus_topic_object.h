#pragma once

#include <QDBusContext>
#include <QObject>
#include <QStringList>

#include "output/pub_sub_server.h"

namespace klv {

inline constexpr const char* kDBusServiceName = "org.klv570.KLV570";
inline constexpr const char* kDBusTopicInterface = "org.klv570.Topic";
inline constexpr const char* kDBusErrorUnknownItem = "org.klv570.Error.UnknownItem";
inline constexpr const char* kDBusErrorNotProcessed = "org.klv570.Error.NotProcessed";
inline constexpr const char* kDBusErrorBusy = "org.klv570.Error.Busy";

// One topic of the result service on the bus: its calls go to the handler, with the texts
// converted between UTF-8 and the program's code page.
class CDBusTopicObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.klv570.Topic")

public:
    CDBusTopicObject(DdeTopic topic, PubSubHandler& handler);

    void SendAdvise(const std::string& item, const std::string& text);

public slots:
    QString Request(const QString& item);
    QStringList Items();
    void Poke(const QString& item, const QString& text);
    void Execute(const QString& command);

signals:
    void Advise(const QString& item, const QString& text);

private:
    void Refuse(DdeAnswer answer, const QString& what);

    DdeTopic m_topic;
    PubSubHandler& m_handler;
};

}  // namespace klv
