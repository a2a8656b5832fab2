#include "base/ui/dialog_placement.h"

#include <QDialog>
#include <QTest>

#include "base/window_keys.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

constexpr const char* kSection = "SomeList";

void StorePlacement(ProfileFile& ini, const QRect& r) {
    ini.WriteProfileInt(kSection, ini::kWinLeft, r.x());
    ini.WriteProfileInt(kSection, ini::kWinTop, r.y());
    ini.WriteProfileInt(kSection, ini::kWinWidth, r.width());
    ini.WriteProfileInt(kSection, ini::kWinHeight, r.height());
}

QRect StoredPlacement(const ProfileFile& ini) {
    return {ini.GetProfileInt(kSection, ini::kWinLeft, -1),
            ini.GetProfileInt(kSection, ini::kWinTop, -1),
            ini.GetProfileInt(kSection, ini::kWinWidth, -1),
            ini.GetProfileInt(kSection, ini::kWinHeight, -1)};
}

}  // namespace

class DialogPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstShowTakesTheStoredPlaceAndDoneStoresTheNewOne() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        StorePlacement(ini, QRect(40, 30, 300, 200));
        QDialog dlg;
        CDialogPlacement::Keep(dlg, ini, kSection);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.geometry(), QRect(40, 30, 300, 200));
        dlg.setGeometry(60, 50, 320, 240);
        dlg.accept();
        QCOMPARE(StoredPlacement(ini), QRect(60, 50, 320, 240));
    }

    void aLaterShowKeepsWhereTheOperatorPutIt() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        StorePlacement(ini, QRect(40, 30, 300, 200));
        QDialog dlg;
        CDialogPlacement::Keep(dlg, ini, kSection);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.resize(350, 260);
        dlg.hide();
        dlg.show();
        QCOMPARE(dlg.size(), QSize(350, 260));
        dlg.reject();
        QCOMPARE(StoredPlacement(ini).size(), QSize(350, 260));
    }

    void aDialogThatNeverShowedLeavesTheStoredPlaceAlone() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        {
            QDialog dlg;
            CDialogPlacement::Keep(dlg, ini, kSection);
            dlg.reject();
        }
        QVERIFY(!ini.HasProfileKey(kSection, ini::kWinLeft));
        StorePlacement(ini, QRect(40, 30, 300, 200));
        QDialog dlg;
        CDialogPlacement::Keep(dlg, ini, kSection);
        dlg.resize(500, 400);
        dlg.done(QDialog::Accepted);
        QCOMPARE(StoredPlacement(ini), QRect(40, 30, 300, 200));
    }
};

}  // namespace klv

QTEST_MAIN(klv::DialogPlacementTest)
#include "dialog_placement_test.moc"
