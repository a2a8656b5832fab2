#pragma once

#include <QDialog>
#include <QImage>

#include "base/profile.h"
#include "output/raster_rows.h"

namespace klv {

// The roll-paper print image (dialog 432): a 576-dot strip in which every printed bitmap
// appears at the bottom while the older ones scroll up. It lives as long as the program;
// only Shutdown closes it.
class CLinePrinterSimulate final : public QDialog, public RollPaperImageSink {
    Q_OBJECT
public:
    static constexpr int kDialogId = 432;
    static constexpr int kStripWidth = 576;

    explicit CLinePrinterSimulate(ProfileFile* profile, QWidget* parent = nullptr);
    ~CLinePrinterSimulate() override;

    // False while the profile holds no placement of the image: Open() then places it beside
    // its owner.
    static bool IsPlaced(const ProfileFile& profile);
    // The width the image takes beside `owner`: the strip, its frame and the air between.
    static int RoomBeside(const QWidget& owner);

    // Restores the placement and shows the window.
    void Open();
    // Stores the placement and closes the window.
    void Shutdown();
    const QImage& Strip() const { return m_strip; }

    void AppendRows(const MonoBitmap& bitmap, int rows) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceBesideOwner();
    ProfileFile* m_profile;
    QImage m_strip;
    bool m_closing = false;
};

}  // namespace klv
