#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "stats/meas_data_rows.h"

namespace klv {

// The measurement data page's rows as a table model: cells are formatted when the view asks
// for them, so 99,999 data cost no more than the rows on screen.
class CMeasDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CMeasDataModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The rows of the condition and its stored records, which must outlive the model's use.
    void Reset(const MeasFileData& d, std::span<const MsrLogRecord> stored);
    const CMeasDataRows* Rows() const { return m_rows.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const MeasFileData* m_d = nullptr;
    std::unique_ptr<CMeasDataRows> m_rows;
};

}  // namespace klv
