#include "stats/ui/meas_data_model.h"

#include "base/ui/text_codec.h"
#include "reference/condition_rules.h"

namespace klv {

void CMeasDataModel::Reset(const MeasFileData& d, std::span<const MsrLogRecord> stored) {
    beginResetModel();
    m_d = &d;
    m_rows = std::make_unique<CMeasDataRows>(d, stored);
    endResetModel();
}

int CMeasDataModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rows ? 0 : m_rows->RowCount();
}

int CMeasDataModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rows ? 0 : m_rows->ColumnCount();
}

QVariant CMeasDataModel::data(const QModelIndex& index, int role) const {
    if (!m_rows || !index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return ToQString(m_rows->Cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 || index.column() + 1 < m_rows->ColumnCount()
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant CMeasDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !m_rows || m_d == nullptr)
        return {};
    if (section == 0)
        return QStringLiteral("No.");
    if (section + 1 == m_rows->ColumnCount())
        return QStringLiteral("Measurement date");
    return ToQString(GetCoatName(*m_d, section - 1));
}

}  // namespace klv
