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

// A dialog keeping its placement in a fresh settings file that remembers `stored`.
struct KeptDialog {
    explicit KeptDialog(const QRect& stored) {
        StorePlacement(ini, stored);
        CDialogPlacement::Keep(dlg, ini, kSection);
    }
    bool Show() {
        dlg.show();
        return QTest::qWaitForWindowExposed(&dlg);
    }

    test::TempDir dir;
    ProfileFile ini{dir.File("KLV570.ini")};
    QDialog dlg;
};

const QRect kStored(40, 30, 300, 200);

}  // namespace

class DialogPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstShowTakesTheStoredPlaceAndDoneStoresTheNewOne() {
        KeptDialog k(kStored);
        QVERIFY(k.Show());
        QCOMPARE(k.dlg.geometry(), kStored);
        k.dlg.setGeometry(60, 50, 320, 240);
        k.dlg.accept();
        QCOMPARE(StoredPlacement(k.ini), QRect(60, 50, 320, 240));
    }

    void aLaterShowKeepsWhereTheOperatorPutIt() {
        KeptDialog k(kStored);
        QVERIFY(k.Show());
        k.dlg.resize(350, 260);
        k.dlg.hide();
        QVERIFY(k.Show());
        QCOMPARE(k.dlg.size(), QSize(350, 260));
        k.dlg.reject();
        QCOMPARE(StoredPlacement(k.ini).size(), QSize(350, 260));
    }

    void aDialogThatNeverShowedLeavesTheStoredPlaceAlone() {
        KeptDialog k(kStored);
        k.dlg.resize(500, 400);
        k.dlg.done(QDialog::Accepted);
        QCOMPARE(StoredPlacement(k.ini), kStored);
        test::TempDir dir;
        ProfileFile empty(dir.File("KLV570.ini"));
        QDialog dlg;
        CDialogPlacement::Keep(dlg, empty, kSection);
        dlg.reject();
        QVERIFY(!empty.HasProfileKey(kSection, ini::kWinLeft));
    }
};

}  // namespace klv

QTEST_MAIN(klv::DialogPlacementTest)
#include "dialog_placement_test.moc"
