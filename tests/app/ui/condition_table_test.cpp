#include "app/ui/condition_table.h"

#include <QScrollBar>
#include <QtTest>

#include "app/ui/shown_widget.h"
#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"
#include "support/temp_dir.h"

namespace klv {

namespace {

// Nickel with auto stop at 5 µm over copper, on steel, gasket A calibrated at +1.23 %.
MeasFileData NickelOverCopper() {
    MeasFileData d = test::Condition(
        {test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu", test::kRange4_10)});
    d.coat[0].bPump = 6;
    d.coat[0].bLayerFlags |= kLayerAutoStopOn;
    d.coat[0].fAutoStop = 5.0f;
    return d;
}

CalibrationStore Calibrated() {
    CalibrationStore store{};
    store.gasket[kGasketA].bCalFlags = kGasketHasCalibration;
    store.gasket[kGasketA].wCalDate = PackDate(2026, 3, 4);
    store.gasket[kGasketA].fCalValue = 1.234f;
    return store;
}

QColor CellColour(CConditionTable& table, int column) {
    const QRect cell = table.visualRect(table.model()->index(0, column));
    // Low in the cell, where no text is.
    return table.viewport()->grab().toImage().pixel(cell.center().x(), cell.bottom() - 1);
}

QColor Role(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

}  // namespace

class ConditionTableTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titlesAndDefaultWidths();
    void realConditionFillsItsCells();
    void currentLayerIsHighlightedWhileMeasurementIsPossible();
    void theWholeRowOfSixLinesIsShown();
    void storedColumnWidthsComeBack();

private:
    CConditionTable* m_table = nullptr;
    MeasFileData m_condition = NickelOverCopper();
    CalibrationStore m_store = Calibrated();
};

void ConditionTableTest::init() {
    m_table = new CConditionTable;
    QVERIFY(test::ShowAtSize(*m_table, {700, 200}));
}

void ConditionTableTest::cleanup() {
    delete m_table;
    m_table = nullptr;
}

void ConditionTableTest::titlesAndDefaultWidths() {
    QStringList titles;
    QList<int> widths;
    for (int c = 0; c < m_table->columnCount(); ++c) {
        titles << m_table->headerItem()->text(c);
        widths << m_table->columnWidth(c);
    }
    QCOMPARE(titles, (QStringList{"", "1st layer", "2nd layer", "3rd  layer", "4th layer",
                                  "5th layer", "", ""}));
    // The original widths are the least; a column grows to its longest title or line.
    const QList<int> least{76, 67, 67, 67, 67, 67, 55, 59};
    for (int c = 0; c < least.size(); ++c)
        QVERIFY2(widths[c] >= least[c], qPrintable(QString::number(c)));
    QCOMPARE(m_table->topLevelItemCount(), 1);
    QCOMPARE(m_table->CellText(5, 0), QStringLiteral("Auto stop"));
    QCOMPARE(m_table->CellText(0, 1), QString());
}

void ConditionTableTest::realConditionFillsItsCells() {
    m_table->ShowCondition(&m_condition, 0, true, &m_store);
    const QStringList firstLayer = {"Ni", "E-21", "Automatic", "1/1", "6", "   5.0 um"};
    for (int line = 0; line < 6; ++line)
        QCOMPARE(m_table->CellText(line, 1), firstLayer[line]);
    QCOMPARE(m_table->CellText(3, 2), QStringLiteral("4/10"));
    QCOMPARE(m_table->CellText(0, 3), QString());
    QCOMPARE(m_table->CellText(3, 6), QStringLiteral("Calibration date"));
    QCOMPARE(m_table->CellText(3, 7), QStringLiteral("2026/03/04"));
    QCOMPARE(m_table->CellText(4, 7), QStringLiteral("+1.23%"));
    QCOMPARE(m_table->CellText(6, 7), QString());
    QCOMPARE(m_table->CellText(0, 8), QString());
    m_table->ShowCondition(nullptr, 0, false, &m_store);
    QCOMPARE(m_table->CellText(0, 1), QString());
    QCOMPARE(m_table->CellText(0, 0), QStringLiteral("Coating"));
}

void ConditionTableTest::currentLayerIsHighlightedWhileMeasurementIsPossible() {
    m_table->ShowCondition(&m_condition, 1, true, &m_store);
    QCOMPARE(m_table->HighlightedColumn(), 2);
    QCOMPARE(CellColour(*m_table, 2), Role(QPalette::Highlight));
    QCOMPARE(CellColour(*m_table, 1), Role(QPalette::Base));
    m_table->ShowCondition(&m_condition, 1, false, &m_store);
    QCOMPARE(m_table->HighlightedColumn(), -1);
    QCOMPARE(CellColour(*m_table, 2), Role(QPalette::Base));
    m_table->ShowCondition(&m_condition, 0, true, &m_store);
    m_table->setEnabled(false);
    for (int column : {0, 1, 7})
        QCOMPARE(CellColour(*m_table, column), Role(QPalette::Button));
}

void ConditionTableTest::theWholeRowOfSixLinesIsShown() {
    const QRect row = m_table->visualItemRect(m_table->topLevelItem(0));
    QVERIFY(row.height() >= 6 * QFontMetrics(m_table->font()).height());
    QVERIFY(row.bottom() < m_table->viewport()->height());
    QVERIFY(m_table->height() < 200);
    // Narrower than its columns: the scroll bar gets room of its own.
    m_table->resize(300, m_table->height());
    QTRY_VERIFY(m_table->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(m_table->visualItemRect(m_table->topLevelItem(0)).bottom() <
                m_table->viewport()->height());
}

void ConditionTableTest::storedColumnWidthsComeBack() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    m_table->setColumnWidth(6, 110);
    QVERIFY(m_table->SaveColumns(ini));
    QCOMPARE(ini.GetProfileInt("Measurement", "ColWidth6", -1), 110);
    QCOMPARE(ini.GetProfileInt("Measurement", "ColWidth7", -1), 59);
    CConditionTable other;
    other.RestoreColumns(ini);
    QCOMPARE(other.columnWidth(6), 110);
    QCOMPARE(other.headerItem()->text(3), QStringLiteral("3rd  layer"));
    ini.DeleteProfileKey("Measurement", "ColWidth7");
    other.RestoreColumns(ini);
    QCOMPARE(other.columnWidth(6), 55);
}

}  // namespace klv

QTEST_MAIN(klv::ConditionTableTest)
#include "condition_table_test.moc"
