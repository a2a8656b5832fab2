#include "base/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "base/file_dialog_filter.h"
#include "base/file_io.h"
#include "base/operator.h"

namespace klv {

namespace {

constexpr std::size_t kMaxPath = 260;
constexpr const char* kMsgPathTooLong = "The path of the file is too long.";

QString StartPath(const std::string& path, const std::string& fallbackDir) {
    const QFileInfo proposed(QFile::decodeName(path.c_str()));
    if (DirectoryExists(QFile::encodeName(proposed.absolutePath()).toStdString()))
        return proposed.absoluteFilePath();
    return QDir(QFile::decodeName(fallbackDir.c_str())).filePath(proposed.fileName());
}

bool RunFileDialog(QFileDialog::AcceptMode mode, std::string& path,
                   const std::string& defaultExtension, const std::string& filter,
                   const std::string& fallbackDir, Operator& op, QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(
        QString::fromStdString(ConvertDialogFilter(filter)).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QString::fromStdString(DefaultSuffix(defaultExtension)));
    const QFileInfo start(StartPath(path, fallbackDir));
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        const std::string chosen =
            QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
        if (!chosen.empty() && chosen.size() <= kMaxPath) {
            path = chosen;
            return true;
        }
        op.ShowMessage(kMsgPathTooLong, MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

}  // namespace

bool FileOpenDialog(std::string& path, const std::string& defaultExtension,
                    const std::string& filter, const std::string& fallbackDir, Operator& op,
                    QWidget* parent) {
    return RunFileDialog(QFileDialog::AcceptOpen, path, defaultExtension, filter, fallbackDir, op,
                         parent);
}

bool FileSaveDialog(std::string& path, const std::string& defaultExtension,
                    const std::string& filter, const std::string& fallbackDir, Operator& op,
                    QWidget* parent) {
    return RunFileDialog(QFileDialog::AcceptSave, path, defaultExtension, filter, fallbackDir, op,
                         parent);
}

}  // namespace klv
