#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <span>

namespace klv {

// A question answered by one of its radio buttons: "OK" stays disabled until one is chosen,
// Escape and the close box are ignored, and the dialog returns the chosen button's id.
class CRadioChoiceDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        int id;
        const char* text;
    };
    CRadioChoiceDialog(const char* objectName, const char* caption, const char* question,
                       std::span<const Choice> choices, QWidget* parent);

    void reject() override {}

protected:
    // Lines under the question with the values the answer decides about.
    void ShowValues(const QString& lines);

private:
    QLabel* m_values = nullptr;
    QButtonGroup m_choices;
    QPushButton* m_ok = nullptr;
};

}  // namespace klv
