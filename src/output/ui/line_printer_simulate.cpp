#include "output/ui/line_printer_simulate.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "base/ui/window_settings.h"
#include "output/ui/roll_paper_drawer.h"

namespace klv {

namespace {

constexpr char kSection[] = "LinePrintSiml";
constexpr int kInitialHeight = 400;
constexpr int kMinimumHeight = 48;
constexpr int kAirPixels = 6;

}  // namespace

CLinePrinterSimulate::CLinePrinterSimulate(ProfileFile* profile, QWidget* parent)
    : QDialog(parent), m_profile(profile) {
    setObjectName(QStringLiteral("CLinePrinterSimulate"));
    setWindowTitle(QStringLiteral("Roll-paper printer - print image"));
    // No close box: the window goes with the program.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::CustomizeWindowHint);
    setModal(false);
    setFixedWidth(kStripWidth);
    setMinimumHeight(kMinimumHeight);
    resize(kStripWidth, kInitialHeight);
    m_strip = QImage(kStripWidth, kInitialHeight, QImage::Format_RGB32);
    m_strip.fill(Qt::white);
}

CLinePrinterSimulate::~CLinePrinterSimulate() {
    Shutdown();
}

bool CLinePrinterSimulate::IsPlaced(const ProfileFile& profile) {
    return HasStoredPlacement(profile, kSection);
}

int CLinePrinterSimulate::RoomBeside(const QWidget& owner) {
    // Not there yet: its frame will be the owner's kind.
    const FrameMargins frame = WindowFrame(owner);
    return kAirPixels + frame.left + kStripWidth + frame.right;
}

void CLinePrinterSimulate::Open() {
    const bool stored = m_profile != nullptr && IsPlaced(*m_profile);
    if (m_profile != nullptr)
        RestoreWindowPlacement(*this, *m_profile, kSection, true, false);
    setFixedWidth(kStripWidth);
    if (stored || screen() == nullptr) {
        show();
        return;
    }
    PlaceBesideOwner();
    show();
    // Where the platform frames a window as it shows it, the guessed frame is put right.
    PlaceBesideOwner();
}

void CLinePrinterSimulate::PlaceBesideOwner() {
    // Beside the main window rather than over its results, as a receipt would come out; over
    // its right edge only when the screen has no room beside it.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner != nullptr && owner->isVisible()) {
        PlaceBeside(*this, owner->frameGeometry(), kAirPixels);
        return;
    }
    // Alone: at the screen's top right.
    PlaceBeside(*this, screen()->availableGeometry(), kAirPixels);
}

void CLinePrinterSimulate::Shutdown() {
    if (m_closing)
        return;
    m_closing = true;
    if (m_profile != nullptr && isVisible())
        SaveWindowPlacement(*this, *m_profile, kSection, true, false);
    close();
}

void CLinePrinterSimulate::AppendRows(const MonoBitmap& bitmap, int rows) {
    const QImage added = ToImage(bitmap, rows);
    const int h = m_strip.height();
    QImage next(m_strip.size(), QImage::Format_RGB32);
    next.fill(Qt::white);
    {
        QPainter p(&next);
        p.drawImage(0, -added.height(), m_strip);
        p.drawImage(0, h - added.height(), added);
    }
    m_strip = next;
    update();
}

void CLinePrinterSimulate::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (size() == m_strip.size())
        return;
    QImage next(kStripWidth, std::max(1, height()), QImage::Format_RGB32);
    next.fill(Qt::white);
    {
        // The latest lines stay in view at the bottom.
        QPainter p(&next);
        p.drawImage(0, next.height() - m_strip.height(), m_strip);
    }
    m_strip = next;
}

void CLinePrinterSimulate::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_strip);
}

void CLinePrinterSimulate::closeEvent(QCloseEvent* event) {
    if (!m_closing)
        event->ignore();
}

void CLinePrinterSimulate::keyPressEvent(QKeyEvent* event) {
    // Escape would close the dialog.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

}  // namespace klv
