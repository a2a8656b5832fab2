#include "support/ui/file_dialog_choice.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

namespace klv::test {

void ChooseFileAndAccept(QWidget& dialog, const QString& path) {
    auto& files = static_cast<QFileDialog&>(dialog);
    if (auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    else
        files.selectFile(path);
    QVERIFY2(files.selectedFiles().value(0) == path, qPrintable(files.selectedFiles().join(',')));
    QMetaObject::invokeMethod(&files, "accept", Qt::QueuedConnection);
}

}  // namespace klv::test
