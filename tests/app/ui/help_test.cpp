#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "app/command_ids.h"
#include "app/ui/help_window.h"
#include "app/ui/main_window_harness.h"
#include "support/temp_dir.h"

namespace klv {

namespace {

// The chapter titles of the guide's source, "# " lines.
QStringList Chapters() {
    QFile file(QStringLiteral(KLV_GUIDE_MD));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    return lines.filter(QRegularExpression(QStringLiteral("^# ")))
        .replaceInStrings(QRegularExpression(QStringLiteral("^# ")), QString());
}

// A desktop of stand-in xdg-mime and xdg-open on PATH: xdg-mime names `viewer` as the PDF
// application (nothing when empty, no xdg-mime at all when null), xdg-open writes what it was
// asked to open into "opened". Only shell builtins: PATH holds nothing else.
struct Desktop {
    test::TempDir dir;
    QByteArray oldPath = qgetenv("PATH");

    explicit Desktop(const char* viewer) {
        if (viewer != nullptr)
            Script("xdg-mime", std::string("echo ") + viewer);
        Script("xdg-open", "printf '%s' \"$1\" > " + dir.File("opened"));
        qputenv("PATH", QByteArray::fromStdString(dir.Path()));
    }
    ~Desktop() { qputenv("PATH", oldPath); }
    void Script(const std::string& name, const std::string& body) {
        test::WriteTestFile(dir.File(name), "#!/bin/sh\n" + body + "\n");
        ::chmod(dir.File(name).c_str(), 0755);
    }
    QString Opened() const {
        return QString::fromStdString(test::ReadTestFile(dir.File("opened")));
    }
    bool HasOpened() const { return QFile::exists(QString::fromStdString(dir.File("opened"))); }
};

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void theGuideOpensInTheDesktopsPdfViewer();
    void noViewerOrNoGuideFileStartsNothing_data();
    void noViewerOrNoGuideFileStartsNothing();
    void helpShowsEveryChapterInOneWindowWhereNoViewerOpensIt();
};

void HelpTest::theGuideOpensInTheDesktopsPdfViewer() {
    Desktop desktop("klv-viewer.desktop");
    QVERIFY(OpenPdfInViewer(QStringLiteral(KLV_GUIDE_PDF)));
    QTRY_VERIFY(desktop.HasOpened());
    QCOMPARE(desktop.Opened(), QStringLiteral(KLV_GUIDE_PDF));
}

void HelpTest::noViewerOrNoGuideFileStartsNothing_data() {
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<QString>("viewer");
    const QString guide = QStringLiteral(KLV_GUIDE_PDF);
    QTest::newRow("no application for PDF") << guide << QString();
    QTest::newRow("no xdg-mime") << guide << QStringLiteral("-");
    QTest::newRow("no guide file")
        << guide + QStringLiteral(".missing") << QStringLiteral("klv-viewer.desktop");
}

void HelpTest::noViewerOrNoGuideFileStartsNothing() {
    QFETCH(QString, pdf);
    QFETCH(QString, viewer);
    const QByteArray name = viewer.toUtf8();
    Desktop desktop(viewer == QStringLiteral("-") ? nullptr : name.constData());
    QVERIFY(!OpenPdfInViewer(pdf));
    QTest::qWait(100);
    QVERIFY(!desktop.HasOpened());
}

void HelpTest::helpShowsEveryChapterInOneWindowWhereNoViewerOpensIt() {
    const QStringList chapters = Chapters();
    QVERIFY(chapters.size() >= 10);
    Desktop desktop("");
    test::ProgramUnderTest p;
    QVERIFY(p.RunMainWindow([&](CKLV570Dlg& w) {
        auto* help = w.findChild<QAction*>(QStringLiteral("cmd%1").arg(cmd::kHelp));
        QVERIFY(help != nullptr && help->isEnabled());
        help->trigger();
        help->trigger();
        const QList<CHelpWindow*> windows = w.findChildren<CHelpWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        const QString text = windows.front()->Text();
        for (const QString& chapter : chapters)
            QVERIFY2(text.contains(chapter), qPrintable(chapter));
        QVERIFY(!desktop.HasOpened());
    }));
}

}  // namespace klv

QTEST_MAIN(klv::HelpTest)
#include "help_test.moc"
