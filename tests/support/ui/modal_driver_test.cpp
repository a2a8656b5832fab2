#include "support/ui/modal_driver.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

// The driver's own failures are expected here: QEXPECT_FAIL turns each into an expected one,
// and a driver that gave up silently would leave the check below it unmet.
class ModalDriverTest : public QObject {
    Q_OBJECT

private slots:
    void actsOnTheNamedDialogOnly() {
        QDialog other;
        other.setObjectName(QStringLiteral("other"));
        QDialog wanted;
        wanted.setObjectName(QStringLiteral("wanted"));
        klv::test::ModalDriver modal;
        int acted = 0;
        modal.When(QStringLiteral("other"), [&](QWidget&) {
            modal.When(QStringLiteral("wanted"), [&](QWidget& w) {
                ++acted;
                static_cast<QDialog&>(w).accept();
            });
            QCOMPARE(wanted.exec(), int(QDialog::Accepted));
            other.accept();
        });
        QCOMPARE(other.exec(), int(QDialog::Accepted));
        QCOMPARE(acted, 1);
    }

    void aDialogThatDoesNotOpenInTimeFailsAndTheOpenOneIsClosed() {
        QDialog other;
        other.setObjectName(QStringLiteral("other"));
        bool acted = false;
        int result = -1;
        QEXPECT_FAIL("", "\"wanted\" never opens", Continue);
        {
            klv::test::ModalDriver modal(50);
            modal.When(QStringLiteral("wanted"), [&](QWidget&) { acted = true; });
            QTimer::singleShot(5000, &other, [&] { other.done(2); });  // the driver left it open
            result = other.exec();
        }
        QVERIFY(!acted);
        QCOMPARE(result, int(QDialog::Rejected));
    }

    void aStepStillWaitingAtTheEndFails() {
        QEXPECT_FAIL("", "no dialog opens before the driver ends", Continue);
        {
            klv::test::ModalDriver modal;
            modal.When(QStringLiteral("wanted"), [](QWidget&) {});
        }
        QVERIFY(true);
    }
};

QTEST_MAIN(ModalDriverTest)
#include "modal_driver_test.moc"
