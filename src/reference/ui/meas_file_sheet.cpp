#include "reference/ui/meas_file_sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "base/ui/subclass_tab_ctrl.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_copy.h"
#include "reference/condition_rules.h"
#include "reference/ui/meas_file_alloy.h"
#include "reference/ui/meas_file_auto_stop.h"
#include "reference/ui/meas_file_calibrate.h"
#include "reference/ui/meas_file_current.h"
#include "reference/ui/meas_file_general.h"
#include "reference/ui/meas_file_pump.h"
#include "reference/ui/meas_file_wt.h"

namespace klv {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* text, const char* name) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CMeasFileSheet::CMeasFileSheet(ConditionEditContext& ctx, const MeasFileData& d, int index,
                               bool calibration, MeasFileSheetSeams seams, QWidget* parent)
    : QDialog(parent), m_seams(std::move(seams)), m_state{ctx,   m_seams,        d,
                                                          index, !IsComplete(d), calibration} {
    setObjectName(QStringLiteral("measFileSheet"));
    setWindowTitle(ToQString(std::string(GetConditionSheetCaption(calibration))));
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pageStack"));
    if (calibration)
        m_first = new CMeasFileCalibrate(m_state, m_stack);
    else
        m_first = new CMeasFileGeneral(m_state, m_stack);
    AddPage(calibration ? ConditionPage::Calibrate : ConditionPage::General, m_first);
    AddPage(ConditionPage::Alloy, new CMeasFileAlloy(m_state, m_stack));
    AddPage(ConditionPage::Pump, new CMeasFilePump(m_state, m_stack));
    AddPage(ConditionPage::Current, new CMeasFileCurrent(m_state, m_stack));
    if (!calibration)
        AddPage(ConditionPage::Wt, new CMeasFileWT(m_state, m_stack));
    if (!m_state.wizard)
        AddPage(ConditionPage::AutoStop, new CMeasFileAutoStop(m_state, m_stack));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cancel = MakeButton(this, "Cancel", "cancelButton");
    m_fileCopy = MakeButton(this, "File copy", "fileCopyButton");
    if (m_state.wizard) {
        m_caption = new QLabel(this);
        m_caption->setObjectName(QStringLiteral("pageCaption"));
        QFont bold = m_caption->font();
        bold.setBold(true);
        m_caption->setFont(bold);
        m_back = MakeButton(this, "Back", "backButton");
        m_next = MakeButton(this, "Next", "nextButton");
        m_finish = MakeButton(this, "Finish", "finishButton");
        for (QPushButton* b : {m_back, m_next, m_finish, m_cancel, m_fileCopy})
            buttons->addWidget(b);
        connect(m_back, &QPushButton::clicked, this, &CMeasFileSheet::Back);
        connect(m_next, &QPushButton::clicked, this, &CMeasFileSheet::Next);
        connect(m_finish, &QPushButton::clicked, this, &CMeasFileSheet::Finish);
    } else {
        m_ok = MakeButton(this, "OK", "okButton");
        m_apply = MakeButton(this, "Apply", "applyButton");
        for (QPushButton* b : {m_ok, m_cancel, m_apply, m_fileCopy})
            buttons->addWidget(b);
        m_ok->setDefault(true);
        connect(m_ok, &QPushButton::clicked, this, &CMeasFileSheet::Ok);
        connect(m_apply, &QPushButton::clicked, this, &CMeasFileSheet::Apply);
        m_tabs = new CSubclassTabCtrl(ctx.sounds, this);
        m_tabs->setObjectName(QStringLiteral("pageTabs"));
        // Every tab title stays readable: the sheet is as wide as its tabs.
        m_tabs->setUsesScrollButtons(false);
        m_tabs->setElideMode(Qt::ElideNone);
        m_tabs->SetChangeGuard([this](int position) {
            if (position == m_current || !Current()->Confirm())
                return position == m_current;
            m_guardPassed = position;
            return true;
        });
        connect(m_tabs, &QTabBar::currentChanged, this, &CMeasFileSheet::TabChanged);
    }
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_fileCopy, &QPushButton::clicked, this, &CMeasFileSheet::CopyFile);
    m_fileCopy->setVisible(!calibration);
    m_fileCopy->setEnabled(!m_state.HasData());

    auto* layout = new QVBoxLayout(this);
    if (m_caption != nullptr)
        layout->addWidget(m_caption);
    if (m_tabs != nullptr)
        layout->addWidget(m_tabs);
    layout->addWidget(m_stack);
    layout->addLayout(buttons);
    RebuildPages();
    ShowPage(0);
}

