#include "base/ui/validation_message.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "support/scripted_operator.h"

using klv::test::ScriptedOperator;

class ValidationMessageTest : public QObject {
    Q_OBJECT

private slots:
    void rangeErrorFocusesSelectsAndScrollsToTheEdit();
    void textAndFixedMessagesKeepTheirExactTexts();
    void comboWithoutSelectionOpensItsList();
};

namespace {

// A tall scroll area whose last edit starts outside the visible part.
struct ScrolledForm {
    QWidget window;
    QScrollArea* area = new QScrollArea(&window);
    QWidget* inner = new QWidget;
    QLineEdit* first = new QLineEdit("top", inner);
    QLineEdit* last = new QLineEdit("12345", inner);

    ScrolledForm() {
        auto* column = new QVBoxLayout(inner);
        column->addWidget(first);
        column->addSpacing(2000);
        column->addWidget(last);
        last->setObjectName("lastEdit");
        area->setWidget(inner);
        area->resize(200, 150);
        window.resize(220, 170);
        window.show();
        window.activateWindow();
        first->setFocus();
    }
};

}  // namespace

void ValidationMessageTest::rangeErrorFocusesSelectsAndScrollsToTheEdit() {
    ScrolledForm f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QCOMPARE(f.area->verticalScrollBar()->value(), 0);
    ScriptedOperator op;
    klv::ShowRangeError(op, f.last, 1, 999);
    QCOMPARE(op.Texts().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(op.Texts()[0]),
             QString("Range of values are from  1  to  999."));
    QVERIFY(f.last->hasFocus());
    QCOMPARE(f.last->selectedText(), QString("12345"));
    QVERIFY(f.area->verticalScrollBar()->value() > 0);
    const QRect visible(QPoint(0, 0), f.area->viewport()->size());
    QVERIFY(visible.contains(f.last->mapTo(f.area->viewport(), QPoint(1, 1))));
}

void ValidationMessageTest::textAndFixedMessagesKeepTheirExactTexts() {
    ScrolledForm f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    ScriptedOperator op;
    klv::ShowNumberError(op, f.first);
    klv::ShowMinusError(op, f.first);
    klv::ShowNotPositiveError(op, f.first);
    klv::ShowRangeErrorText(op, f.first, "0.01", "0.9");
    const std::vector<std::string> expected = {
        "Error in the numerical value.", "Value of minus can't be specified.",
        "Less than zero can't be specified.", "Range of values are from  0.01  to  0.9."};
    QVERIFY(op.Texts() == expected);
    QVERIFY(f.first->hasFocus());
    QCOMPARE(f.first->selectedText(), QString("top"));
}

void ValidationMessageTest::comboWithoutSelectionOpensItsList() {
    QWidget window;
    auto* combo = new QComboBox(&window);
    combo->addItems({"A", "B"});
    combo->setCurrentIndex(-1);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ScriptedOperator op;
    QVERIFY(!klv::CheckComboSelected(op, combo));
    QCOMPARE(QString::fromStdString(op.Texts().at(0)), QString("Lack of item."));
    QVERIFY(combo->view()->isVisible());
    combo->hidePopup();
    combo->setCurrentIndex(1);
    QVERIFY(klv::CheckComboSelected(op, combo));
    QCOMPARE(op.Texts().size(), std::size_t{1});
    bool opened = false;
    klv::ShowListItemMissing(op, combo, [&] { opened = true; });
    QVERIFY(opened);
    QCOMPARE(op.Texts().size(), std::size_t{2});
}

QTEST_MAIN(ValidationMessageTest)
#include "validation_message_test.moc"
