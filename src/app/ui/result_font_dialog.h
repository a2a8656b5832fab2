#pragma once

#include <QDialog>

#include "app/ui/result_font.h"

class QFontDialog;
class QPushButton;

namespace klv {

// The chooser of the result font: the font picker with its effects and a colour button.
// Sizes outside 8 to 44 points are clamped into that range on OK.
class CResultFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit CResultFontDialog(const ResultFont& font, QWidget* parent = nullptr);

    QFontDialog* FontPicker() const { return m_picker; }
    void SetColor(const QColor& color);
    ResultFont Chosen() const;

private:
    void ChooseColor();

    ResultFont m_font;
    QFontDialog* m_picker = nullptr;
    QPushButton* m_colorButton = nullptr;
};

// Shows the chooser; on OK `font` takes the choice and true is returned.
bool ChooseResultFont(QWidget* parent, ResultFont& font);

}  // namespace klv
