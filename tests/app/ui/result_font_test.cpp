#include "app/ui/result_font.h"

#include <QFontDialog>
#include <QtTest>

#include "app/ui/result_font_dialog.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"

namespace klv {

namespace {

const char* const kKeys[] = {"FontSize", "Italic", "Weight", "UnderLine", "StrikeOut",
                             "CharSet",  "Family", "Face",   "FontColor"};

QStringList StoredKeys(const ProfileFile& ini) {
    QStringList values;
    for (const char* key : kKeys)
        values << QString::fromStdString(ini.GetProfileString("Measurement", key, "(none)"));
    return values;
}

// Answers the next chooser with `answer` once it is up.
void AnswerChooser(test::ModalDriver& modal,
                   const std::function<void(CResultFontDialog&)>& answer) {
    modal.When(QStringLiteral("CResultFontDialog"),
               [answer](QWidget& w) { answer(static_cast<CResultFontDialog&>(w)); });
}

}  // namespace

class ResultFontTest : public QObject {
    Q_OBJECT

private slots:
    void defaultIsTwentyPointsOfTheDialogFontInBlack();
    void everyKeyComesBackAsItWasStored();
    void sizesOutsideEightToFortyFourAreClamped();
    void chooserTakesFontAndColourOnOkOnly();
};

void ResultFontTest::defaultIsTwentyPointsOfTheDialogFontInBlack() {
    test::TempDir dir;
    const ResultFont f = LoadResultFont(ProfileFile(dir.File("KLV570.ini")));
    QCOMPARE(f.font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(f.font.pixelSize(), (20 * ScreenPixelsPerInch() + 36) / 72);
    QCOMPARE(FontPointSize(f.font), 20);
    QCOMPARE(f.color, QColor(Qt::black));
    QCOMPARE(f.font.weight(), QFont::Normal);
    QVERIFY(!f.font.italic());
    // Fixed pitch, roman family, as the dialog font.
    QCOMPARE(f.pitchAndFamily, 0x11);
    QCOMPARE(f.charSet, 0);
}

void ResultFontTest::everyKeyComesBackAsItWasStored() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    const QStringList stored = {"14", "1", "700", "1", "1", "128", "34", "DejaVu Sans", "3368601"};
    for (int i = 0; i < stored.size(); ++i)
        ini.WriteProfileString("Measurement", kKeys[i], stored[i].toStdString());
    const ResultFont f = LoadResultFont(ini);
    QCOMPARE(f.font.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(f.font.italic() && f.font.underline() && f.font.strikeOut());
    QCOMPARE(f.font.weight(), QFont::Bold);
    QCOMPARE(f.font.styleHint(), QFont::SansSerif);
    // COLORREF 0x00336699: red 0x99, green 0x66, blue 0x33.
    QCOMPARE(f.color, QColor(0x99, 0x66, 0x33));

    ProfileFile copy(dir.File("copy.ini"));
    QVERIFY(SaveResultFont(copy, f));
    QCOMPARE(StoredKeys(copy), stored);
}

void ResultFontTest::sizesOutsideEightToFortyFourAreClamped() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    const int cases[][2] = {{100, 44}, {44, 44}, {8, 8}, {3, 8}, {0, 20}, {-5, 20}};
    for (const auto& c : cases) {
        ini.WriteProfileInt("Measurement", "FontSize", c[0]);
        QCOMPARE(FontPointSize(LoadResultFont(ini).font), c[1]);
    }
    ini.WriteProfileString("Measurement", "Face", std::string(40, 'F'));
    QCOMPARE(LoadResultFont(ini).font.family(), QString(31, QLatin1Char('F')));
}

void ResultFontTest::chooserTakesFontAndColourOnOkOnly() {
    ResultFont f = DefaultResultFont();
    test::ModalDriver modal;
    AnswerChooser(modal, [](CResultFontDialog& dialog) {
        QFont big(QStringLiteral("DejaVu Sans"));
        big.setPointSize(60);
        big.setItalic(true);
        dialog.FontPicker()->setCurrentFont(big);
        dialog.SetColor(Qt::blue);
        dialog.accept();
    });
    QVERIFY(ChooseResultFont(nullptr, f));
    QCOMPARE(f.font.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(f.font.italic());
    QCOMPARE(FontPointSize(f.font), 44);
    QVERIFY(f.font.pixelSize() > 0);
    QCOMPARE(f.color, QColor(Qt::blue));

    const ResultFont before = f;
    AnswerChooser(modal, [](CResultFontDialog& dialog) {
        dialog.SetColor(Qt::red);
        dialog.reject();
    });
    QVERIFY(!ChooseResultFont(nullptr, f));
    QCOMPARE(f.color, before.color);
    QCOMPARE(f.font, before.font);
}

}  // namespace klv

QTEST_MAIN(klv::ResultFontTest)
#include "result_font_test.moc"
