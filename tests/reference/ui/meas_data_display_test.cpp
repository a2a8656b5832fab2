#include "reference/ui/meas_data_display.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "base/event_sounds.h"
#include "base/fixed_text.h"
#include "base/ui/glyph_label.h"
#include "base/ui/print_page_context.h"
#include "item_dialog_fixture.h"
#include "reference/channel_list_rows.h"
#include "reference/wt_coefficient.h"
#include "support/recording_sound_player.h"

namespace klv {
namespace {

using test::Find;

// Draws each page into an image, as the page print image does.
struct ImagePrinter final : ReportPrinter {
    bool PrintReport(QWidget* dialog, const PageFunction& pageFunction) override {
        image = QImage(800, 1000, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PrintPageContext pc;
        pc.painter = &painter;
        pc.font = QFont(QStringLiteral("DejaVu Sans Mono"));
        pc.font.setPixelSize(14);
        pc.wideFont = MakeWideFont(pc.font);
        PreparePage(pc);
        pc.rect = {0, 0, 800, 1000};
        more = pageFunction(dialog, pc);
        used = pc.rect.bottom;
        ++reports;
        return true;
    }
    void FeedRollPaper() override { ++feeds; }
    QImage image;
    bool more = true;
    int used = 0;
    int reports = 0;
    int feeds = 0;
};

QString Text(QWidget& w, const char* name) {
    return Find<QLabel>(w, name)->text();
}

// "name: text" of every named label, to compare with the expected pairs in one go.
QStringList Shown(QWidget& w, const QStringList& expected) {
    QStringList shown;
    for (const QString& pair : expected) {
        const QString name = pair.section(QStringLiteral(": "), 0, 0);
        shown << name + QStringLiteral(": ") + Find<QLabel>(w, name)->text();
    }
    return shown;
}

QString Extra(QWidget& w) {
    return Find<CGlyphLabel>(w, QStringLiteral("extraItems"))->text();
}

// Channel 1 of the fixture (Sn, Cu, Ni on steel, 7 records) with its texts and dates.
MeasFileData ThreeLayersWithData(test::ItemDialogFixture& f) {
    MeasFileData d = f.Channel(0);
    SetFixedText(d.szCustomer, "Acme");
    SetFixedText(d.szGoods, "Pins");
    SetFixedText(d.szTester, "Kim");
    d.wFirstDate = PackDate(2026, 1, 2);
    d.wLastDate = PackDate(2026, 11, 30);
    d.coat[1].bLayerFlags |= kLayerAutoStopOn;
    d.coat[1].fAutoStop = 12.34f;
    d.coat[2].bPump = 6;
    return d;
}

}  // namespace

class MeasDataDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryTextOfAThreeLayerCondition() {
        test::ItemDialogFixture f;
        const MeasFileData d = ThreeLayersWithData(f);
        CMeasDataDisplay dlg(f.ctx, d, 0, false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Measurement condition"));
        const QStringList expected = {
            QStringLiteral("titleText: 1 : Plating A"),
            QStringLiteral("customerText: Acme"),
            QStringLiteral("goodsText: Pins"),
            QStringLiteral("testerText: Kim"),
            QStringLiteral("lotText: L-77"),
            QStringLiteral("firstDateText: 2026/01/02"),
            QStringLiteral("lastDateText: 2026/11/30"),
            QStringLiteral("coatText1: Sn"),
            QStringLiteral("coatText3: Ni"),
            QStringLiteral("solutionText2: E-21"),
            QStringLiteral("sensitivityText2: Automatic"),
            QStringLiteral("rangeText3: 1/1"),
            QStringLiteral("pumpText3: 6"),
            QStringLiteral("autoStopText1: Null um"),
            QStringLiteral("autoStopText2:   12.3 um"),
            QStringLiteral("baseText: Fe"),
            QStringLiteral("unitText: um"),
            QStringLiteral("gasketText: A"),
            QStringLiteral("calDateText: 2026/03/04"),
            QStringLiteral("calValueText: +1.23%"),
        };
        QCOMPARE(Shown(dlg, expected), expected);
        // 7 records of 3 layers: the channel list's count, rounded up.
        QCOMPARE(Text(dlg, "dataQuantityText"), QStringLiteral("3"));
        QVERIFY(ChannelListCells(0, &d, f.cal)[0].ends_with("Data quantity :3"));
        QVERIFY(Find<QLabel>(dlg, QStringLiteral("firstDateText"))->isEnabled());
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("coatText4")) == nullptr);
        QCOMPARE(Extra(dlg), QStringLiteral("\n"));
    }

