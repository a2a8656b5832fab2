#include "measure/ui/potential_color_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace klv {

namespace {

constexpr int kSwatchWidth = 48;
constexpr int kSwatchHeight = 16;

void ShowSwatch(QPushButton* button, const QColor& color) {
    QPixmap swatch(kSwatchWidth, kSwatchHeight);
    swatch.fill(color);
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

}  // namespace

CPotentialColor::CPotentialColor(QColor graph, QColor cursor, ColorChooser choose, QWidget* parent)
    : QDialog(parent), m_graph(graph), m_cursor(cursor), m_choose(std::move(choose)) {
    setObjectName(QStringLiteral("CPotentialColor"));
    setWindowTitle(QStringLiteral("Color of graph"));
    auto* grid = new QGridLayout(this);
    auto row = [&](int r, const char* text, const char* name, QColor& color) {
        grid->addWidget(new QLabel(QString::fromLatin1(text)), r, 0);
        auto* button = new QPushButton;
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        ShowSwatch(button, color);
        connect(button, &QPushButton::clicked, this,
                [this, button, &color] { Choose(color, button); });
        grid->addWidget(button, r, 1);
    };
    row(0, "Color of graph", "graphColor", m_graph);
    row(1, "Color of cursor", "cursorColor", m_cursor);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 2);
}

void CPotentialColor::Choose(QColor& color, QPushButton* swatch) {
    QColor chosen = color;
    const bool ok = m_choose ? m_choose(this, chosen) : [&] {
        chosen = QColorDialog::getColor(color, this);
        return chosen.isValid();
    }();
    if (!ok)
        return;
    color = chosen;
    ShowSwatch(swatch, color);
}

}  // namespace klv
