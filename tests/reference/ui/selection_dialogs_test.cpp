#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include "base/profile.h"
#include "base/ui/subclass_list_ctrl.h"
#include "reference/ui/coat_base_name.h"
#include "reference/ui/coat_base_select.h"
#include "reference/ui/solution_select.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {
namespace {

QList<QPushButton*> ChoiceButtons(QWidget& dialog) {
    QList<QPushButton*> buttons;
    for (int i = 0;; ++i) {
        auto* b = dialog.findChild<QPushButton*>(QStringLiteral("coatBaseButton%1").arg(i));
        if (!b)
            return buttons;
        buttons << b;
    }
}

QStringList Texts(const QList<QPushButton*>& buttons) {
    QStringList texts;
    for (QPushButton* b : buttons)
        texts << b->text();
    return texts;
}

void TypeAndConfirm(QWidget& dialog, const QString& text) {
    test::Find<QLineEdit>(dialog, QStringLiteral("nameEdit"))->setText(text);
    test::Find<QPushButton>(dialog, QStringLiteral("okButton"))->click();
}

QString ListCell(CSolutionSelect& s, int row, int column) {
    return s.List().topLevelItem(row)->text(column);
}

}  // namespace

class SelectionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void coatingsThreeToARowInDisplayOrder() {
        test::ScriptedOperator op;
        CCoatBaseSelect dialog(CoatBaseKind::Coating, "", true, true, op, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set a Coating"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto buttons = ChoiceButtons(dialog);
        QCOMPARE(buttons.size(), 20);
        QCOMPARE(buttons[0]->text(), QStringLiteral("Cr Chrome"));
        QCOMPARE(buttons[18]->text(), QStringLiteral("Au Gold"));
        QCOMPARE(buttons[19]->text(), QStringLiteral("Input a Free name "));
        QCOMPARE(buttons[1]->y(), buttons[0]->y());
        QCOMPARE(buttons[2]->y(), buttons[0]->y());
        QVERIFY(buttons[3]->y() > buttons[0]->y());
        QCOMPARE(buttons[3]->x(), buttons[0]->x());
        // Sized to fit: every button lies inside the dialog.
        for (QPushButton* b : buttons)
            QVERIFY(dialog.rect().contains(b->geometry()));
    }

