#include "app/ui/surface_dispose_dialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"
#include "reference/coating_table.h"

namespace klv {
namespace {

QRect WorkArea(const QWidget& widget) {
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

CSurfaceDispose::CSurfaceDispose(int coatingCode, QWidget* parent)
    : QDialog(parent), m_entries(SurfaceTreatmentEntries()) {
    setObjectName(QStringLiteral("CSurfaceDispose"));
    setWindowTitle(QStringLiteral("Surface treatment"));
    m_coatings = new QComboBox(this);
    m_coatings->setObjectName(QStringLiteral("ctl1400"));
    m_coatings->setFont(DialogFont());
    for (const SurfaceTreatmentEntry& e : m_entries)
        m_coatings->addItem(ToQString(e.caption), e.coatingCode);
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("ctl1401"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("ctl1402"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("ctl1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_coatings);
    page->addWidget(m_line);
    page->addWidget(m_text);
    page->addWidget(close, 0, Qt::AlignHCenter);
    page->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_coatings, &QComboBox::currentIndexChanged, this, &CSurfaceDispose::ShowText);
    const int first = SurfaceTreatmentEntryOf(m_entries, coatingCode);
    m_coatings->setCurrentIndex(first);
    ShowText(first);
}

void CSurfaceDispose::ShowText(int entry) {
    if (entry < 0 || entry >= static_cast<int>(m_entries.size()))
        return;
    const QString text = ToQString(
        std::string(GetSurfaceText(m_entries[static_cast<std::size_t>(entry)].coatingCode)));
    // Wrapped at half the work area's width; the dialog follows the text's size.
    const QRect bounds = m_text->fontMetrics().boundingRect(
        QRect(0, 0, WorkArea(*this).width() / 2, 100000), Qt::TextWordWrap, text);
    m_text->setText(text);
    m_text->setFixedSize(bounds.size());
    adjustSize();
    if (isVisible())
        KeepOnScreen();
}

void CSurfaceDispose::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QWidget* owner = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(owner->window()->frameGeometry().center());
        move(r.topLeft());
    }
    KeepOnScreen();
}

void CSurfaceDispose::KeepOnScreen() {
    const QRect area = WorkArea(*this);
    QRect r = frameGeometry();
    if (r.right() > area.right())
        r.moveRight(area.right());
    if (r.bottom() > area.bottom())
        r.moveBottom(area.bottom());
    r.moveLeft(std::max(r.left(), area.left()));
    r.moveTop(std::max(r.top(), area.top()));
    if (r.topLeft() != frameGeometry().topLeft())
        move(r.topLeft());
}

}  // namespace klv
