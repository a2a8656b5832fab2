#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "base/glyph_text.h"
#include "base/ui/draw_glyph_text.h"
#include "base/ui/glyph_cells.h"
#include "base/ui/hand_list_box.h"
#include "base/ui/list_item_colors.h"
#include "base/ui/subclass_list_box.h"
#include "base/ui/subclass_list_ctrl.h"
#include "base/ui/subclass_tab_ctrl.h"
#include "base/ui/tool_button.h"
#include "base/ui/ui_resources.h"
#include "support/recording_sound_player.h"

namespace klv {
namespace {

// A font whose cell height is exactly `height` pixels, if the system has one.
std::optional<QFont> FontOfHeight(int height) {
    for (int px = 4; px < 2 * height; ++px) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(px);
        if (QFontMetrics(f).height() == height)
            return f;
    }
    return std::nullopt;
}

QImage Canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

QImage DrawnWithGlyphs(const QFont& font, const QString& text, int w, int h) {
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    DrawGlyphText(p, text, QRect(0, 0, w, h), 0);
    return img;
}

void TreeRows(QTreeWidget& list, int count) {
    list.setColumnCount(2);
    for (int i = 0; i < count; ++i)
        list.addTopLevelItem(new QTreeWidgetItem({QStringLiteral("row %1").arg(i), "x"}));
}

// Three rows, shown.
bool ShowThreeRows(QTreeWidget& list) {
    TreeRows(list, 3);
    list.resize(200, 150);
    list.show();
    return QTest::qWaitForWindowExposed(&list);
}

// A list box with the given rows, 180 pixels wide at x in the host.
template <typename Box>
Box* AddListBox(QWidget& host, int x, const QStringList& rows) {
    auto* box = new Box(&host);
    box->setGeometry(x, 0, 180, 100);
    box->addItems(rows);
    return box;
}

QPoint RowCentre(QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void glyphEscapeIsDrawnFromTheStripOfTheFontHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cell");
        QTest::newRow("16 px: strip 182 unscaled") << 16 << 16;
        QTest::newRow("48 px: 24-pixel strip twice") << 48 << 48;
    }
    void glyphEscapeIsDrawnFromTheStripOfTheFontHeight() {
        QFETCH(int, height);
        QFETCH(int, cell);
        auto font = FontOfHeight(height);
        if (!font)
            QSKIP("no font of that height");
        QImage drawn = DrawnWithGlyphs(*font, QStringLiteral("%0"), 100, 100);
        QImage expected = Canvas(100, 100);
        QPainter(&expected).drawImage(0, 0, GlyphCellImage(kGlyphSuperscriptTwo, cell, Qt::black));
        QCOMPARE(drawn, expected);
        QCOMPARE(GlyphTextExtent(QFontMetrics(*font), QStringLiteral("g/m%0")),
                 QFontMetrics(*font).horizontalAdvance(QStringLiteral("g/m%0")) -
                     2 * QFontMetrics(*font).horizontalAdvance(QLatin1Char('X')) + cell);
    }

