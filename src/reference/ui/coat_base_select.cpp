#include "reference/ui/coat_base_select.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "reference/ui/coat_base_name.h"

namespace klv {
namespace {

constexpr int kColumns = 3;

}  // namespace

CCoatBaseSelect::CCoatBaseSelect(CoatBaseKind kind, const std::string& currentFreeName,
                                 bool offerDelete, bool deleteEnabled, Operator& op,
                                 QWidget* anchor, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_freeName(currentFreeName), m_op(op), m_anchor(anchor) {
    setObjectName(QStringLiteral("coatBaseSelect"));
    setWindowTitle(ToQString(kind == CoatBaseKind::Coating ? "Set a Coating" : "Set a Base"));
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    std::vector<CoatBaseButton> buttons = CoatBaseButtons(kind);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const CoatBaseButton b = buttons[i];
        auto* button = new QPushButton(ToQString(b.caption), this);
        button->setObjectName(QStringLiteral("coatBaseButton%1").arg(i));
        button->setProperty("code", b.code);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, b] { Choose(b); });
        const int row = static_cast<int>(i) / kColumns;
        grid->addWidget(button, row, static_cast<int>(i) % kColumns);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    if (offerDelete) {
        auto* del = new QPushButton(ToQString("Delete"), this);
        del->setObjectName(QStringLiteral("deleteButton"));
        del->setAutoDefault(false);
        del->setEnabled(deleteEnabled);
        connect(del, &QPushButton::clicked, this, [this] {
            m_choice = CoatBaseChoice{0, {}, true};
            accept();
        });
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(del);
        layout->addLayout(row);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CCoatBaseSelect::Choose(const CoatBaseButton& button) {
    if (button.freeName) {
        ChooseFreeName();
        return;
    }
    m_choice = CoatBaseChoice{button.code, button.shortName, false};
    accept();
}

void CCoatBaseSelect::ChooseFreeName() {
    CCoatBaseName dialog(m_kind, m_freeName, m_op, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_choice = CoatBaseChoice{FreeNameCode(m_kind), dialog.Name(), false};
    accept();
}

void CCoatBaseSelect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceUnderAnchor();
}

void CCoatBaseSelect::PlaceUnderAnchor() {
    if (!m_anchor)
        return;
    adjustSize();
    QPoint corner = m_anchor->mapToGlobal(QPoint(0, m_anchor->height()));
    QScreen* screen = m_anchor->screen() ? m_anchor->screen() : QGuiApplication::primaryScreen();
    QRect frame = frameGeometry();
    QRect target(corner, frame.size());
    if (screen) {
        const QRect avail = screen->availableGeometry();
        if (target.right() > avail.right())
            target.moveRight(avail.right());
        if (target.bottom() > avail.bottom())
            target.moveBottom(avail.bottom());
        if (target.left() < avail.left())
            target.moveLeft(avail.left());
        if (target.top() < avail.top())
            target.moveTop(avail.top());
    }
    move(target.topLeft());
}

}  // namespace klv
