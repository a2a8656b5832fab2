#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

#include "app/ui/condition_table.h"
#include "app/ui/main_face.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/shown_widget.h"
#include "app/ui/split_bar.h"
#include "support/temp_dir.h"
#include "support/ui/widget_find.h"

namespace klv {

namespace {

// The right edge of a control in the face's coordinates.
int RightEdge(const QWidget& face, const QWidget& w) {
    return w.mapTo(&face, QPoint(w.width() - 1, 0)).x();
}

int LeftEdge(const QWidget& face, const QWidget& w) {
    return w.mapTo(&face, QPoint(0, 0)).x();
}

}  // namespace

class FaceLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void splitterDragIsClampedToTheEdges();
    void partsEndAndBeginAtTheSplitter();
    void defaultAndStoredSplitPositions();
    void settingsGoBackWhereTheyCameFrom();

private:
    void DragSplitterTo(int x);
    QWidget* Control(const char* name) const { return test::Find<QWidget>(*m_face, name); }

    CMainFace* m_face = nullptr;
};

void FaceLayoutTest::init() {
    m_face = new CMainFace;
    QVERIFY(test::ShowAtSize(*m_face, {900, 600}));
}

void FaceLayoutTest::cleanup() {
    delete m_face;
    m_face = nullptr;
}

void FaceLayoutTest::DragSplitterTo(int x) {
    QWidget* bar = Control("ctl1108");
    // At the bar's left edge, so the bar lands exactly where the mouse goes.
    const QPoint grab(CSplitBar::kHitMargin, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    const QPoint to = bar->mapFrom(m_face, QPoint(x, bar->mapTo(m_face, grab).y()));
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFrom(m_face, QPoint(x, 0)));
}

void FaceLayoutTest::splitterDragIsClampedToTheEdges() {
    QWidget* bar = Control("ctl1108");
    QVERIFY(bar);
    QCOMPARE(bar->cursor().shape(), Qt::SplitHCursor);
    // The bar widened by two pixels on each side.
    QCOMPARE(bar->width(), CSplitBar::kBarWidth + 2 * CSplitBar::kHitMargin);
    DragSplitterTo(400);
    QCOMPARE(m_face->SplitPosition(), 400);
    DragSplitterTo(20);
    QCOMPARE(m_face->SplitPosition(), 150);
    // Up to the edge distance, or to where the statistics panel keeps its minimum.
    DragSplitterTo(m_face->width() + 50);
    QWidget* stat = Control("ctl1106");
    QVERIFY(m_face->SplitPosition() <= m_face->width() - 150);
    QCOMPARE(stat->width(), std::max(150 - CSplitBar::kBarWidth - CSplitBar::kHitMargin,
                                     stat->minimumSizeHint().width()));
    // A dragged bar keeps its place when the window grows.
    const int kept = m_face->SplitPosition();
    m_face->resize(1100, 600);
    QTRY_COMPARE(m_face->width(), 1100);
    QCOMPARE(m_face->SplitPosition(), kept);
    m_face->resize(700, 600);
    QTRY_COMPARE(m_face->width(), 700);
    QVERIFY(m_face->SplitPosition() < kept);
    QVERIFY(stat->width() >= stat->minimumSizeHint().width());
    // Down to the window's minimum width, long captions and all.
    m_face->resize(460, 380);
    QTRY_COMPARE(m_face->width(), 460);
    QVERIFY(stat->width() >= stat->minimumSizeHint().width());
    QVERIFY(m_face->SplitPosition() >= 150);
}

void FaceLayoutTest::partsEndAndBeginAtTheSplitter() {
    m_face->SetSplitPosition(500);
    QCoreApplication::processEvents();
    QWidget* bar = Control("ctl1108");
    QCOMPARE(LeftEdge(*m_face, *bar), 500 - CSplitBar::kHitMargin);
    for (const char* left : {"ctl1101", "ctl1104", "ctl1105", "ctl1100"}) {
        QVERIFY2(Control(left), left);
        QVERIFY2(RightEdge(*m_face, *Control(left)) < 500, left);
        QVERIFY2(RightEdge(*m_face, *Control(left)) > 400, left);
    }
    QWidget* stat = Control("ctl1106");
    QCOMPARE(LeftEdge(*m_face, *stat), 500 + CSplitBar::kBarWidth + CSplitBar::kHitMargin);
    QVERIFY(RightEdge(*m_face, *stat) < m_face->width());
    // The lists take the height change; the condition table keeps its one row, which fits.
    m_face->SetSplitPosition(600);
    QCoreApplication::processEvents();
    const int listHeight = Control("ctl1104")->height();
    const int tableHeight = Control("ctl1101")->height();
    m_face->resize(900, 800);
    QTRY_COMPARE(Control("ctl1104")->height(), listHeight + 200);
    QCOMPARE(Control("ctl1101")->height(), tableHeight);
    QCOMPARE(stat->height(), Control("ctl1108")->height());
}

