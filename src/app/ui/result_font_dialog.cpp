#include "app/ui/result_font_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace klv {

CResultFontDialog::CResultFontDialog(const ResultFont& font, QWidget* parent)
    : QDialog(parent), m_font(font) {
    setObjectName(QStringLiteral("CResultFontDialog"));
    setWindowTitle(QStringLiteral("Font of measurement result"));
    m_picker = new QFontDialog(this);
    m_picker->setObjectName(QStringLiteral("fontPicker"));
    m_picker->setWindowFlags(Qt::Widget);
    m_picker->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont shown = font.font;
    // The picker works in points.
    shown.setPointSize(
        std::clamp(FontPointSize(font.font), kResultFontMinPoints, kResultFontMaxPoints));
    m_picker->setCurrentFont(shown);

    m_colorButton = new QPushButton(QStringLiteral("Color..."), this);
    m_colorButton->setObjectName(QStringLiteral("colorButton"));
    connect(m_colorButton, &QPushButton::clicked, this, &CResultFontDialog::ChooseColor);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_colorButton);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_picker, 1);
    page->addLayout(bottom);
    SetColor(font.color);
}

void CResultFontDialog::SetColor(const QColor& color) {
    m_font.color = color;
    QPixmap swatch(16, 16);
    swatch.fill(color);
    m_colorButton->setIcon(QIcon(swatch));
}

void CResultFontDialog::ChooseColor() {
    const QColor color = QColorDialog::getColor(m_font.color, this);
    if (color.isValid())
        SetColor(color);
}

ResultFont CResultFontDialog::Chosen() const {
    ResultFont chosen = m_font;
    QFont font = m_picker->currentFont();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kResultFontMinPoints;
    font.setPointSizeF(
        std::clamp(points, double(kResultFontMinPoints), double(kResultFontMaxPoints)));
    // The result list draws by pixels, as the settings file stores them.
    font.setPixelSize(FontPixelHeight(font, ScreenPixelsPerInch()));
    chosen.font = font;
    chosen.pitchAndFamily = PitchAndFamilyOf(font);
    return chosen;
}

bool ChooseResultFont(QWidget* parent, ResultFont& font) {
    CResultFontDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Chosen();
    return true;
}

}  // namespace klv
