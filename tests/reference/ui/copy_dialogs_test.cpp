#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <cstring>

#include "base/fixed_text.h"
#include "base/ui/subclass_list_ctrl.h"
#include "channel_list_fixture.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/ui/copy_from_channel.h"
#include "reference/ui/meas_file_copy.h"
#include "reference/ui/meas_file_list.h"
#include "reference/ui/special_solution.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {
namespace {

using test::Find;

void ClickOk(QWidget& w) {
    Find<QPushButton>(w, "okButton")->click();
}

MeasFileData Source() {
    MeasFileData d = test::ChannelListFixture::Named(test::MakeCondition(2, 4), "Plating A", "L-7");
    SetFixedText(d.szCustomer, "ACME");
    SetFixedText(d.szGoods, "Pins");
    SetFixedText(d.szTester, "Kim");
    return d;
}

// Sn over an alloy layer over Cu, on steel.
MeasFileData TinOverAlloy() {
    MeasFileData d = test::MakeCondition(2);
    d.coat[1].bSolution = 3;
    SetFixedText(d.coat[0].Name, "Sn");
    SetFixedText(d.coat[1].Name, "Cu");
    InsertAlloyLayer(d);
    return d;
}

QStringList Items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A style like the desktop themes that put icons on standard dialog buttons.
class IconButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// The application runs under the icon style while it lives.
struct IconStyleScope {
    QString before = QApplication::style()->name();
    IconStyleScope() { QApplication::setStyle(new IconButtonStyle(QStyleFactory::create(before))); }
    ~IconStyleScope() { QApplication::setStyle(QStyleFactory::create(before)); }
};

}  // namespace

class CopyDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void copyShowsTheSourceAndCopiesAllByDefault() {
        test::ScriptedOperator op;
        CMeasFileCopy dialog(4, Source(), op);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select copy item"));
        QCOMPARE(Find<QLabel>(dialog, "sourceTitle")->text(), QStringLiteral("5 : Plating A"));
        QCOMPARE(Find<QLabel>(dialog, "sourceCustomer")->text(), QStringLiteral("ACME"));
        QCOMPARE(Find<QLabel>(dialog, "sourceGoods")->text(), QStringLiteral("Pins"));
        QCOMPARE(Find<QLabel>(dialog, "sourceTester")->text(), QStringLiteral("Kim"));
        QCOMPARE(Find<QLabel>(dialog, "sourceLotNo")->text(), QStringLiteral("L-7"));
        QVERIFY(Find<QRadioButton>(dialog, "copyAll")->isChecked());
        QVERIFY(!Find<QCheckBox>(dialog, "copyCustomer")->isEnabled());
        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Items(), 127u);
    }

    void okAndCancelCarryNoIconsUnderAnIconStyle() {
        const IconStyleScope scope;
        QDialogButtonBox standard(QDialogButtonBox::Ok);
        QVERIFY(!standard.button(QDialogButtonBox::Ok)->icon().isNull());
        test::ScriptedOperator op;
        CMeasFileCopy dialog(0, Source(), op);
        QVERIFY(Find<QPushButton>(dialog, "okButton")->icon().isNull());
        QVERIFY(Find<QPushButton>(dialog, "cancelButton")->icon().isNull());
        Find<QPushButton>(dialog, "cancelButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void onlySelectedItemsNeedOneTicked() {
        test::ScriptedOperator op;
        CMeasFileCopy dialog(0, Source(), op);
        Find<QRadioButton>(dialog, "copySelected")->click();
        QVERIFY(Find<QCheckBox>(dialog, "copyStatistics")->isEnabled());
        QCOMPARE(Find<QCheckBox>(dialog, "copyStatistics")->text(),
                 QStringLiteral("Statistcs item"));
        ClickOk(dialog);
        QCOMPARE(op.Texts(), std::vector<std::string>{"Item for a copy is not selected."});
        QVERIFY(dialog.result() != int(QDialog::Accepted));
        Find<QCheckBox>(dialog, "copyLotNo")->click();
        Find<QCheckBox>(dialog, "copyCondition")->click();
        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Items(), 8u | 32u);
    }

    void copyFromOtherChannelAppliesTheChosenItems() {
        test::ChannelListFixture f;
        MeasFileData source{};
        QVERIFY(f.store.ReadConditionFile(0, source, true));
        SetFixedText(source.szCustomer, "ACME");
        QVERIFY(f.store.WriteConditionFile(0, source));
        MeasFileData target = NewMeasFileData();
        SetFixedText(target.szFileName, "Mine");
        test::ModalDriver modal;
        modal.When(QStringLiteral("measFileList"), [](QWidget& w) {
            auto& list = *Find<CSubclassListCtrl>(w, "channelList");
            list.setCurrentItem(list.topLevelItem(0));
            QTest::keyClick(&list, Qt::Key_Return);
        });
        QString title;
        modal.When(QStringLiteral("measFileCopy"), [&title](QWidget& w) {
            title = Find<QLabel>(w, "sourceTitle")->text();
            Find<QRadioButton>(w, "copySelected")->click();
            Find<QCheckBox>(w, "copyCustomer")->click();
            Find<QCheckBox>(w, "copyCondition")->click();
            ClickOk(w);
        });
        QVERIFY(CopyFromOtherChannel(f.store, f.cal, f.ini, true, f.op, target, nullptr));
        QCOMPARE(title, QStringLiteral("1 : Plating A"));
        QCOMPARE(GetFixedText(target.szFileName), std::string("Mine"));
        QCOMPARE(GetFixedText(target.szCustomer), std::string("ACME"));
        QCOMPARE(GetCoatCount(target), 3);
        QCOMPARE(GetFixedText(target.coat[1].Name), std::string("Cu"));
        QCOMPARE(target.nItemCt, 0u);  // the source's seven records stay with the source
    }

    void cancelledCopyLeavesTheTargetAlone() {
        test::ChannelListFixture f;
        MeasFileData target = NewMeasFileData();
        const MeasFileData before = target;
        int listed = 0;
        test::ModalDriver modal;
        modal.When(QStringLiteral("measFileList"), [&listed](QWidget& w) {
            auto& list = *Find<CSubclassListCtrl>(w, "channelList");
            listed = list.topLevelItemCount();
            list.setCurrentItem(list.topLevelItem(1));
            QTest::keyClick(&list, Qt::Key_Return);
        });
        // Cancelling the items keeps the list open; its own Cancel then ends the copy.
        modal.When(QStringLiteral("measFileCopy"), [&modal](QWidget& w) {
            Find<QPushButton>(w, "cancelButton")->click();
            modal.When(QStringLiteral("measFileList"),
                       [](QWidget& list) { Find<QPushButton>(list, "cancelButton")->click(); });
        });
        QVERIFY(!CopyFromOtherChannel(f.store, f.cal, f.ini, true, f.op, target, nullptr));
        QCOMPARE(listed, 2);  // only existing channels
        QVERIFY(std::memcmp(&target, &before, sizeof target) == 0);
    }

    void specialSolutionOffersThePairsOfTinOverAlloy() {
        test::ScriptedOperator op;
        MeasFileData d = TinOverAlloy();
        CSpecialSolution dialog(d, op);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Test solution for a special material"));
        QCOMPARE(Find<QLabel>(dialog, "layerName0")->text(), QStringLiteral("Sn"));
        QCOMPARE(Find<QLabel>(dialog, "layerName1")->text(), QStringLiteral("Alloy layer"));
        auto* tin = Find<QListWidget>(dialog, "solutionList0");
        QVERIFY(tin->isEnabled());
        QCOMPARE(Items(tin), (QStringList{"E-24  E-26", "E-26  E-26"}));
        QVERIFY(!Find<QListWidget>(dialog, "solutionList1")->isEnabled());
        QCOMPARE(Find<QListWidget>(dialog, "solutionList1")->count(), 0);
        auto* copper = Find<QListWidget>(dialog, "solutionList2");
        QVERIFY(!copper->isEnabled());
        QCOMPARE(Items(copper), QStringList{"E-23"});
        QCOMPARE(Find<QListWidget>(dialog, "solutionList3")->count(), 0);
        QVERIFY(Find<QListWidget>(dialog, "solutionList3")->isHidden());
        QVERIFY(!Find<QListWidget>(dialog, "solutionList1")->isHidden());
    }

    void specialSolutionNeedsAChoiceThenAppliesIt() {
        test::ScriptedOperator op;
        MeasFileData d = TinOverAlloy();
        const MeasFileData before = d;
        CSpecialSolution dialog(d, op);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ClickOk(dialog);
        QCOMPARE(op.Texts(), std::vector<std::string>{"Not selected."});
        QVERIFY(std::memcmp(&d, &before, sizeof d) == 0);
        auto* tin = Find<QListWidget>(dialog, "solutionList0");
        tin->setCurrentRow(0);
        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(d.coat[0].bSolution), 4);
        QCOMPARE(int(d.coat[0].bSensitivity), 1);
        QCOMPARE(int(d.coat[1].bSolution), 6);
        QCOMPARE(int(d.coat[1].bSensitivity), 4);
        QCOMPARE(int(d.coat[2].bSolution), 3);
    }

    void specialSolutionDoubleClickConfirms() {
        test::ScriptedOperator op;
        MeasFileData d = TinOverAlloy();
        d.coat[0].bCode = kCoatSolder;
        CSpecialSolution dialog(d, op);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* solder = Find<QListWidget>(dialog, "solutionList0");
        QCOMPARE(Items(solder), (QStringList{"E-21  E-26", "E-26  E-26"}));
        const QRect row = solder->visualItemRect(solder->item(1));
        QTest::mouseClick(solder->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(solder->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(d.coat[0].bSolution), 6);
        QCOMPARE(int(d.coat[0].bSensitivity), 4);
    }
};

}  // namespace klv

QTEST_MAIN(klv::CopyDialogsTest)
#include "copy_dialogs_test.moc"
