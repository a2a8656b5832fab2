#include "output/ui/page_printer_simulate.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QThread>

#include "base/ui/window_settings.h"

namespace klv {

namespace {

constexpr char kSection[] = "PagePrintSiml";
constexpr int kWaitStepMs = 50;

}  // namespace

CPagePrinterSimulate::CPagePrinterSimulate(ProfileFile* profile, QWidget* parent)
    : QDialog(parent), m_profile(profile) {
    setObjectName(QStringLiteral("CPagePrinterSimulate"));
    setWindowTitle(QStringLiteral("Page printer - print image"));
    setWindowModality(Qt::ApplicationModal);
    resize(600, 800);
    setMinimumSize(200, 200);
}

CPagePrinterSimulate::~CPagePrinterSimulate() = default;

void CPagePrinterSimulate::Run(QWidget* dialog, const PageFunction& pageFunction,
                               const LocalTime& start) {
    if (m_profile != nullptr)
        RestoreWindowPlacement(*this, *m_profile, kSection, true, false);
    show();
    PrintPageContext pc;
    pc.font = font();
    if (!m_face.isEmpty())
        pc.font.setFamily(m_face);
    pc.wideFont = MakeWideFont(pc.font);
    pc.start = start;
    bool more = true;
    for (pc.page = 1; more && isVisible(); ++pc.page) {
        m_page = QImage(size(), QImage::Format_RGB32);
        m_page.fill(Qt::white);
        {
            QPainter painter(&m_page);
            pc.painter = &painter;
            PreparePage(pc);
            const int w = m_page.width();
            const int h = m_page.height();
            pc.rect = {qRound(w * m_margins.left()), qRound(h * m_margins.top()),
                       w - qRound(w * m_margins.right()), h - qRound(h * m_margins.bottom())};
            more = pageFunction(dialog, pc);
            pc.painter = nullptr;
        }
        m_pageNumber = pc.page;
        update();
        m_nextPage = false;
        emit pageShown(pc.page);
        while (!m_nextPage && isVisible()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, kWaitStepMs);
            QThread::msleep(kWaitStepMs);
        }
    }
    if (m_profile != nullptr)
        SaveWindowPlacement(*this, *m_profile, kSection, true, false);
    m_done = true;
    close();
}

void CPagePrinterSimulate::closeEvent(QCloseEvent* event) {
    if (m_done)
        return;
    // Close from the system menu turns the page.
    event->ignore();
    m_nextPage = true;
}

void CPagePrinterSimulate::keyPressEvent(QKeyEvent* event) {
    // Its OK and Cancel do nothing.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void CPagePrinterSimulate::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_page);
}

}  // namespace klv
