#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "channel_list_fixture.h"
#include "reference/coating_table.h"
#include "reference/ui/condition_edit_context.h"
#include "reference/unit_gasket_tables.h"
#include "support/recording_sound_player.h"

namespace klv::test {

// The channel list's store (channels 1 and 3) with the context the condition dialogs take.
struct ItemDialogFixture : ChannelListFixture {
    RecordingSoundPlayer player;
    ConditionEditContext ctx{store, cal, ini, op, player, false, {}};

    MeasFileData Channel(int index) {
        MeasFileData d{};
        [&] { QVERIFY(store.ReadConditionFile(index, d, false)); }();
        return d;
    }
};

template <typename T>
T* Find(QWidget& w, const QString& name) {
    T* child = w.findChild<T*>(name);
    [&] { QVERIFY2(child != nullptr, qPrintable(name)); }();
    return child;
}

inline void Click(QWidget& w, const char* button) {
    QTest::mouseClick(Find<QPushButton>(w, QString::fromLatin1(button)), Qt::LeftButton);
}

// Replaces an edit's text as typing does.
inline void Type(QWidget& w, const QString& name, const QString& text) {
    auto* edit = Find<QLineEdit>(w, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Choose(QWidget& w, const QString& name, int index) {
    Find<QComboBox>(w, name)->setCurrentIndex(index);
}

// Runs `act` on the next modal dialog once it is open (inside its exec).
inline void OnNextModal(std::function<void(QDialog&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

}  // namespace klv::test
