#pragma once

class QDialog;
class QDialogButtonBox;

namespace klv {

// "OK" (objectName okButton) and "Cancel" (cancelButton) wired to the dialog's accept() and
// reject().
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog);

}  // namespace klv
