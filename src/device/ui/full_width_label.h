#pragma once

#include <QLabel>

namespace klv {

// Text in full-width digits and capitals, as the simulator shows its readings.
QString ToFullWidth(const QString& text);

// A label that draws full-width forms itself, each as its narrow character centred in a cell
// one em wide, so they show with any font, also one without those forms.
class CFullWidthLabel final : public QLabel {
    Q_OBJECT
public:
    explicit CFullWidthLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int CellWidth(QChar c) const;
    int TextWidth() const;
};

}  // namespace klv
