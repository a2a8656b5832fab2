#include "app/ui/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"

namespace klv {

namespace {

constexpr char kCopyWarning[] =
    "This program is protected by copyright law.\n"
    "Copying or distributing it without permission is prohibited.";

QLabel* Text(const std::string& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

bool CAboutDlg::CanShow(const VersionBlock& version) {
    return !version.description.empty() && !version.internalName.empty() &&
           !version.productVersion.empty() && !version.legalCopyright.empty();
}

CAboutDlg::CAboutDlg(const VersionBlock& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("Version information"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    auto* texts = new QVBoxLayout;
    texts->addWidget(Text(version.description, "ctl1000", this));
    texts->addWidget(
        Text(version.internalName + " Version " + version.productVersion, "ctl1001", this));
    texts->addWidget(Text(version.legalCopyright, "ctl1002", this));
    texts->addWidget(Text(kCopyWarning, "copyWarning", this));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* page = new QVBoxLayout(this);
    page->addLayout(row);
    page->addWidget(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace klv
