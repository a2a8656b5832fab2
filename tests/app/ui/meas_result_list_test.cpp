#include "app/ui/meas_result_list.h"

#include <QHeaderView>
#include <QtTest>

#include "app/ui/shown_widget.h"
#include "base/ui/draw_glyph_text.h"
#include "base/ui/fitted_glyph_text.h"
#include "support/temp_dir.h"

namespace klv {

namespace {

QStringList Titles(const QTreeWidget& list) {
    QStringList titles;
    for (int c = 0; c < list.columnCount(); ++c)
        titles << list.headerItem()->text(c);
    return titles;
}

QList<int> Widths(const CMeasResultList& list) {
    QList<int> widths;
    for (int c = 0; c < 4; ++c)
        widths << list.ColumnWidth(c);
    return widths;
}

bool IsRed(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80;
}

bool IsDark(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

// Counts the pixels of a cell of the drawn list that pass `test`.
int CountPixels(CMeasResultList& list, int row, int column, bool (*test)(QRgb)) {
    const QRect cell = list.visualRect(list.model()->index(row, column));
    const QImage image = list.viewport()->grab().toImage();
    int n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

ResultRowTexts Row(const char* name, const char* value, bool red = false) {
    ResultRowTexts texts;
    texts.columns[0] = QString::fromLatin1(name);
    texts.columns[1] = QString::fromLatin1(value);
    texts.columns[2] = QStringLiteral("0.1358 mg");
    texts.columns[3] = QStringLiteral(" 14.62 g/m%0");
    texts.redName = red;
    return texts;
}

}  // namespace

class MeasResultListTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoOrFourColumnsKeepTheRows();
    void storedWidthsOnlyWhenAllArePresentAndClamped();
    void rowsAreOneAndAHalfLinesOfTheResultFont();
    void freshResultLiesOnTheWindowColour();
    void redNameColoursOnlyTheNameOfItsRow();
    void valueBlinksOnEvenTicksOnly();
    void noRowIsEverSelected();
    void textTooWideForItsCellIsCutWithAMark();
    void measurementRowsReplaceTheShownOnes();

private:
    CMeasResultList* m_list = nullptr;
};

void MeasResultListTest::init() {
    m_list = new CMeasResultList;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    m_list->SetResultFont(font, Qt::black);
    QVERIFY(test::ShowAtSize(*m_list, {800, 300}));
}

void MeasResultListTest::cleanup() {
    delete m_list;
    m_list = nullptr;
}

void MeasResultListTest::twoOrFourColumnsKeepTheRows() {
    QCOMPARE(Titles(*m_list), (QStringList{"Coating", "Obtained value"}));
    m_list->SetRow(2, Row("Ni    ", "  12.3 um"));
    QCOMPARE(m_list->RowCount(), 3);
    QCOMPARE(m_list->RowText(0, 0), QString());
    m_list->SetFourColumns(true);
    QCOMPARE(Titles(*m_list),
             (QStringList{"Coating", "Obtained value", "Weight of melting", "Adhesion amount"}));
    QCOMPARE(Widths(*m_list), (QList<int>{200, 166, 166, 200}));
    QCOMPARE(m_list->RowText(2, 3), QStringLiteral(" 14.62 g/m%0"));
    // A width the operator dragged survives going back to two columns.
    m_list->header()->resizeSection(1, 120);
    m_list->SetFourColumns(false);
    QCOMPARE(m_list->columnCount(), 2);
    QCOMPARE(m_list->ColumnWidth(1), 120);
    QCOMPARE(m_list->RowText(2, 0), QStringLiteral("Ni    "));
    m_list->ClearRows();
    QCOMPARE(m_list->RowCount(), 0);
    QCOMPARE(m_list->RowText(0, 0), QString());
}

void MeasResultListTest::storedWidthsOnlyWhenAllArePresentAndClamped() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    ini.WriteProfileInt("Measurement", "MeasResultCol0", 1);
    ini.WriteProfileInt("Measurement", "MeasResultCol1", 5000);
    ini.WriteProfileInt("Measurement", "MeasResultCol2", 90);
    m_list->RestoreColumnWidths(ini);
    QCOMPARE(Widths(*m_list), (QList<int>{200, 166, 166, 200}));

    ini.WriteProfileInt("Measurement", "MeasResultCol3", 300);
    m_list->RestoreColumnWidths(ini);
    QCOMPARE(Widths(*m_list), (QList<int>{4, 2000, 90, 300}));
    QCOMPARE(m_list->columnWidth(1), 2000);

    // Every width is written, the hidden ones too.
    test::TempDir other;
    ProfileFile saved(other.File("KLV570.ini"));
    QVERIFY(m_list->SaveColumnWidths(saved));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(saved.GetProfileInt("Measurement", "MeasResultCol" + std::to_string(c), -1),
                 (QList<int>{4, 2000, 90, 300})[c]);
}

void MeasResultListTest::rowsAreOneAndAHalfLinesOfTheResultFont() {
    m_list->SetRow(0, Row("Ni    ", "  12.3 um"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    m_list->SetResultFont(font, Qt::blue);
    QTest::qWait(1);
    QCOMPARE(m_list->visualItemRect(m_list->topLevelItem(0)).height(),
             QFontMetrics(font).height() * 3 / 2);
}

void MeasResultListTest::freshResultLiesOnTheWindowColour() {
    const QColor window = QApplication::palette().color(QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Button);
    QVERIFY(window != face);
    m_list->SetRow(0, Row("Ni    ", "  12.3 um"));
    QVERIFY(!m_list->IsFresh());
    QImage image = m_list->viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(790, 5)), face);
    QCOMPARE(QColor(image.pixel(360, 5)), face);
    m_list->SetFresh(true);
    image = m_list->viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(360, 5)), window);
    // The empty part below the rows follows.
    QCOMPARE(QColor(image.pixel(100, 250)), window);
    m_list->SetFresh(false);
    QCOMPARE(QColor(m_list->viewport()->grab().toImage().pixel(100, 250)), face);
}

