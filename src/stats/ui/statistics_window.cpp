#include "stats/ui/statistics_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "base/fixed_text.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/subclass_tab_ctrl.h"
#include "base/ui/text_codec.h"
#include "stats/statistics_texts.h"
#include "stats/ui/stat_general.h"
#include "stats/ui/stat_histogram.h"
#include "stats/ui/stat_msrd.h"
#include "stats/ui/stat_profile.h"
#include "stats/ui/stat_xbarr.h"

namespace klv {

namespace {

constexpr char kSection[] = "Statistics";
constexpr char kIntervalKey[] = "CorrectInterval";
constexpr char kGroupSizeKey[] = "PartDataCt";

// The page titles in tab order.
const QString kPageTitles[kStatisticsPageCount] = {
    QStringLiteral("Statistics volume"), QStringLiteral("Measurement data"),
    QStringLiteral("Histogram"), QStringLiteral("Profile"),
    QStringLiteral("X\u0304-R Control chart")};

}  // namespace

CStatistics::CStatistics(const std::string& caption, MeasFileData& condition, int index,
                         StatisticsLinks& links, QWidget* parent)
    : QDialog(parent),
      m_links(links),
      m_session(
          links.store, condition, index,
          InitialStatisticsSelection(condition, links.ini.GetProfileInt(kSection, kIntervalKey, 1),
                                     links.ini.GetProfileInt(kSection, kGroupSizeKey, 1))) {
    setObjectName(QStringLiteral("CStatistics"));
    setWindowTitle(QString::fromStdString(caption));
    m_session.SetChanges(links.changes);
    m_session.Recalculate();
    if (m_links.publish)
        m_links.publish(
            BuildStatisticsTexts(m_session.Result(), condition, m_session.Formed().nDataCt).block);

    m_tabs = new CSubclassTabCtrl(links.sounds, this);
    m_tabs->setObjectName(QStringLiteral("statisticsTabs"));
    m_tabs->setExpanding(false);
    for (const QString& title : kPageTitles)
        m_tabs->addTab(title);
    m_stack = new QStackedWidget(this);
    auto* general = new CStatGeneral(
        m_session, links, [this] { Recalculate(); }, this);
    auto* measData = new CStatMsrd(
        m_session, links, [this] { done(QDialog::Accepted); }, this);
    m_pages[kPageGeneral] = general;
    m_pages[kPageMeasData] = measData;
    // The chart pages are made when they first come up: most windows never show them.
    for (CStatPage* page : m_pages) {
        if (page == nullptr) {
            m_stack->addWidget(new QWidget(this));
            continue;
        }
        m_stack->addWidget(page);
        ConnectPage(page);
    }
    m_session.TakeRefresh(kPageGeneral);
    m_session.TakeRefresh(kPageMeasData);
    m_tabs->SetChangeGuard(
        [this](int page) { return page == m_tabs->currentIndex() || ActivatePage(page); });
    connect(m_tabs, &QTabBar::currentChanged, m_stack, &QStackedWidget::setCurrentIndex);

    m_copy = new QPushButton(QStringLiteral("Copy it on clipboard"), this);
    m_copy->setObjectName(QStringLiteral("copyButton"));
    m_print = new QPushButton(QStringLiteral("Print out"), this);
    m_print->setObjectName(QStringLiteral("printButton"));
    m_certificate = new QPushButton(QStringLiteral("Certificate"), this);
    m_certificate->setObjectName(QStringLiteral("certificateButton"));
    m_certificate->setEnabled(static_cast<bool>(links.certificate));
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* b : {m_copy, m_print, m_certificate, m_close}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    const int buttonWidth = std::max(m_print->sizeHint().width(),
                                     m_copy->fontMetrics().horizontalAdvance(m_copy->text()) + 24);
    m_copy->setMinimumWidth(buttonWidth);
    m_print->setMinimumWidth(buttonWidth);
    m_certificate->setMinimumWidth(buttonWidth);
    connect(m_copy, &QPushButton::clicked, this, &CStatistics::OnCopy);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (CStatPage* page = Page(CurrentPage()))
            page->Print();
    });
    connect(m_certificate, &QPushButton::clicked, this, &CStatistics::OnCertificate);
    connect(m_close, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    buttons->addWidget(m_print);
    buttons->addWidget(m_certificate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);
    layout->addLayout(buttons);
    UpdateTabs();
    UpdateCopyButton();
    resize(640, 520);
    // Wide enough that the measurement data show every layer and the date without scrolling,
    // as far as the screen allows.
    const QMargins margins = layout->contentsMargins();
    const int wanted = measData->WidthForWholeList() + margins.left() + margins.right();
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    resize(std::clamp(wanted, width(), screen->availableGeometry().width() - 16), height());
}

