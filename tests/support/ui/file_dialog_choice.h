#pragma once

#include <QString>

class QWidget;

namespace klv::test {

// Chooses `path` in an open file dialog and accepts it. The dialog's own selectFile leaves the
// name edit alone once that has the focus, which it gets at some moment after the dialog
// shows: the path is typed into the edit instead.
void ChooseFileAndAccept(QWidget& dialog, const QString& path);

}  // namespace klv::test
