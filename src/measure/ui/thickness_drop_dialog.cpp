#include "measure/ui/thickness_drop_dialog.h"

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr const char* kRowNames[kMaxLayers] = {"1st layer", "2nd layer", "3rd layer", "4th layer",
                                               "5th layer"};
constexpr int kFieldChars = 8;

// A dropped readout number replaces the field's text.
class CDropField final : public QLineEdit {
public:
    CDropField() { setAcceptDrops(true); }

protected:
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (e->mimeData()->hasText())
            e->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* e) override { e->acceptProposedAction(); }
    void dropEvent(QDropEvent* e) override {
        setText(e->mimeData()->text().left(kFieldChars));
        setFocus();
        e->acceptProposedAction();
    }
};

}  // namespace

CThicknessDrop::CThicknessDrop(const MeasFileData& d, int firstLayer, int count, Operator& op,
                               QWidget* parent)
    : QDialog(parent), m_op(op), m_count(count) {
    setObjectName(QStringLiteral("CThicknessDrop"));
    setWindowTitle(QStringLiteral("Input of thickness value"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Please input thickness value or\n drag")), 0, 0, 1,
                    3);
    const QString unit = ToQString(std::string(GetUnitName(d.bUnit)));
    // Only the rows of the nickel layers exist, so the dialog is no larger than they need.
    for (int i = 0; i < count && firstLayer + i < kMaxLayers; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRowNames[firstLayer + i])), i + 1, 0);
        auto* field = new CDropField;
        field->setObjectName(QStringLiteral("thickness%1").arg(i));
        field->setMaxLength(kFieldChars);
        grid->addWidget(field, i + 1, 1);
        grid->addWidget(new QLabel(unit), i + 1, 2);
        m_fields[std::size_t(i)] = field;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    grid->addWidget(buttons, count + 1, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &CThicknessDrop::Check);
    connect(buttons, &QDialogButtonBox::rejected, this, &CThicknessDrop::reject);
}

void CThicknessDrop::reject() {
    emit cancelled();
    QDialog::reject();
}

void CThicknessDrop::Check() {
    std::vector<float> values;
    for (int i = 0; i < m_count; ++i) {
        QLineEdit* field = m_fields[std::size_t(i)];
        const std::optional<double> v = ParseFloat(FromQString(field->text()));
        if (!v) {
            ShowNumberError(m_op, field);
            return;
        }
        if (*v < 0) {
            ShowMinusError(m_op, field);
            return;
        }
        values.push_back(static_cast<float>(*v));
    }
    emit valuesEntered(values);
    QDialog::accept();
}

}  // namespace klv
