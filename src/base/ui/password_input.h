#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace klv {

// "Enter the password": a masked edit of at most 8 characters; the caller compares the text.
class CPasswordInput final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 405;
    static constexpr int kMaxChars = 8;

    explicit CPasswordInput(QWidget* parent = nullptr);

    std::string Password() const;

private:
    QLineEdit* m_edit = nullptr;
};

// The typed text on OK, nothing on Cancel.
std::optional<std::string> AskPassword(QWidget* parent);

}  // namespace klv