void CMeasFileSheet::AddPage(ConditionPage page, CMeasFilePage* widget) {
    m_pages[page] = widget;
    m_stack->addWidget(widget);
    connect(widget, &CMeasFilePage::structureChanged, this, &CMeasFileSheet::RebuildPages);
}

CMeasFilePage* CMeasFileSheet::Page(ConditionPage page) const {
    const auto it = m_pages.find(page);
    return it == m_pages.end() ? nullptr : it->second;
}

void CMeasFileSheet::RebuildPages() {
    const ConditionPage current = m_list.empty() ? ConditionPage::General : CurrentPage();
    m_list = GetConditionPages(m_state.d, m_state.wizard, m_state.calibration);
    m_current = 0;
    for (std::size_t i = 0; i < m_list.size(); ++i)
        if (m_list[i] == current)
            m_current = static_cast<int>(i);
    if (m_tabs != nullptr) {
        const QSignalBlocker block(m_tabs);
        while (m_tabs->count() > 0)
            m_tabs->removeTab(0);
        for (ConditionPage page : m_list)
            m_tabs->addTab(
                ToQString(std::string(GetConditionPageTitle(page, m_state.calibration))));
        m_tabs->setCurrentIndex(m_current);
    }
    UpdateButtons();
}

void CMeasFileSheet::ShowPage(int position) {
    m_current = position;
    m_guardPassed = -1;
    Current()->Refresh();
    m_stack->setCurrentWidget(Current());
    if (m_tabs != nullptr) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(position);
    }
    if (m_caption != nullptr)
        m_caption->setText(ToQString(std::string(GetConditionPageCaption(CurrentPage()))));
    UpdateButtons();
}

void CMeasFileSheet::UpdateButtons() {
    if (!m_state.wizard)
        return;
    const bool last = m_current + 1 >= static_cast<int>(m_list.size());
    m_back->setEnabled(m_current > 0);
    m_next->setVisible(!last);
    m_finish->setVisible(last);
    (last ? m_finish : m_next)->setDefault(true);
}

void CMeasFileSheet::TabChanged(int position) {
    // A change that did not come through a click is checked here.
    if (position != m_guardPassed && position != m_current && !Current()->Confirm()) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_current);
        return;
    }
    m_guardPassed = -1;
    ShowPage(position);
}

void CMeasFileSheet::Next() {
    if (!Current()->Confirm())
        return;
    // Confirming the first page may have changed what follows it.
    if (m_current == 0)
        RebuildPages();
    if (m_current + 1 < static_cast<int>(m_list.size()))
        ShowPage(m_current + 1);
}

void CMeasFileSheet::Back() {
    if (m_current > 0)
        ShowPage(m_current - 1);
}

void CMeasFileSheet::Finish() {
    if (Current()->Confirm() && Commit())
        accept();
}

void CMeasFileSheet::Ok() {
    if (Current()->Confirm() && Commit())
        accept();
}

void CMeasFileSheet::Apply() {
    if (Current()->Confirm())
        Commit();
}

bool CMeasFileSheet::Commit() {
    const ConditionCheck check = CheckConditionBeforeSave(m_state.d);
    if (!check.ok()) {
        for (std::size_t i = 0; i < m_list.size(); ++i) {
            CMeasFilePage* page = Page(m_list[i]);
            if (page->ControlFor(check.field, check.layer) != nullptr) {
                ShowPage(static_cast<int>(i));
                page->Report(check);
                return false;
            }
        }
        ShowValidationMessage(m_state.ctx.op, nullptr, check.message);
        return false;
    }
    // A copy the file does not hold would be lost at the next start: it is not taken.
    if (!m_state.calibration && !m_state.ctx.store.WriteConditionFile(m_state.index, m_state.d))
        return false;
    m_confirmed = true;
    m_confirmedData = m_state.d;
    return true;
}

void CMeasFileSheet::CopyFile() {
    if (m_state.HasData())
        return;
    const unsigned items = m_seams.copyFromOtherChannel(m_state.d, this);
    if (items == 0)
        return;
    if ((items & kCopyCondition) != 0)
        m_first->KeepCopiedCondition();
    for (const auto& [page, widget] : m_pages)
        widget->Refresh();
    RebuildPages();
    ShowPage(m_current);
}

}  // namespace klv
