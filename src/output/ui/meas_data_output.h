#pragma once

#include <QDialog>
#include <memory>
#include <span>
#include <string>

#include "base/operator.h"
#include "output/meas_data_line.h"
#include "output/text_output_settings.h"
#include "output/ui/output_controls.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace klv {

// "Text output of measurement data": a range of a channel's loaded measurements as lines in a
// text file or on the clipboard. Every failure keeps the dialog open with its choices.
class CMeasDataOutput : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 620;

    // `records` are the loaded records of the channel, L per measurement. `dataDir` is where
    // the file chooser starts when the proposed file's folder is gone.
    CMeasDataOutput(const MeasFileData& d, std::span<const MsrLogRecord> records,
                    const TextOutputSettings& settings, std::string dataDir, Operator& op,
                    QWidget* parent = nullptr);

    // Without a measurement the dialog closes at once (Cancel) and its settings are not kept.
    bool HasData() const { return m_count > 0; }
    int exec() override;
    void accept() override;
    // The choices of the controls, and the file last written.
    TextOutputSettings Settings() const;

private:
    LineFormat Format() const;
    void Refresh();
    bool ReadBound(QLineEdit* edit, int& value);
    std::string Text(int from, int to);
    bool WriteFile(const std::string& text);
    bool CopyToClipboard(const std::string& text);

    const MeasFileData& m_condition;
    std::span<const MsrLogRecord> m_records;
    std::string m_filePath;
    std::string m_dataDir;
    Operator& m_op;
    int m_count = 0;
    std::size_t m_leftOut = 0;  // measurements of the last text without a stored layer

    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    std::unique_ptr<LineItemControls> m_items;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_clipboard = nullptr;
    QLabel* m_sample = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace klv
