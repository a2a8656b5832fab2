#pragma once

#include <QDialog>
#include <QStringList>

#include "output/send_param.h"

class QTabWidget;

namespace klv {

class CMeasureDataSend;

// "Transmission method of measurement result": the serial and the result service page on a
// copy of the settings, which OK hands back.
class CDataSendSheet : public QDialog {
    Q_OBJECT
public:
    CDataSendSheet(const MeasDataSendParam& param, const QStringList& ports,
                   QWidget* parent = nullptr);

    // The system's serial ports: /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM* as the system lists them.
    static QStringList SystemSerialPorts();

    const MeasDataSendParam& Param() const { return m_param; }
    void accept() override;

private:
    MeasDataSendParam m_param;
    QTabWidget* m_tabs = nullptr;
    CMeasureDataSend* m_rs232c = nullptr;
    CMeasureDataSend* m_dde = nullptr;
};

}  // namespace klv