    void textFieldsHoldTheLongestTextsWithoutGrowing() {
        test::ItemDialogFixture f;
        MeasFileData empty = f.Channel(0);
        for (char* text :
             {empty.szFileName, empty.szCustomer, empty.szGoods, empty.szLotNo, empty.szTester})
            text[0] = '\0';
        MeasFileData full = empty;
        SetFixedText(full.szFileName, "COPPER UNDERCOAT OF CONNECTOR PINS, LINE 4 NITE");
        SetFixedText(full.szCustomer, "HARBOUR ELECTRONIC COMPONENTS LTD. 2");
        SetFixedText(full.szGoods, "CONNECTOR PIN 0.64 MM SQ");
        SetFixedText(full.szLotNo, "L-2026-12345");
        SetFixedText(full.szTester, "HANNA SCHMID");
        CMeasDataDisplay shortTexts(f.ctx, empty, 49, false);
        CMeasDataDisplay longTexts(f.ctx, full, 49, false);
        shortTexts.show();
        longTexts.show();
        const QStringList fields = {"titleText", "customerText", "goodsText", "lotText",
                                    "testerText"};
        for (const QString& name : fields) {
            QLabel* field = Find<QLabel>(longTexts, name);
            // The longest text fits in the room kept for it, so no field grows with its text.
            QVERIFY2(field->sizeHint().width() <= field->minimumWidth(), qPrintable(name));
            QVERIFY2(field->minimumWidth() == Find<QLabel>(shortTexts, name)->minimumWidth(),
                     qPrintable(name));
        }
        QVERIFY(Find<QLabel>(shortTexts, QStringLiteral("customerText"))->width() >
                Find<QLabel>(shortTexts, QStringLiteral("testerText"))->width() * 2);
    }

    void viewModeOnlyCloses() {
        test::ItemDialogFixture f;
        test::RecordingSoundPlayer player;
        CEventSounds sounds(player);
        MeasFileData d = f.Channel(2);
        CMeasDataDisplay dlg(f.ctx, d, 2, false, &sounds);
        dlg.show();
        QVERIFY(!Find<QPushButton>(dlg, QStringLiteral("okButton"))->isVisible());
        QVERIFY(!Find<QLabel>(dlg, QStringLiteral("deleteNote"))->isVisible());
        QCOMPARE(Find<QPushButton>(dlg, QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("Close"));
        QVERIFY(!Find<QLabel>(dlg, QStringLiteral("firstDateText"))->isEnabled());
        // Without a printer it cannot print.
        QVERIFY(!Find<QPushButton>(dlg, QStringLiteral("printButton"))->isEnabled());
        QCOMPARE(Text(dlg, "calDateText"), QString());  // gasket B is not calibrated
        QVERIFY(player.Calls().empty());
    }

    void printOutPrintsTheConditionBlockOnOnePage() {
        test::ItemDialogFixture f;
        ImagePrinter printer;
        f.ctx.reports = &printer;
        const MeasFileData d = ThreeLayersWithData(f);
        CMeasDataDisplay dlg(f.ctx, d, 0, false);
        dlg.show();
        auto* print = Find<QPushButton>(dlg, QStringLiteral("printButton"));
        QVERIFY(print->isEnabled());
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(printer.reports, 1);
        QCOMPARE(printer.feeds, 1);
        QVERIFY(!printer.more);
        // The title line and the block were drawn, and the page ends below them.
        QVERIFY(printer.used > 10 * 14 && printer.used < 1000);
        int dark = 0;
        for (int y = 0; y < printer.used; ++y)
            for (int x = 0; x < 800; x += 2)
                dark += qGray(printer.image.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(dark > 200);
        QVERIFY(dlg.isVisible());
    }

    void deleteModeWarnsAndConfirmsWithOk() {
        test::ItemDialogFixture f;
        test::RecordingSoundPlayer player;
        CEventSounds sounds(player);
        CMeasDataDisplay dlg(f.ctx, f.Channel(0), 0, true, &sounds);
        dlg.show();
        QCOMPARE(player.Calls(), std::vector<std::string>{"beep"});
        auto* note = Find<QLabel>(dlg, QStringLiteral("deleteNote"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Delete this test condition data"));
        QCOMPARE(note->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(Find<QPushButton>(dlg, QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("Cancel"));
        test::Click(dlg, "okButton");
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        dlg.show();
        QCOMPARE(player.Calls().size(), std::size_t(1));  // one warning per dialog
    }

    void showConditionAnswersTheOperatorsChoice() {
        test::ItemDialogFixture f;
        const MeasFileData d = f.Channel(0);
        test::ModalDriver modal;
        modal.When(QStringLiteral("measDataDisplay"),
                   [](QWidget& dlg) { test::Click(dlg, "cancelButton"); });
        QVERIFY(!ShowCondition(f.ctx, d, 0, true, nullptr));
        modal.When(QStringLiteral("measDataDisplay"),
                   [](QWidget& dlg) { test::Click(dlg, "okButton"); });
        QVERIFY(ShowCondition(f.ctx, d, 0, true, nullptr));
    }

    void extraItemsOfTinAlloyOnAWireStandInAlignedColumns() {
        test::ItemDialogFixture f;
        MeasFileData d = f.Channel(0);
        d.coat[2] = d.coat[1];
        d.coat[1] = LayerCondition{};
        d.coat[1].bCode = kAlloyLayerCode;
        d.coat[1].bRange = 2;
        d.bGasket = kGasketWT;
        d.bWtMode = kWtModeRoundRod;
        d.bWtFlags = kWtLengthLater;
        d.fWtDiameter = 2.0f;
        CMeasDataDisplay dlg(f.ctx, d, 0, false);
        QCOMPARE(Extra(dlg),
                 QStringLiteral("Coefficient of Sn  Coefficient of Cu  Diameter  Length\n"
                                "0.25               0.323              2 mm      "
                                "Input later"));
        QCOMPARE(Text(dlg, "autoStopText1"), QStringLiteral("Null CNT"));
        QCOMPARE(Text(dlg, "coatText2"), QStringLiteral("Alloy layer"));
    }
};

}  // namespace klv

QTEST_MAIN(klv::MeasDataDisplayTest)
#include "meas_data_display_test.moc"