void MeasResultListTest::redNameColoursOnlyTheNameOfItsRow() {
    m_list->SetRow(0, Row("Coating thickness value of all Sn", "   2.3 um More", true));
    m_list->SetRow(1, Row("Solid Sn layer    ", "   2.0 um"));
    QVERIFY(m_list->IsRedName(0));
    QVERIFY(!m_list->IsRedName(1));
    QVERIFY(CountPixels(*m_list, 0, 0, IsRed) > 20);
    QCOMPARE(CountPixels(*m_list, 0, 1, IsRed), 0);
    QCOMPARE(CountPixels(*m_list, 1, 0, IsRed), 0);
    QVERIFY(CountPixels(*m_list, 1, 0, IsDark) > 20);
}

void MeasResultListTest::valueBlinksOnEvenTicksOnly() {
    m_list->SetRow(0, Row("Ni    ", "  12.3 um"));
    m_list->SetRow(1, Row("Cu    ", "   4.0 um"));
    QVERIFY(!m_list->IsBlinking());
    m_list->SetBlinkRow(1);
    QVERIFY(m_list->IsBlinking());
    for (int tick = 0; tick < 4; ++tick) {
        const bool shown = tick % 2 == 0;
        QCOMPARE(m_list->IsBlinkTextShown(), shown);
        QCOMPARE(CountPixels(*m_list, 1, 1, IsDark) > 0, shown);
        // Only the value of the blinking row blinks.
        QVERIFY(CountPixels(*m_list, 0, 1, IsDark) > 0);
        QVERIFY(CountPixels(*m_list, 1, 0, IsDark) > 0);
        m_list->BlinkTick();
    }
    m_list->BlinkTick();
    m_list->StopBlink();
    QVERIFY(!m_list->IsBlinking());
    QVERIFY(CountPixels(*m_list, 1, 1, IsDark) > 0);
    // The timer drives it at 500 ms.
    m_list->SetBlinkRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(!m_list->IsBlinkTextShown(), 1500);
}

void MeasResultListTest::noRowIsEverSelected() {
    m_list->SetRow(0, Row("Ni    ", "  12.3 um"));
    m_list->SetRow(1, Row("Cu    ", "   4.0 um"));
    const QRect row = m_list->visualItemRect(m_list->topLevelItem(1));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::keyClick(m_list, Qt::Key_Down);
    QVERIFY(m_list->selectedItems().isEmpty());
    m_list->selectAll();
    QVERIFY(m_list->selectedItems().isEmpty());
    QCOMPARE(m_list->RowText(1, 0), QStringLiteral("Cu    "));
}

void MeasResultListTest::textTooWideForItsCellIsCutWithAMark() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    const QFontMetrics fm(font);
    const QString value = QStringLiteral("  12.3 um        ");
    // An empty limit mark is no reason to cut.
    QCOMPARE(FitGlyphText(fm, value, GlyphTextExtent(fm, QStringLiteral("  12.3 um"))),
             QStringLiteral("  12.3 um"));
    const QString adhesion = QStringLiteral(" 14.62 g/m%0");
    const int whole = GlyphTextExtent(fm, adhesion);
    QCOMPARE(FitGlyphText(fm, adhesion, whole), adhesion);
    for (int width = whole - 1; width > 0; width -= 3) {
        const QString cut = FitGlyphText(fm, adhesion, width);
        QVERIFY2(GlyphTextExtent(fm, cut) <= width, qPrintable(cut));
        if (cut.isEmpty())
            continue;
        QVERIFY2(cut.endsWith(QStringLiteral("...")), qPrintable(cut));
        QVERIFY2(!cut.contains(QStringLiteral("%...")), qPrintable(cut));
        QVERIFY(adhesion.startsWith(cut.chopped(3)));
    }
    QCOMPARE(FitGlyphText(fm, adhesion, 0), QString());
}

void MeasResultListTest::measurementRowsReplaceTheShownOnes() {
    for (int r = 0; r < 4; ++r)
        m_list->SetRow(r, Row("old   ", "   1.0 um"));
    m_list->SetBlinkRow(3);
    ResultRow nickel;
    nickel.columns[0] = "Ni    ";
    // Single-byte text of the records: 0xB5 is the micro sign.
    nickel.columns[1] = "  12.3 \xb5m More than upper limit";
    nickel.redName = true;
    ResultRow copper;
    copper.columns[0] = "Cu    ";
    m_list->SetResultRows({nickel, copper});
    QCOMPARE(m_list->RowCount(), 2);
    QCOMPARE(m_list->RowText(0, 1), QStringLiteral("  12.3 \u00b5m More than upper limit"));
    QVERIFY(m_list->IsRedName(0));
    QVERIFY(!m_list->IsRedName(1));
    QCOMPARE(m_list->RowText(1, 1), QString());
    QVERIFY(!m_list->IsBlinking());
}

}  // namespace klv

QTEST_MAIN(klv::MeasResultListTest)
#include "meas_result_list_test.moc"
