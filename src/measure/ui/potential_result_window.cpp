#include "measure/ui/potential_result_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/window_settings.h"

namespace klv {

namespace {

constexpr char kPlacementSection[] = "PotentialDlg";
constexpr char kCursorHint[] =
    "Cursor shiftin\n  Figure(1~5) + Left or  Right key\n  Figure(1~5) + Click";
constexpr char kScaleHint[] =
    "Voltag scale\n Upper limit =Up key+ click\n Lower limit =Down key+ click\n Release= click "
    "the right side";

}  // namespace

CPotentialResult::CPotentialResult(const PotentialGraphSeams& seams,
                                   const PotentialGraphSettings& settings, ProfileFile& profile,
                                   SettingsStore store, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_store(std::move(store)) {
    setObjectName(QStringLiteral("CPotentialResult"));
    setWindowTitle(QStringLiteral("Potential graph"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    m_graph = new CPotentialGraph(seams, settings, this);
    auto* hints = new QHBoxLayout;
    for (const char* text : {kCursorHint, kScaleHint}) {
        auto* hint = new QLabel(QString::fromLatin1(text));
        hint->setObjectName(text == kCursorHint ? QStringLiteral("cursorHint")
                                                : QStringLiteral("scaleHint"));
        hints->addWidget(hint);
    }
    hints->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(m_graph, 1);
    page->addLayout(hints);
    resize(760, 620);
    RestoreWindowPlacement(*this, m_profile, kPlacementSection, true, false);
    m_graph->setFocus();
}

CPotentialResult::~CPotentialResult() {
    StoreSettings();
}

void CPotentialResult::StoreSettings() {
    if (m_stored)
        return;
    m_stored = true;
    if (m_store)
        m_store(m_graph->Settings());
    SaveWindowPlacement(*this, m_profile, kPlacementSection, true, false);
}

void CPotentialResult::closeEvent(QCloseEvent* e) {
    StoreSettings();
    e->accept();
    emit closed();
}

void CPotentialResult::keyPressEvent(QKeyEvent* e) {
    // Enter and Escape do not close the graph.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace klv
