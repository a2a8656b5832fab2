#include "reference/ui/meas_file_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "base/ui/missing_item_mark.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"

namespace klv {

namespace {

constexpr int kShortFieldChars = 12;
constexpr int kFieldPadding = 12;

}  // namespace

CMeasFilePage::CMeasFilePage(MeasFileSheetState& s, QWidget* parent) : QWidget(parent), m_s(s) {}

bool CMeasFilePage::Report(const ConditionCheck& check) {
    if (check.ok())
        return true;
    QWidget* control = ControlFor(check.field, check.layer);
    std::function<void()> openList;
    if (check.openList) {
        if (auto* combo = qobject_cast<QComboBox*>(control))
            openList = [combo] { combo->showPopup(); };
        else if (auto* box = qobject_cast<QPushButton*>(control))
            openList = [box] { box->click(); };
    }
    ShowValidationMessage(Op(), control, check.message);
    if (check.message == kMsgLackOfItem)
        MarkMissingItem(control);
    if (openList)
        openList();
    return false;
}

bool CMeasFilePage::ReadFloat(QWidget* edit, float& value) {
    const std::optional<double> v = ParseFloat(TrimmedText(edit));
    if (!v) {
        ShowNumberError(Op(), edit);
        return false;
    }
    value = static_cast<float>(*v);
    return true;
}

bool CMeasFilePage::ReadInt(QWidget* edit, int& value) {
    const std::optional<int> v = ParseInt(TrimmedText(edit));
    if (!v) {
        ShowNumberError(Op(), edit);
        return false;
    }
    value = *v;
    return true;
}

QLabel* CMeasFilePage::MakeLayerLabel(int k) {
    m_layerLabels[k] = new QLabel(this);
    m_layerLabels[k]->setObjectName(LayerObjectName("layerName", k));
    return m_layerLabels[k];
}

void CMeasFilePage::ShowLayerNames() {
    for (int k = 0; k < kMaxLayers; ++k)
        if (m_layerLabels[k] != nullptr)
            m_layerLabels[k]->setText(ToQString(GetCoatName(D(), k)));
}

void CMeasFilePage::ShowUsedRows(const std::vector<std::vector<QWidget*>>& rows) {
    const int count = GetCoatCount(D());
    for (int k = 0; k < static_cast<int>(rows.size()); ++k)
        for (QWidget* w : rows[static_cast<std::size_t>(k)])
            w->setVisible(k < count);
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, int maxChars) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxChars);
    // Short number fields are as wide as their text, not as the page.
    if (maxChars <= kShortFieldChars)
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(maxChars + 1, u'0')) +
                              kFieldPadding);
    return edit;
}

QString LayerObjectName(const char* stem, int k) {
    return QString::fromLatin1(stem) + QString::number(k);
}

std::string TrimmedText(QWidget* edit) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    if (line == nullptr)
        return {};
    std::string text = FromQString(line->text());
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace klv
