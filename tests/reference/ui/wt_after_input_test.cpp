#include "reference/ui/wt_after_input.h"

#include <QLabel>
#include <QPushButton>

#include "base/ui/glyph_label.h"
#include "item_dialog_fixture.h"
#include "reference/wt_coefficient.h"

namespace klv {
namespace {

using test::Find;
using Texts = std::vector<std::string>;

MeasFileData Wire(std::uint8_t mode) {
    MeasFileData d = test::MakeCondition(1);
    d.bGasket = kGasketWT;
    d.bWtMode = mode;
    d.bWtFlags = GetWtLaterFlag(mode);
    d.fWtDiameter = 2.0f;
    d.fWtLength = 7.0f;
    d.fWtArea = 11.0f;
    d.fWtCoef = 0.5f;
    return d;
}

// The prompt's label, unit and value as shown.
QStringList Prompt(QWidget& w) {
    return {Find<QLabel>(w, QStringLiteral("valueLabel"))->text(),
            Find<CGlyphLabel>(w, QStringLiteral("unitLabel"))->text(),
            Find<QLineEdit>(w, QStringLiteral("valueEdit"))->text()};
}

// Types the value and confirms it with OK.
void Enter(QWidget& dlg, const QString& value) {
    test::Type(dlg, QStringLiteral("valueEdit"), value);
    test::Click(dlg, "okButton");
}

}  // namespace

class WtAfterInputTest : public QObject {
    Q_OBJECT
private slots:
    void labelUnitAndValueFollowTheMode() {
        test::ScriptedOperator op;
        CWTAfterInput rod(Wire(kWtModeRoundRod), op);
        QCOMPARE(rod.windowTitle(), QStringLiteral("Input after WT"));
        QCOMPARE(Prompt(rod), (QStringList{"Sample's length", "mm", "7"}));
        QCOMPARE(Find<QLineEdit>(rod, QStringLiteral("valueEdit"))->maxLength(), 5);
        CWTAfterInput area(Wire(kWtModeSmallParts), op);
        QCOMPARE(Prompt(area), (QStringList{"Sample's area (size)", "mm%0", "11"}));
        CWTAfterInput direct(Wire(kWtModeDirect), op);
        QCOMPARE(Prompt(direct), (QStringList{"WT Coefficient", "", "0.5"}));
        QVERIFY(direct.findChild<QPushButton*>(QStringLiteral("cancelButton")) == nullptr);
    }

    void refusesNonNumbersAndValuesNotAboveZero() {
        test::ScriptedOperator op;
        CWTAfterInput dlg(Wire(kWtModeRoundRod), op);
        dlg.show();
        for (const char* text : {"abc", "", "0", "-2", "0.000"}) {
            Enter(dlg, QString::fromLatin1(text));
            QVERIFY(dlg.isVisible());
        }
        QCOMPARE(op.Texts(),
                 (Texts{"Error in the numerical value.", "Error in the numerical value.",
                        "Less than zero can't be specified.", "Less than zero can't be specified.",
                        "Less than zero can't be specified."}));
        QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(dlg, QStringLiteral("valueEdit")));
        QCOMPARE(dlg.Condition().fWtLength, 7.0f);
    }

    void cannotBeClosedWithoutAValue() {
        test::ScriptedOperator op;
        CWTAfterInput dlg(Wire(kWtModeRoundRod), op);
        dlg.show();
        QVERIFY(!(dlg.windowFlags() & Qt::WindowCloseButtonHint));
        dlg.close();
        QVERIFY(dlg.isVisible());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
    }

    void storesTheLengthAndRecomputesTheCoefficient() {
        test::ScriptedOperator op;
        MeasFileData d = Wire(kWtModeRoundRod);
        test::ModalDriver modal;
        modal.When(QStringLiteral("wtAfterInput"),
                   [](QWidget& dlg) { Enter(dlg, QStringLiteral("4")); });
        const float coef = AskWtAfterInput(d, op, nullptr);
        QCOMPARE(coef, 2.958f / (2.0f * 4.0f));
        QCOMPARE(d.fWtLength, 4.0f);
        QCOMPARE(d.fWtCoef, coef);
        QVERIFY(!(d.bWtFlags & kWtCoefValid));  // the next measurement asks again
        QVERIFY(op.Texts().empty());
    }

    void directCoefficientIsTakenAsTyped() {
        test::ScriptedOperator op;
        MeasFileData d = Wire(kWtModeDirect);
        test::ModalDriver modal;
        modal.When(QStringLiteral("wtAfterInput"),
                   [](QWidget& dlg) { Enter(dlg, QStringLiteral("1.25")); });
        QCOMPARE(AskWtAfterInput(d, op, nullptr), 1.25f);
        QCOMPARE(d.fWtLength, 7.0f);
    }
};

}  // namespace klv

QTEST_MAIN(klv::WtAfterInputTest)
#include "wt_after_input_test.moc"