    void glyphCellsHaveInkOnATransparentGround() {
        for (int g = 0; g < kGlyphCount; ++g) {
            QImage cell = GlyphCellImage(g, 24, Qt::red);
            int ink = 0;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x)
                    ink += qAlpha(cell.pixel(x, y)) > 128 ? 1 : 0;
            QVERIFY2(ink > 4 && ink < 24 * 24 / 2, qPrintable(QString::number(g)));
            QCOMPARE(qAlpha(cell.pixel(0, 23)), 0);
        }
        QCOMPARE(GlyphCellImage(9, 24, Qt::black).pixel(12, 12), qRgba(0, 0, 0, 0));
        // Superscripts stand against the unit before them ("mm²"), with no gap.
        for (int g : {kGlyphSuperscriptTwo, kGlyphSuperscriptTwo + 1}) {
            const QImage cell = GlyphCellImage(g, 24, Qt::black);
            int left = 24;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < left; ++x)
                    if (qAlpha(cell.pixel(x, y)) > 128)
                        left = x;
            QVERIFY2(left <= 3, qPrintable(QString("glyph %1 starts at %2").arg(g).arg(left)));
        }
    }

    void percentWithoutAnEscapeCharacterIsDrawnUnchanged() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        for (const QString& text : {QStringLiteral("+1.23%"), QStringLiteral("50%x")}) {
            QImage plain = Canvas(120, 40);
            {
                QPainter p(&plain);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(0, QFontMetrics(font).ascent(), text);
            }
            QCOMPARE(DrawnWithGlyphs(font, text, 120, 40), plain);
        }
    }

    void disabledListDrawsEveryRowOnButtonFace() {
        CSubclassListCtrl list(true);
        TreeRows(list, 3);
        list.setCurrentItem(list.topLevelItem(1));
        list.resize(200, 150);
        list.setEnabled(false);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QImage shot = list.viewport()->grab().toImage();
        QColor face = list.palette().color(QPalette::Active, QPalette::Button);
        for (int row = 0; row < 3; ++row) {
            QRect r = list.visualRect(list.model()->index(row, 1));
            QCOMPARE(QColor(shot.pixel(r.right() - 2, r.top() + 1)), face);
        }
        QCOMPARE(QColor(shot.pixel(5, shot.height() - 3)), face);
        ListItemColors c = GetListItemColors(list, true, true, false);
        QCOMPARE(c.background, face);
    }

    void listBoxUnderlinesTheHotRowOnlyAmongSeveral() {
        QWidget host;
        host.resize(400, 120);
        auto* two = AddListBox<CSubclassListBox>(host, 0, {"one", "two"});
        auto* one = AddListBox<CSubclassListBox>(host, 200, {"only"});
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        auto underlined = [](CSubclassListBox& box, int row) {
            QImage shot = box.viewport()->grab().toImage();
            QRect r = box.visualRect(box.model()->index(row, 0));
            return shot.pixel(r.right() - 1, r.bottom() - 3) == QColor(0, 0, 255).rgb();
        };
        QTest::mouseMove(two->viewport(), RowCentre(*two, 0) + QPoint(4, 0));
        QTest::mouseMove(two->viewport(), RowCentre(*two, 0));
        QTRY_COMPARE(two->HotRow(), 0);
        QVERIFY(underlined(*two, 0));
        QVERIFY(!underlined(*two, 1));
        QTest::mouseMove(one->viewport(), RowCentre(*one, 0) + QPoint(4, 0));
        QTest::mouseMove(one->viewport(), RowCentre(*one, 0));
        QTRY_COMPARE(one->HotRow(), 0);
        QVERIFY(!underlined(*one, 0));
    }

    void selectedRowColoursFollowFocusAndHot() {
        CSubclassListCtrl list(true);
        const QPalette& pal = list.palette();
        ListItemColors notFocused = GetListItemColors(list, true, false, false);
        QCOMPARE(notFocused.background, pal.color(QPalette::Active, QPalette::Base));
        QCOMPARE(GetListItemColors(list, true, false, true).background,
                 pal.color(QPalette::Active, QPalette::Button));
        QCOMPARE(GetListItemColors(list, false, true, false).text, QColor(0, 0, 255));
    }

    void toggleReleasedOutsideKeepsItsState() {
        QWidget host;
        host.resize(300, 100);
        CToolButton button(QStringLiteral("Potential graph"), kToolButtonToggle, QColor(0, 0, 128),
                           &host);
        button.setGeometry(10, 10, 120, 30);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 15));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 15));
        QVERIFY(!button.IsToggled());
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 15));
        QVERIFY(button.IsToggled());
        QCOMPARE(clicks.count(), 1);
        button.SetToggled(false);
        QVERIFY(!button.IsToggled());
    }

    void toolButtonHoverFollowsTheMouse() {
        QWidget host;
        host.resize(400, 60);
        CToolButton plain(QStringLiteral("Measurement(F2)"), 0, QColor(0, 0, 128), &host);
        plain.setGeometry(0, 0, 130, 30);
        CToolButton toggled(QStringLiteral("Potential graph"), kToolButtonToggle, QColor(0, 0, 128),
                            &host);
        toggled.setGeometry(135, 0, 130, 30);
        toggled.SetToggled(true);
        CToolButton disabled(QStringLiteral("Stop(F3)"), 0, QColor(0, 0, 128), &host);
        disabled.setGeometry(270, 0, 130, 30);
        disabled.setEnabled(false);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseMove(&plain, QPoint(10, 10));
        QTest::mouseMove(&plain, QPoint(20, 12));
        QTRY_VERIFY(plain.IsHover());
        QTest::mousePress(&plain, Qt::LeftButton, {}, QPoint(20, 12));
        QVERIFY(plain.IsPressed());
        // Pushed: shadow at top and left, highlight at bottom and right.
        const QPalette& pal = plain.palette();
        QImage pushed = plain.grab().toImage();
        QCOMPARE(pushed.pixel(0, 0), pal.color(QPalette::Dark).rgb());
        QCOMPARE(pushed.pixel(129, 29), pal.color(QPalette::Light).rgb());
        QString dir = qEnvironmentVariable("KLV_LOOK_SHOTS");
        if (!dir.isEmpty())
            QVERIFY(host.grab().save(dir + "/tool_buttons.png"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&plain, &leave);
        QVERIFY(!plain.IsHover());
        QVERIFY(!plain.IsPressed());
        QTest::mouseRelease(&plain, Qt::LeftButton, {}, QPoint(20, 12));
        QImage raised = plain.grab().toImage();
        QCOMPARE(raised.pixel(0, 0), pal.color(QPalette::Light).rgb());
        QCOMPARE(raised.pixel(129, 29), pal.color(QPalette::Dark).rgb());
        QImage on = toggled.grab().toImage();
        QCOMPARE(on.pixel(0, 0), pal.color(QPalette::Dark).rgb());
    }

    void reportListShowsNoToolTips() {
        CSubclassListCtrl list(true);
        QVERIFY(ShowThreeRows(list));
        list.topLevelItem(0)->setToolTip(0, QStringLiteral("tip"));
        QPoint at = RowCentre(list, 0);
        QHelpEvent tip(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &tip);
        QVERIFY(!QToolTip::isVisible());
    }

    void toolButtonWorksByMouseOnly() {
        CToolButton button(QStringLiteral("Measurement(F2)"), 0, QColor(0, 0, 128));
        button.resize(120, 30);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        QTest::keyClick(&button, Qt::Key_Space);
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!button.IsToggled());
    }

    void tabChangeRefusedByTheOwnerOnlyBeeps() {
        test::RecordingSoundPlayer player;
        CSubclassTabCtrl tabs(player);
        tabs.addTab(QStringLiteral("General"));
        tabs.addTab(QStringLiteral("Measurement data"));
        std::vector<int> asked;
        bool allow = false;
        tabs.SetChangeGuard([&](int index) {
            asked.push_back(index);
            return allow;
        });
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(player.Calls(), std::vector<std::string>{"beep"});
        allow = true;
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(tabs.currentIndex(), 1);
        QCOMPARE(asked, (std::vector<int>{1, 1}));
        QCOMPARE(player.Calls(), std::vector<std::string>{"beep"});  // allowed: no second beep
    }

    void arrowKeysAndTheWheelAskTheOwnerToo() {
        test::RecordingSoundPlayer player;
        CSubclassTabCtrl tabs(player);
        for (const char* name : {"General", "Measurement data", "Histogram"})
            tabs.addTab(QString::fromLatin1(name));
        std::vector<int> asked;
        bool allow = false;
        tabs.SetChangeGuard([&](int index) {
            asked.push_back(index);
            return allow;
        });
        QSignalSpy changes(&tabs, &QTabBar::currentChanged);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(tabs.tabRect(0).center()),
                              tabs.mapToGlobal(QPointF(tabs.tabRect(0).center())), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(&tabs, &event);
        };
        QTest::keyClick(&tabs, Qt::Key_Right);
        wheel(-120);
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(asked, (std::vector<int>{1, 1}));
        QCOMPARE(player.Calls(), (std::vector<std::string>{"beep", "beep"}));
        QCOMPARE(changes.count(), 0);
        allow = true;
        QTest::keyClick(&tabs, Qt::Key_Right);
        QCOMPARE(tabs.currentIndex(), 1);
        wheel(-120);
        QCOMPARE(tabs.currentIndex(), 2);
        QTest::keyClick(&tabs, Qt::Key_Left);
        QCOMPARE(tabs.currentIndex(), 1);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(asked, (std::vector<int>{1, 1, 1, 2, 1}));
    }

    void oneClickListActivatesOnASingleClickAndTracksTheHotRow() {
        CSubclassListCtrl list(true);
        QVERIFY(ShowThreeRows(list));
        QSignalSpy activated(&list, &CSubclassListCtrl::rowActivated);
        QTest::mouseMove(list.viewport(), RowCentre(list, 2));
        QTRY_COMPARE(list.HotRow(), 2);
        QCOMPARE(list.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 2);
    }

    void doubleClickListSelectsOnOneClickAndActivatesOnTwo() {
        CSubclassListCtrl list(false);
        QVERIFY(ShowThreeRows(list));
        QSignalSpy activated(&list, &CSubclassListCtrl::rowActivated);
        QTest::mouseMove(list.viewport(), RowCentre(list, 1));
        QCOMPARE(list.HotRow(), -1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(activated.count(), 0);
        QCOMPARE(list.currentIndex().row(), 1);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QCOMPARE(activated.count(), 1);
        // QTest leaves the button down after a double click.
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(activated.count(), 2);
    }

    void listBoxesShowTheHandOverRows() {
        QWidget host;
        host.resize(400, 120);
        auto* box = AddListBox<CSubclassListBox>(host, 0, {"one", "two"});
        auto* hand = AddListBox<CHandListBox>(host, 200, {"only"});
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseMove(box->viewport(), RowCentre(*box, 0) + QPoint(3, 0));
        QTest::mouseMove(box->viewport(), RowCentre(*box, 1));
        QTRY_COMPARE(box->HotRow(), 1);
        QCOMPARE(box->viewport()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(hand->viewport(), QPoint(5, 5));
        QTRY_COMPARE(hand->viewport()->cursor().shape(), Qt::PointingHandCursor);
    }

    void dialogUnitsFollowTheAverageCharacterWidth() {
        QFont font = DialogFont();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QVERIFY(font.fixedPitch());
        QVERIFY(CommonRowHeight() > 0);
        int quarter = DialogUnitsToPixels(4, font);
        QVERIFY(quarter > 2 && quarter < 30);
        QVERIFY(qAbs(DialogUnitsToPixels(244, font) - 61 * quarter) <= 1);
    }
};

}  // namespace klv

QTEST_MAIN(klv::LookTest)
#include "look_test.moc"
