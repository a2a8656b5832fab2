#include "stats/ui/data_over.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace klv {

namespace {

struct ChoiceText {
    DataOverChoice choice;
    const char* objectName;
    const char* text;
};

constexpr ChoiceText kChoices[] = {
    {DataOverChoice::DeleteData, "deleteData", "Delete measurement data"},
    {DataOverChoice::AnotherChannel, "anotherChannel",
     "Keep the measurement data, testing with another channel "},
    {DataOverChoice::ChangeItems, "changeItems",
     "Keep the measurement data, chang statistics item"},
};

}  // namespace

CDataOver::CDataOver(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CDataOver"));
    setWindowTitle(QStringLiteral("Data over"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                   ~(Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Data numbers are reached to statistics total number. What will you do?"),
        this));
    m_choices = new QButtonGroup(this);
    for (const ChoiceText& c : kChoices) {
        auto* radio = new QRadioButton(QString::fromLatin1(c.text), this);
        radio->setObjectName(QString::fromLatin1(c.objectName));
        m_choices->addButton(radio, static_cast<int>(c.choice));
        layout->addWidget(radio);
    }
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_choices, &QButtonGroup::idClicked, m_ok, [this] { m_ok->setEnabled(true); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

DataOverChoice CDataOver::Choice() const {
    if (result() != QDialog::Accepted || m_choices->checkedId() < 0)
        return DataOverChoice::AnotherChannel;
    return static_cast<DataOverChoice>(m_choices->checkedId());
}

void CDataOver::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDataOver::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace klv
