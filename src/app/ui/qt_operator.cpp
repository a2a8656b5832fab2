#include "app/ui/qt_operator.h"

#include <QApplication>
#include <QMessageBox>

#include "base/ui/text_codec.h"

namespace klv {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Stop:
            return QMessageBox::Critical;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return QMessageBox::Ok;
        case MsgButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// What closing the box without a button means; boxes without a cancel-like button answer
// with their first button, as the platform's boxes do.
int EscapeAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return IDOK;
        case MsgButtons::YesNo:
            return IDYES;
        case MsgButtons::AbortRetryIgnore:
            return IDABORT;
        default:
            return IDCANCEL;
    }
}

int ToAnswer(int button, MsgButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Retry:
            return IDRETRY;
        case QMessageBox::Abort:
            return IDABORT;
        case QMessageBox::Ignore:
            return IDIGNORE;
        default:
            return EscapeAnswer(buttons);
    }
}

}  // namespace

int QtOperator::ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(kMessageCaption), ToQString(text),
                    ToQtButtons(buttons), parent);
    box.setObjectName(QStringLiteral("klvMessageBox"));
    return ToAnswer(box.exec(), buttons);
}

}  // namespace klv
