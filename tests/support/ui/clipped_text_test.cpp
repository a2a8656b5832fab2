#include "support/ui/clipped_text.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "base/ui/fitted_glyph_text.h"

namespace klv::test {

namespace {

// Draws its name fitted into its width, as the program's own painted cells do.
class FittedCell : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        DrawFittedGlyphText(p, objectName(), rect(), 0);
    }
};

template <typename T>
T* Place(QWidget& window, T* w, const char* name, int width) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(0, window.findChildren<QWidget*>().size() * 40, width, 30);
    return w;
}

}  // namespace

class ClippedTextTest : public QObject {
    Q_OBJECT

private slots:
    void namesEachTextTooWideForItsRoom();
};

void ClippedTextTest::namesEachTextTooWideForItsRoom() {
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.resize(600, 400);
    const QString longText = QStringLiteral("Calibration date and value");
    for (int width : {20, 400}) {
        const QByteArray suffix = width == 20 ? "Narrow" : "Wide";
        Place(window, new QLabel(longText, &window), "label" + suffix, width);
        Place(window, new QPushButton(longText, &window), "button" + suffix, width);
        Place(window, new QCheckBox(longText, &window), "check" + suffix, width);
        Place(window, new FittedCell(&window), "painted" + suffix + "Text", width);
    }
    auto* tree = Place(window, new QTreeWidget(&window), "tree", 400);
    tree->setGeometry(0, 330, 400, 60);
    tree->setHeaderLabels({longText, QStringLiteral("B")});
    tree->header()->setStretchLastSection(false);
    tree->setColumnWidth(0, 60);
    tree->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("A"), longText}));
    tree->setColumnWidth(1, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QString found = ClippedTexts(window).join('\n');
    for (const char* name :
         {"labelNarrow:", "buttonNarrow:", "checkNarrow:", "paintedNarrowText: paintedNarrowText"})
        QVERIFY2(found.contains(QLatin1String(name)), qPrintable(name + ("\n" + found)));
    QVERIFY2(found.contains("tree/QHeaderView: " + longText), qPrintable(found));
    QVERIFY2(found.contains("tree/QWidget: " + longText), qPrintable(found));
    QVERIFY2(!found.contains(QLatin1String("Wide")), qPrintable(found));
    QVERIFY2(!found.contains(QLatin1String(": A ")), qPrintable(found));
}

}  // namespace klv::test

QTEST_MAIN(klv::test::ClippedTextTest)
#include "clipped_text_test.moc"
