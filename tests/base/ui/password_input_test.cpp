#include "base/ui/password_input.h"

#include <QLineEdit>
#include <QtTest>

#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

class PasswordInputTest : public QObject {
    Q_OBJECT

private slots:
    void okGivesAtMostEightMaskedCharactersAndCancelNothing();
};

void PasswordInputTest::okGivesAtMostEightMaskedCharactersAndCancelNothing() {
    test::ModalDriver modal;
    modal.When(QStringLiteral("CPasswordInput"), [](QWidget& w) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Enter the password"));
        auto* edit = test::Find<QLineEdit>(w, QStringLiteral("ctl1420"));
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QVERIFY(edit->text().isEmpty());
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, QStringLiteral("9438123456"));
        test::Click(w, QStringLiteral("ok"));
    });
    QCOMPARE(AskPassword(nullptr), std::optional<std::string>("94381234"));
    modal.When(QStringLiteral("CPasswordInput"), [](QWidget& w) {
        test::Type(w, QStringLiteral("ctl1420"), QStringLiteral("9438"));
        test::Click(w, QStringLiteral("cancel"));
    });
    QCOMPARE(AskPassword(nullptr), std::nullopt);
}

}  // namespace klv

QTEST_MAIN(klv::PasswordInputTest)
#include "password_input_test.moc"
