#include "output/ui/qt_serial_line.h"

#include <QElapsedTimer>

namespace klv {

namespace {

QSerialPort::Parity ToQt(SerialParity parity) {
    switch (parity) {
        case SerialParity::Odd:
            return QSerialPort::OddParity;
        case SerialParity::None:
            return QSerialPort::NoParity;
        case SerialParity::Even:
            break;
    }
    return QSerialPort::EvenParity;
}

}  // namespace

bool CQtSerialLine::Open(const SerialParameters& p) {
    Close();
    m_port.setPortName(QString::fromLocal8Bit(p.portName.data(), qsizetype(p.portName.size())));
    // Set before opening: QSerialPort applies them as it opens and fails the open if it can't.
    const bool configured =
        m_port.setBaudRate(p.baudRate) && m_port.setParity(ToQt(p.parity)) &&
        m_port.setDataBits(p.dataBits == 8 ? QSerialPort::Data8 : QSerialPort::Data7) &&
        m_port.setStopBits(p.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    // Nothing is read from the line: opened for reading, whatever a device sends back would
    // pile up in the port's buffer for the whole run.
    if (!configured || !m_port.open(QIODevice::WriteOnly)) {
        m_port.close();
        return false;
    }
    m_port.clear(QSerialPort::AllDirections);
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.setBreakEnabled(false);
    return true;
}

void CQtSerialLine::Close() {
    if (!m_port.isOpen())
        return;
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clear(QSerialPort::AllDirections);
    m_port.close();
}

std::int64_t CQtSerialLine::Write(std::string_view bytes) {
    if (!m_port.isOpen())
        return -1;
    const auto size = static_cast<qint64>(bytes.size());
    // What the line did not take is dropped: left in the port's buffer, it would be retried
    // without end by every event loop (the error box's too) and sent again behind a retry.
    const auto fail = [this] {
        m_port.clear(QSerialPort::Output);
        return std::int64_t{-1};
    };
    if (m_port.write(bytes.data(), size) != size)
        return fail();
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = m_writeTimeoutMs + size;
    while (m_port.bytesToWrite() > 0 && timer.elapsed() < limit) {
        if (!m_port.waitForBytesWritten(static_cast<int>(limit - timer.elapsed())) &&
            m_port.error() != QSerialPort::TimeoutError && m_port.error() != QSerialPort::NoError)
            return fail();
    }
    const qint64 left = m_port.bytesToWrite();
    if (left > 0)
        m_port.clear(QSerialPort::Output);
    return size - left;
}

void CQtSerialLine::Purge() {
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

}  // namespace klv
