#include "output/ui/line_printer_simulate.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "base/ui/window_settings.h"
#include "base/window_keys.h"
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

void CLinePrinterSimulate::Open() {
    const bool stored = m_profile != nullptr &&
                        m_profile->GetProfileInt(kSection, ini::kWinLeft, INT_MIN) != INT_MIN;
    if (m_profile != nullptr)
        RestoreWindowPlacement(*this, *m_profile, kSection, true, false);
    if (!stored && screen() != nullptr)
        PlaceBesideOwner();
    setFixedWidth(kStripWidth);
    show();
}

void CLinePrinterSimulate::PlaceBesideOwner() {
    const QRect area = screen()->availableGeometry();
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    // Beside the main window rather than over its results, as a receipt would come out; over
    // its right edge only when the screen has no room beside it.
    int x = area.right() + 1 - kStripWidth;
    int y = area.top();
    if (owner != nullptr && owner->isVisible()) {
        const QRect main = owner->frameGeometry();
        // Not shown yet, the window has no frame: the style's border and some air stand in.
        const int frame = std::max(frameGeometry().width() - width(),
                                   2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth)) +
                          kAirPixels;
        y = std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height()));
        if (main.right() + 1 + kStripWidth + 2 * frame <= area.right() + 1)
            x = main.right() + 1 + frame;
        else if (main.left() - kStripWidth - 2 * frame >= area.left())
            x = main.left() - kStripWidth - frame;
    }
    move(x, y);
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
