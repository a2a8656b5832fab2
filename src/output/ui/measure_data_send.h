#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "output/send_param.h"
#include "output/ui/output_controls.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace klv {

// One page of the transmission settings: the serial output with its port parameters, or the
// result service without them. Changes stay in the controls until Store.
class CMeasureDataSend : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 621;
    enum class Kind { Rs232c, Dde };

    // `ports` are the device paths the "Port No." list offers.
    CMeasureDataSend(Kind kind, const MeasDataSendParam& p, const QStringList& ports,
                     QWidget* parent = nullptr);

    void Store(MeasDataSendParam& p) const;

private:
    void FillSerialControls(const MeasDataSendParam& p, const QStringList& ports);
    LineFormat Format() const;
    void Refresh();

    Kind m_kind;
    QCheckBox* m_output = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QComboBox* m_parity = nullptr;
    QComboBox* m_dataBits = nullptr;
    QComboBox* m_stopBits = nullptr;
    QComboBox* m_lineEnd = nullptr;
    std::unique_ptr<LineItemControls> m_items;
    QLabel* m_sample = nullptr;
};

}  // namespace klv