CStatistics::~CStatistics() = default;

int CStatistics::CurrentPage() const {
    return m_tabs->currentIndex();
}

CStatPage* CStatistics::Page(int page) const {
    return page >= 0 && page < kStatisticsPageCount ? m_pages[page] : nullptr;
}

void CStatistics::ConnectPage(CStatPage* page) {
    connect(page, &CStatPage::copyEnablingChanged, this, &CStatistics::UpdateCopyButton);
    connect(page, &CStatPage::copyRequested, this, [this] {
        if (m_copy->isEnabled() && QWidget::mouseGrabber() == nullptr)
            OnCopy();
    });
    connect(page, &CStatPage::dataModified, this, [this] { Recalculate(); });
}

CStatPage* CStatistics::MakePage(int page) {
    if (CStatPage* p = Page(page))
        return p;
    CStatPage* made = nullptr;
    switch (page) {
        case kPageHistogram:
            made = new CStatHistogram(m_session, m_links, this);
            break;
        case kPageProfile:
            made = new CStatProfile(m_session, m_links, this);
            break;
        case kPageXbarR:
            made = new CStatXbarR(m_session, m_links, this);
            break;
        default:
            return nullptr;
    }
    QWidget* placeholder = m_stack->widget(page);
    m_stack->insertWidget(page, made);
    m_stack->removeWidget(placeholder);
    delete placeholder;
    ConnectPage(made);
    m_pages[page] = made;
    return made;
}

bool CStatistics::ActivatePage(int page) {
    CStatPage* p = m_session.IsPageEnabled(page) ? MakePage(page) : nullptr;
    if (p == nullptr) {
        m_links.sounds.Beep();
        return false;
    }
    if (m_session.TakeRefresh(page))
        p->Refresh();
    m_tabs->setCurrentIndex(page);
    UpdateCopyButton();
    return true;
}

void CStatistics::Recalculate() {
    m_session.Recalculate();
    if (m_links.publish)
        m_links.publish(BuildStatisticsTexts(m_session.Result(), m_session.Condition(),
                                             m_session.Formed().nDataCt)
                            .block);
    // The page on screen shows the new statistics at once, the others when they come up.
    if (CStatPage* p = Page(CurrentPage()); p != nullptr && m_session.TakeRefresh(CurrentPage()))
        p->Refresh();
    UpdateTabs();
}

void CStatistics::UpdateTabs() {
    for (int i = 0; i < kStatisticsPageCount; ++i)
        m_tabs->setTabEnabled(i, m_session.IsPageEnabled(i));
}

void CStatistics::UpdateCopyButton() {
    CStatPage* p = Page(CurrentPage());
    m_copy->setEnabled(p != nullptr && p->CanCopy());
}

void CStatistics::OnCertificate() {
    if (!m_links.certificate)
        return;
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("certificateLotDialog"));
    ask.setWindowTitle(QStringLiteral("Certificate"));
    ask.setLabelText(QStringLiteral("Lot number:"));
    ask.setTextValue(ToQString(GetFixedText(m_session.Condition().szLotNo)));
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString lot = ask.textValue();
    QString name = QStringLiteral("Certificate %1.pdf").arg(lot);
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const std::string folder = m_links.store.DataDirectory();
    std::string path = folder + QFile::encodeName(name).toStdString();
    if (!FileSaveDialog(path, "*.pdf", "PDF files (*.pdf)|*.pdf||", folder, m_links.op, this))
        return;
    std::string message;
    const bool written = m_links.certificate(lot.toStdString(), path, message);
    m_links.op.ShowMessage(message, written ? MsgIcon::Information : MsgIcon::Stop, MsgButtons::Ok);
}

void CStatistics::OnCopy() {
    CStatPage* p = Page(CurrentPage());
    if (p == nullptr || !p->CanCopy())
        return;
    if (!p->Copy())
        m_links.op.ShowMessage(kMsgCopyFailed, MsgIcon::Stop, MsgButtons::Ok);
}

void CStatistics::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (m_copy->isEnabled() && QWidget::mouseGrabber() == nullptr)
            OnCopy();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CStatistics::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Accepted);
}

void RunStatisticsWindow(const std::string& caption, MeasFileData& condition, int index,
                         StatisticsLinks& links, QWidget* parent) {
    CStatistics window(caption, condition, index, links, parent);
    window.exec();
    const StatisticsSelection& s = window.Session().Selection();
    links.ini.WriteProfileInt(kSection, kIntervalKey, s.nInterval);
    links.ini.WriteProfileInt(kSection, kGroupSizeKey, s.nGroupSize);
}

}  // namespace klv
