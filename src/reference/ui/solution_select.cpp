#include "reference/ui/solution_select.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "base/ui/dialog_placement.h"
#include "base/ui/subclass_list_ctrl.h"
#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"
#include "base/ui/window_settings.h"
#include "reference/coating_table.h"
#include "reference/layer_setting_tables.h"

namespace klv {
namespace {

// Default widths in dialog units.
constexpr std::array<ListColumn, 3> kColumns{{
    {"Coating", ColumnAlign::Left, 48},
    {"Test solution", ColumnAlign::Left, 62},
    {"Base", ColumnAlign::Left, 318},
}};

std::vector<ListColumn> PixelColumns(const QFont& font) {
    std::vector<ListColumn> columns(kColumns.begin(), kColumns.end());
    for (ListColumn& c : columns)
        c.defaultWidth = DialogUnitsToPixels(c.defaultWidth, font);
    return columns;
}

}  // namespace

CSolutionSelect::CSolutionSelect(int coatingCode, int baseCode, ProfileFile& ini,
                                 bool oneClickActivate, QWidget* parent)
    : QDialog(parent), m_ini(ini), m_groups(GroupSolutionRows(coatingCode, baseCode)) {
    setObjectName(QStringLiteral("solutionSelect"));
    setWindowTitle(ToQString("Selction of a test solution"));
    m_list = new CSubclassListCtrl(oneClickActivate, this);
    m_list->setObjectName(QStringLiteral("solutionList"));
    m_list->header()->setStretchLastSection(false);
    auto* cancel = new QPushButton(ToQString("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &CSubclassListCtrl::rowActivated, this, &CSolutionSelect::Activate);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    const std::vector<ListColumn> columns = PixelColumns(font());
    RestoreListColumns(*m_list, m_ini, kSection, columns);
    CDialogPlacement::Keep(*this, m_ini, kSection);
    for (const SolutionGroup& g : m_groups) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, ToQString(std::string(GetCoatingShortName(g.coating))));
        item->setText(1, ToQString(std::string(GetTestSolutionName(g.solution))));
        item->setText(2, ToQString(g.bases));
        m_list->addTopLevelItem(item);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    int total = 0;
    for (const ListColumn& c : columns)
        total += c.defaultWidth;
    resize(total + 40, 20 * m_list->fontMetrics().height());
}

void CSolutionSelect::Activate(int row) {
    if (row < 0 || row >= static_cast<int>(m_groups.size()))
        return;
    m_solution = m_groups[static_cast<std::size_t>(row)].solution;
    accept();
}

void CSolutionSelect::done(int result) {
    SaveListColumns(*m_list, m_ini, kSection, PixelColumns(font()));
    QDialog::done(result);
}

int SelectSolution(int coatingCode, int baseCode, ProfileFile& ini, bool oneClickActivate,
                   QWidget* parent) {
    CSolutionSelect dialog(coatingCode, baseCode, ini, oneClickActivate, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Solution() : 0;
}

}  // namespace klv
