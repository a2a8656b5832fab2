#include "reference/ui/wt_after_input.h"

#include <QLabel>

#include "item_dialog_fixture.h"
#include "reference/ui/glyph_label.h"
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

QString Edit(QWidget& w) {
    return Find<QLineEdit>(w, QStringLiteral("valueEdit"))->text();
}

}  // namespace

class WtAfterInputTest : public QObject {
    Q_OBJECT
private slots:
    void labelUnitAndValueFollowTheMode() {
        test::ScriptedOperator op;
        CWTAfterInput rod(Wire(kWtModeRoundRod), op);
        QCOMPARE(rod.windowTitle(), QStringLiteral("Input after WT"));
        QCOMPARE(Find<QLabel>(rod, QStringLiteral("valueLabel"))->text(),
                 QStringLiteral("Sample's length"));
        QCOMPARE(Find<CGlyphLabel>(rod, QStringLiteral("unitLabel"))->text(), QStringLiteral("mm"));
        QCOMPARE(Edit(rod), QStringLiteral("7"));
        QCOMPARE(Find<QLineEdit>(rod, QStringLiteral("valueEdit"))->maxLength(), 5);
        CWTAfterInput area(Wire(kWtModeSmallParts), op);
        QCOMPARE(Find<QLabel>(area, QStringLiteral("valueLabel"))->text(),
                 QStringLiteral("Sample's area (size)"));
        QCOMPARE(Find<CGlyphLabel>(area, QStringLiteral("unitLabel"))->text(),
                 QStringLiteral("mm%0"));
        QCOMPARE(Edit(area), QStringLiteral("11"));
        CWTAfterInput direct(Wire(kWtModeDirect), op);
        QCOMPARE(Find<QLabel>(direct, QStringLiteral("valueLabel"))->text(),
                 QStringLiteral("WT Coefficient"));
        QCOMPARE(Find<CGlyphLabel>(direct, QStringLiteral("unitLabel"))->text(), QString());
        QCOMPARE(Edit(direct), QStringLiteral("0.5"));
        QVERIFY(direct.findChild<QPushButton*>(QStringLiteral("cancelButton")) == nullptr);
    }

    void refusesNonNumbersAndValuesNotAboveZero() {
        test::ScriptedOperator op;
        CWTAfterInput dlg(Wire(kWtModeRoundRod), op);
        dlg.show();
        for (const char* text : {"abc", "", "0", "-2", "0.000"}) {
            test::Type(dlg, QStringLiteral("valueEdit"), QString::fromLatin1(text));
            test::Click(dlg, "okButton");
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
        test::OnNextModal([](QDialog& dlg) {
            test::Type(dlg, QStringLiteral("valueEdit"), QStringLiteral("4"));
            test::Click(dlg, "okButton");
        });
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
        test::OnNextModal([](QDialog& dlg) {
            test::Type(dlg, QStringLiteral("valueEdit"), QStringLiteral("1.25"));
            test::Click(dlg, "okButton");
        });
        QCOMPARE(AskWtAfterInput(d, op, nullptr), 1.25f);
        QCOMPARE(d.fWtLength, 7.0f);
    }
};

}  // namespace klv

QTEST_MAIN(klv::WtAfterInputTest)
#include "wt_after_input_test.moc"
