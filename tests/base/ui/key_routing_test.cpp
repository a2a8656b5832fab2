#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "base/ui/key_routing_table.h"

namespace klv {
namespace {

// A window that counts the key messages it is given.
class KeyOwner final : public QWidget {
public:
    int f2 = 0;
    int f3 = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() != kKeyMessageEvent)
            return QWidget::event(e);
        const int key = static_cast<KeyMessageEvent*>(e)->VirtualKey();
        (key == kVkF2 ? f2 : f3) += 1;
        return true;
    }
};

}  // namespace

class KeyRoutingTest : public QObject {
    Q_OBJECT

private slots:
    void functionKeysMapToVirtualKeyCodes() {
        QCOMPARE(VirtualKeyOf(Qt::Key_F2), kVkF2);
        QCOMPARE(VirtualKeyOf(Qt::Key_F3), kVkF3);
        QCOMPARE(VirtualKeyOf(Qt::Key_A), 0x41);
        QCOMPARE(VirtualKeyOf(Qt::Key_Escape), -1);
    }

    // The key goes to its owner whichever window has the focus, once, and not to the
    // focused widget; a hidden or disabled owner, or a table that is gone, leaves the key
    // where it is.
    void registeredKeyReachesItsOwnerOnlyWhileItCanTakeIt() {
        KeyOwner owner;
        owner.show();
        QLineEdit other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        auto routing = std::make_unique<CKeyRoutingTable>();
        CKeyRoutingTable& table = *routing;
        QWidget* before = table.Register(kVkF2, &owner);
        table.Register(kVkF3, &owner);

        QTest::keyClick(other.windowHandle(), Qt::Key_F2);
        QTest::keyClick(other.windowHandle(), Qt::Key_F3);
        QTRY_COMPARE(owner.f2, 1);
        QTRY_COMPARE(owner.f3, 1);

        owner.setEnabled(false);
        QTest::keyClick(other.windowHandle(), Qt::Key_F2);
        owner.setEnabled(true);
        owner.hide();
        QTest::keyClick(other.windowHandle(), Qt::Key_F2);
        QTest::qWait(50);
        QCOMPARE(owner.f2, 1);

        // Given back, the previous owner (none) has it again.
        QCOMPARE(table.Register(kVkF2, before), static_cast<QWidget*>(&owner));
        QCOMPARE(table.Owner(kVkF2), before);

        owner.show();
        table.Register(kVkF3, &owner);
        routing.reset();
        QTest::keyClick(other.windowHandle(), Qt::Key_F3);
        QTest::qWait(50);
        QCOMPARE(owner.f3, 1);
    }

    // Under a modal box the owner is blocked as if disabled.
    void aModalWindowKeepsTheKeysFromABlockedOwner() {
        KeyOwner owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        CKeyRoutingTable table;
        table.Register(kVkF2, &owner);
        QDialog box(&owner);
        auto* edit = new QLineEdit(&box);
        (new QVBoxLayout(&box))->addWidget(edit);
        QTimer::singleShot(0, &box, [&] {
            QTest::keyClick(box.windowHandle(), Qt::Key_F2);
            QTimer::singleShot(50, &box, &QDialog::accept);
        });
        box.exec();
        QTest::qWait(20);
        QCOMPARE(owner.f2, 0);
        // A deleted owner is forgotten.
        {
            KeyOwner gone;
            gone.show();
            table.Register(kVkF2, &gone);
        }
        QCOMPARE(table.Owner(kVkF2), static_cast<QWidget*>(nullptr));
    }
};

}  // namespace klv

QTEST_MAIN(klv::KeyRoutingTest)
#include "key_routing_test.moc"
