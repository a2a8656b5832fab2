#pragma once

#include <QDialog>

#include "app/version_block.h"

namespace klv {

// "Version information": description, name and version, legal notice.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const VersionBlock& version, QWidget* parent = nullptr);

    // False when a text of the block is missing: the box is not shown then.
    static bool CanShow(const VersionBlock& version);
};

}  // namespace klv
