#pragma once

#include <QDialog>
#include <vector>

#include "app/surface_treatment.h"

class QComboBox;
class QFrame;
class QLabel;

namespace klv {

// "Surface treatment": how to prepare the surface before a coating is measured.
class CSurfaceDispose final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 404;

    CSurfaceDispose(int coatingCode, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowText(int entry);
    void KeepOnScreen();

    std::vector<SurfaceTreatmentEntry> m_entries;
    QComboBox* m_coatings = nullptr;
    QFrame* m_line = nullptr;
    QLabel* m_text = nullptr;
};

}  // namespace klv
