#include "output/ui/meas_data_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <new>

#include "base/check_messages.h"
#include "base/file_messages.h"
#include "base/number_parse.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/text_codec.h"
#include "output/meas_data_text.h"
#include "output/sample_line.h"
#include "output/ui/output_controls.h"

namespace klv {

namespace {

constexpr int kBoundChars = 8;
constexpr const char* kTextFilter = "Text file (*.txt)|*.txt|All of the file (*.*)|*.*||";

QLineEdit* BoundEdit(const QString& name, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(name);
    edit->setMaxLength(kBoundChars);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                        (kBoundChars + 2));
    return edit;
}

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CMeasDataOutput::CMeasDataOutput(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                 const TextOutputSettings& settings, std::string dataDir,
                                 Operator& op, QWidget* parent)
    : QDialog(parent),
      m_condition(d),
      m_records(records),
      m_filePath(settings.filePath),
      m_dataDir(std::move(dataDir)),
      m_op(op) {
    setObjectName(QStringLiteral("CMeasDataOutput"));
    setWindowTitle(QStringLiteral("Text output of measurement data"));
    const auto layers = static_cast<std::size_t>(GetCoatCount(d));
    m_count = layers == 0 ? 0 : static_cast<int>((records.size() + layers - 1) / layers);

    auto* range = new QGroupBox(this);
    auto* rangeRow = new QHBoxLayout(range);
    auto* rangeText =
        new QLabel(QStringLiteral("Data range ( %1--%2 )").arg(1).arg(m_count), range);
    rangeText->setObjectName(QStringLiteral("range7709"));
    m_from = BoundEdit(QStringLiteral("from7707"), 1, range);
    m_to = BoundEdit(QStringLiteral("to7708"), m_count, range);
    rangeRow->addWidget(rangeText);
    rangeRow->addWidget(m_from);
    rangeRow->addWidget(new QLabel(QStringLiteral("--"), range));
    rangeRow->addWidget(m_to);

    m_items = std::make_unique<LineItemControls>(7700, 7713, QStringLiteral("Unit"),
                                                 LineItemControls::UnitPlace::OwnRow, this);

    auto* target = new QGroupBox(this);
    auto* targetRow = new QHBoxLayout(target);
    m_file = new QRadioButton(QStringLiteral("File"), target);
    m_file->setObjectName(QStringLiteral("file7711"));
    m_clipboard = new QRadioButton(QStringLiteral("Clip boad"), target);
    m_clipboard->setObjectName(QStringLiteral("clipboard7712"));
    targetRow->addWidget(m_file);
    targetRow->addWidget(m_clipboard);

    m_sample = NewSampleLabel(QStringLiteral("sample7710"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CMeasDataOutput::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(range);
    page->addWidget(m_items->box);
    page->addWidget(target);
    page->addWidget(new QLabel(QStringLiteral("Note] Neglect alloy layer."), this));
    page->addWidget(m_sample);
    page->addWidget(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    m_items->Show({settings.items, settings.delimiter, settings.dateFormat, false},
                  (settings.items & kItemUnit) != 0);
    (settings.toClipboard ? m_clipboard : m_file)->setChecked(true);

    m_items->OnChange(this, [this] { Refresh(); });
    Refresh();
}

int CMeasDataOutput::exec() {
    if (!HasData())
        return QDialog::Rejected;
    return QDialog::exec();
}

LineFormat CMeasDataOutput::Format() const {
    LineFormat f = m_items->Read();
    if (m_items->unit->isChecked())
        f.items |= kItemUnit;
    return f;
}

TextOutputSettings CMeasDataOutput::Settings() const {
    TextOutputSettings s;
    const LineFormat f = Format();
    s.items = f.items;
    s.delimiter = f.delimiter;
    s.dateFormat = f.dateFormat;
    s.toClipboard = m_clipboard->isChecked();
    s.filePath = m_filePath;
    return s;
}

void CMeasDataOutput::Refresh() {
    const LineFormat f = Format();
    m_items->dateFormat->setEnabled(m_items->date->isChecked());
    m_sample->setText(ToQString(FormatSampleLine(m_condition, f)));
    m_ok->setEnabled(f.items != 0);
}

bool CMeasDataOutput::ReadBound(QLineEdit* edit, int& value) {
    const std::optional<int> v = ParseInt(FromQString(edit->text()));
    if (v && *v >= 1 && *v <= m_count) {
        value = *v;
        return true;
    }
    m_op.ShowMessage(RangeMessage(1, m_count), MsgIcon::Exclamation, MsgButtons::Ok);
    edit->setFocus();
    edit->selectAll();
    return false;
}

std::string CMeasDataOutput::Text(int from, int to) {
    const auto layers = static_cast<std::size_t>(GetCoatCount(m_condition));
    const std::size_t first = static_cast<std::size_t>(from - 1) * layers;
    const std::size_t count =
        std::min(static_cast<std::size_t>(to - from + 1) * layers, m_records.size() - first);
    std::vector<std::uint32_t> neverStored;
    std::string text = FormatMeasDataText(m_condition, m_records.subspan(first, count),
                                          static_cast<std::uint32_t>(from), Format(), neverStored);
    m_leftOut = neverStored.size();
    return text;
}

bool CMeasDataOutput::WriteFile(const std::string& text) {
    std::string path = m_filePath;
    if (!FileSaveDialog(path, "*.txt", kTextFilter, m_dataDir, m_op, this))
        return false;
    const FileWriteResult created = AppendToFile(path, std::string(), true);
    if (created != FileWriteResult::Ok) {
        ShowFileError(m_op, kMsgFileNotMade);
        return false;
    }
    m_filePath = path;
    if (AppendToFile(path, text, false) != FileWriteResult::Ok) {
        ShowFileError(m_op, kMsgDataNotInput);
        return false;
    }
    return true;
}

bool CMeasDataOutput::CopyToClipboard(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    const QString block = ToQString(text);
    clipboard->setText(block);
    // The clipboard tells no failure; what it holds afterwards does.
    if (clipboard->text() == block)
        return true;
    ShowFileError(m_op, kMsgCopyFailed);
    return false;
}

void CMeasDataOutput::accept() {
    int from = 0;
    int to = 0;
    if (!ReadBound(m_from, from) || !ReadBound(m_to, to))
        return;
    if (from > to)
        std::swap(from, to);
    if (!m_file->isChecked() && !m_clipboard->isChecked())
        return;
    std::string text;
    try {
        WaitCursor wait;
        text = Text(from, to);
    } catch (const std::bad_alloc&) {
        ShowFileError(m_op, kMsgShortOfMemory);
        return;
    }
    const bool done = m_file->isChecked() ? WriteFile(text) : CopyToClipboard(text);
    if (!done)
        return;
    // Written is not all there: the operator learns what the output lacks.
    if (m_leftOut > 0)
        m_op.ShowMessage(LeftOutMessage(m_leftOut), MsgIcon::Exclamation, MsgButtons::Ok);
    QDialog::accept();
}

}  // namespace klv