    void basesHaveNoDeleteButton() {
        test::ScriptedOperator op;
        CCoatBaseSelect dialog(CoatBaseKind::Base, "", false, false, op, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set a Base"));
        auto buttons = ChoiceButtons(dialog);
        QCOMPARE(buttons.size(), 26);
        QCOMPARE(Texts(buttons).mid(0, 3),
                 (QStringList{"Fe Steel", "PL Non-metal", "Al Aluminuim"}));
        QCOMPARE(buttons[25]->text(), QStringLiteral("Input a Free name "));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("deleteButton")));
    }

    void aButtonReturnsItsCodeAndShortName() {
        test::ScriptedOperator op;
        CCoatBaseSelect dialog(CoatBaseKind::Base, "", false, false, op, nullptr);
        ChoiceButtons(dialog)[1]->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Choice().code, 34);
        QCOMPARE(QString::fromStdString(dialog.Choice().name), QStringLiteral("PL"));
        QVERIFY(!dialog.Choice().deleteLayer);
    }

    void deleteFollowsTheLayer() {
        test::ScriptedOperator op;
        CCoatBaseSelect empty(CoatBaseKind::Coating, "", true, false, op, nullptr);
        QVERIFY(!empty.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isEnabled());
        CCoatBaseSelect used(CoatBaseKind::Coating, "", true, true, op, nullptr);
        auto* del = used.findChild<QPushButton*>(QStringLiteral("deleteButton"));
        QVERIFY(del->isEnabled());
        del->click();
        QCOMPARE(used.result(), int(QDialog::Accepted));
        QVERIFY(used.Choice().deleteLayer);
    }

    void placedAtTheLowerLeftOfTheBoxAndKeptOnScreen() {
        test::ScriptedOperator op;
        QWidget window;
        auto* box = new QLabel(QStringLiteral("Cu"), &window);
        box->setGeometry(30, 40, 80, 20);
        window.resize(300, 200);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CCoatBaseSelect dialog(CoatBaseKind::Coating, "", true, true, op, box, &window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.frameGeometry().topLeft(), box->mapToGlobal(QPoint(0, box->height())));

        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.right() - 150, screen.bottom() - 100);
        CCoatBaseSelect edge(CoatBaseKind::Coating, "", true, true, op, box, &window);
        edge.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edge));
        QVERIFY(screen.contains(edge.frameGeometry()));
    }

    void freeNameRefusesStandardSymbolAndBlankNames() {
        test::ScriptedOperator op;
        CCoatBaseSelect dialog(CoatBaseKind::Coating, "Old", true, true, op, nullptr);
        QString title;
        QString prefilled;
        QString selectedAfterRefusal;
        bool stayedOpen = false;
        test::ModalDriver modal;
        modal.When(QStringLiteral("coatBaseName"), [&](QWidget& name) {
            title = name.windowTitle();
            auto* edit = test::Find<QLineEdit>(name, QStringLiteral("nameEdit"));
            prefilled = edit->text();
            TypeAndConfirm(name, QStringLiteral("Cu"));
            selectedAfterRefusal = edit->selectedText();
            TypeAndConfirm(name, QStringLiteral("a-b"));
            TypeAndConfirm(name, QStringLiteral("   "));
            stayedOpen = name.isVisible();
            TypeAndConfirm(name, QStringLiteral(" Ab1 "));
        });
        ChoiceButtons(dialog).back()->click();
        QCOMPARE(title, QStringLiteral("Input a name of Coatings"));
        QCOMPARE(prefilled, QStringLiteral("Old"));
        QCOMPARE(selectedAfterRefusal, QStringLiteral("Cu"));
        QVERIFY(stayedOpen);
        QCOMPARE(op.Texts(), (std::vector<std::string>{"Standard name of substance can't be set.",
                                                       "Symbols can't be used.",
                                                       "Blank name of substance can't be set."}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Choice().code, 20);
        QCOMPARE(QString::fromStdString(dialog.Choice().name), QStringLiteral("Ab1"));
    }

    void cancelledFreeNameKeepsTheSelectionOpen() {
        test::ScriptedOperator op;
        CCoatBaseSelect dialog(CoatBaseKind::Base, "", false, false, op, nullptr);
        dialog.show();
        test::ModalDriver modal;
        modal.When(QStringLiteral("coatBaseName"),
                   [](QWidget& name) { test::Click(name, QStringLiteral("cancelButton")); });
        ChoiceButtons(dialog).back()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Choice().code, 0);
    }

    void baseNameDialogTexts() {
        test::ScriptedOperator op;
        CCoatBaseName dialog(CoatBaseKind::Base, "Xy", op);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Input a name of Base"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("prompt"))->text(),
                 QStringLiteral("Please enter within 6 small letters.  \nSign cannot be entered."));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        QCOMPARE(edit->maxLength(), 6);
        QCOMPARE(edit->text(), QStringLiteral("Xy"));
        // A standard name of the base list; "Cr" is no base, so it may be typed.
        TypeAndConfirm(dialog, QStringLiteral("PL"));
        QCOMPARE(op.Texts(), std::vector<std::string>{"Standard name of substance can't be set."});
        TypeAndConfirm(dialog, QStringLiteral("Cr"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.Name()), QStringLiteral("Cr"));
    }

    void solutionRowsGroupedWithTheRequestedCoatingFirst() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        CSolutionSelect s(11, 5, ini, true);
        QCOMPARE(s.windowTitle(), QStringLiteral("Selction of a test solution"));
        QTreeWidgetItem* header = s.List().headerItem();
        QCOMPARE(header->text(0), QStringLiteral("Coating"));
        QCOMPARE(header->text(1), QStringLiteral("Test solution"));
        QCOMPARE(header->text(2), QStringLiteral("Base"));
        QCOMPARE(ListCell(s, 0, 0), QStringLiteral("Sn"));
        QCOMPARE(ListCell(s, 0, 1), QStringLiteral("E-24"));
        QCOMPARE(ListCell(s, 0, 2), QStringLiteral("Ni,Fe,PL,BRS,NS,Cd"));
    }

    void oneClickReturnsTheGroupsSolutionAndRemembersThePlacement() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        CSolutionSelect s(11, 1, ini, true);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QRect row = s.List().visualRect(s.List().model()->index(1, 0));
        QTest::mouseClick(s.List().viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QCOMPARE(s.Solution(), 7);
        QVERIFY(ini.HasProfileKey("SolutionSelect", "ColWidth2"));
        QVERIFY(ini.GetProfileInt("SolutionSelect", "ColWidth2", 0) >
                ini.GetProfileInt("SolutionSelect", "ColWidth0", 0));
    }

    void doubleClickMethodIgnoresASingleClick() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        CSolutionSelect s(5, 1, ini, false);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QPoint centre = s.List().visualRect(s.List().model()->index(0, 0)).center();
        QTest::mouseClick(s.List().viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(s.isVisible());
        QTest::mouseDClick(s.List().viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QCOMPARE(s.Solution(), 1);  // copper on steel: E-21
    }

    void cancelledSelectionAnswersZero() {
        test::TempDir dir;
        ProfileFile ini(dir.File("KLV570.ini"));
        test::ModalDriver modal;
        modal.When(QStringLiteral("solutionSelect"),
                   [](QWidget& s) { test::Click(s, QStringLiteral("cancelButton")); });
        QCOMPARE(SelectSolution(5, 1, ini, true, nullptr), 0);
    }
};

}  // namespace klv

QTEST_MAIN(klv::SelectionDialogsTest)
#include "selection_dialogs_test.moc"
