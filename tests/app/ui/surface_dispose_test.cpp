#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "app/ui/surface_dispose_dialog.h"
#include "support/ui/widget_find.h"

namespace klv {

class SurfaceDisposeTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheCoatingsWithATextInDisplayOrder();
    void aLongerTextMakesTheDialogTallerNeverWiderThanHalfTheScreen();
};

void SurfaceDisposeTest::listsTheCoatingsWithATextInDisplayOrder() {
    const std::vector<SurfaceTreatmentEntry> entries = SurfaceTreatmentEntries();
    QCOMPARE(entries.size(), std::size_t{19});
    QCOMPARE(entries.front().caption, std::string("Cr     Chrome"));
    QCOMPARE(entries[2].caption, std::string("Ni     Nickel"));
    QCOMPARE(entries[14].caption, std::string("SO     Solder"));
    for (const SurfaceTreatmentEntry& e : entries)
        QVERIFY(e.coatingCode != 20);  // the free-name coating has no text

    CSurfaceDispose unlisted(20);
    QCOMPARE(test::Find<QComboBox>(unlisted, QStringLiteral("ctl1400"))->currentIndex(), 0);
    CSurfaceDispose copper(5);
    auto* combo = test::Find<QComboBox>(copper, QStringLiteral("ctl1400"));
    QCOMPARE(combo->currentData().toInt(), 5);
    QVERIFY(test::Find<QLabel>(copper, QStringLiteral("ctl1402"))
                ->text()
                .startsWith(QStringLiteral("Firs polish several times")));
}

void SurfaceDisposeTest::aLongerTextMakesTheDialogTallerNeverWiderThanHalfTheScreen() {
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    CSurfaceDispose dialog(1, &owner);  // one short sentence
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize shortText = dialog.size();
    QVERIFY(owner.geometry().contains(dialog.geometry().center()));

    auto* combo = test::Find<QComboBox>(dialog, QStringLiteral("ctl1400"));
    test::Choose(combo, combo->findData(5));  // two long sentences
    QTRY_VERIFY(dialog.size().height() > shortText.height());
    const int halfScreen = dialog.screen()->availableGeometry().width() / 2;
    const int frame = dialog.frameGeometry().width() - dialog.width();
    QVERIFY2(dialog.frameGeometry().width() <= halfScreen + frame + 40,
             qPrintable(QString::number(dialog.frameGeometry().width())));
    QVERIFY(dialog.screen()->availableGeometry().contains(dialog.frameGeometry()));
}

}  // namespace klv

QTEST_MAIN(klv::SurfaceDisposeTest)
#include "surface_dispose_test.moc"
