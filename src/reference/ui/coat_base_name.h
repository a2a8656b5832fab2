#pragma once

#include <QDialog>
#include <string>

#include "base/operator.h"
#include "reference/coat_base_list.h"

class QLineEdit;

namespace klv {

// The free name of a coating or base: at most six letters or digits.
class CCoatBaseName : public QDialog {
    Q_OBJECT
public:
    CCoatBaseName(CoatBaseKind kind, const std::string& name, Operator& op,
                  QWidget* parent = nullptr);

    // The accepted name (single-byte text), valid after exec() == Accepted.
    const std::string& Name() const { return m_name; }

    void accept() override;

private:
    CoatBaseKind m_kind;
    Operator& m_op;
    QLineEdit* m_edit;
    std::string m_name;
};

}  // namespace klv