void FaceLayoutTest::defaultAndStoredSplitPositions() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    m_face->RestoreSettings(ini);
    // The right panel keeps its default width where the condition table has room, else the
    // bar moves right until the table shows every column.
    QCoreApplication::processEvents();
    const CConditionTable& table = *m_face->ConditionTable();
    QVERIFY(table.header()->length() <= table.viewport()->width());
    QVERIFY(m_face->SplitPosition() >= 900 - 340);
    // Where the window has room, the panel shows every layer's values without scrolling.
    m_face->resize(1400, 600);
    QCoreApplication::processEvents();
    const auto* statScroll = Control("ctl1106")->findChild<QScrollBar*>("simpleStatScroll");
    QVERIFY(statScroll != nullptr);
    QCOMPARE(statScroll->maximum(), 0);
    QVERIFY(m_face->SplitPosition() <= 1400 - 340);
    m_face->resize(900, 600);
    ini.WriteProfileInt("Measurement", "SplitPosition", 321);
    m_face->RestoreSettings(ini);
    QCOMPARE(m_face->SplitPosition(), 321);
    // A position kept from a wider window leaves the statistics panel its minimum width.
    ini.WriteProfileInt("Measurement", "SplitPosition", 5000);
    m_face->RestoreSettings(ini);
    QCoreApplication::processEvents();
    QWidget* stat = Control("ctl1106");
    QVERIFY(stat->width() >= stat->minimumSizeHint().width());
    QVERIFY(RightEdge(*m_face, *stat) < m_face->width());
    QCOMPARE(
        m_face->SplitPosition(),
        std::min(750, LeftEdge(*m_face, *stat) - CSplitBar::kBarWidth - CSplitBar::kHitMargin));
    // And the left column its own.
    ini.WriteProfileInt("Measurement", "SplitPosition", 0);
    m_face->RestoreSettings(ini);
    QCoreApplication::processEvents();
    QWidget* left = Control("ctl1104");
    QVERIFY(left->width() >= left->minimumSizeHint().width());
}

void FaceLayoutTest::settingsGoBackWhereTheyCameFrom() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    ini.WriteProfileInt("Measurement", "SplitPosition", 420);
    ini.WriteProfileInt("Measurement", "FontSize", 16);
    ini.WriteProfileString("Measurement", "Face", "DejaVu Sans");
    ini.WriteProfileInt("Measurement", "FontColor", 0x0000FF);
    for (int c = 0; c < 4; ++c)
        ini.WriteProfileInt("Measurement", "MeasResultCol" + std::to_string(c), 100 + c);
    for (int c = 0; c < 8; ++c)
        ini.WriteProfileInt("Measurement", "ColWidth" + std::to_string(c), 50 + c);
    m_face->RestoreSettings(ini);
    QCOMPARE(m_face->ResultList()->ResultFont().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(m_face->ResultList()->FontColor(), QColor(Qt::red));
    QCOMPARE(m_face->ResultList()->ColumnWidth(3), 103);
    QCOMPARE(m_face->ConditionTable()->columnWidth(7), 57);

    ProfileFile saved(dir.File("saved.ini"));
    QVERIFY(m_face->SaveSettings(saved));
    for (const char* key :
         {"SplitPosition", "FontSize", "Face", "FontColor", "MeasResultCol3", "ColWidth7"})
        QCOMPARE(saved.GetProfileString("Measurement", key, "(none)"),
                 ini.GetProfileString("Measurement", key, "(none)"));
    // The keys that were absent are written from the defaults.
    QCOMPARE(saved.GetProfileInt("Measurement", "Weight", -1), 400);
    QCOMPARE(saved.GetProfileInt("Measurement", "Italic", -1), 0);
}

}  // namespace klv

QTEST_MAIN(klv::FaceLayoutTest)
#include "face_layout_test.moc"
