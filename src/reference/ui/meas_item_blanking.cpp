#include "reference/ui/meas_item_blanking.h"

#include <QLabel>
#include <QRegularExpressionValidator>

#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"

namespace klv {

namespace {

constexpr int kBlankingDigits = 4;
constexpr int kBlankingMax = 40;

}  // namespace

CMeasItemBlanking::CMeasItemBlanking(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                     QWidget* parent)
    : CMeasItemDialog("measItemBlanking", "Setting of blanking time", ctx, d, index, parent) {
    AddCaption(0, ToQString("Blanking time"));
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int k = 0; k < kMaxLayers; ++k) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("blankingEdit%1").arg(k + 1));
        edit->setMaxLength(kBlankingDigits);
        edit->setValidator(digits);
        if (LayerUsed(k))
            edit->setText(QString::number(Data().coat[k].bBlanking));
        AddLayerControl(0, k, edit);
        auto* unit = new QLabel(ToQString("Second"), this);
        AddLayerControl(1, k, unit);
        m_edits[k] = edit;
    }
}

bool CMeasItemBlanking::ReadControls(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const std::optional<int> seconds = ParseInt(FromQString(m_edits[k]->text()));
        if (!seconds) {
            ShowNumberError(Op(), m_edits[k]);
            return false;
        }
        if (*seconds < 0 || *seconds > kBlankingMax) {
            ShowRangeError(Op(), m_edits[k], 0, kBlankingMax);
            return false;
        }
        d.coat[k].bBlanking = static_cast<std::uint8_t>(*seconds);
    }
    return true;
}

}  // namespace klv
