#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace klv::test {

// The child of `parent` named `name`. A missing control ends the run with its name: no step
// of a test can go on without it. Absence is checked with findChild itself.
template <typename T>
T* Find(QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr)
        qFatal("no %s named %s under %s", T::staticMetaObject.className(), qPrintable(name),
               qPrintable(parent.objectName()));
    return child;
}

// A mouse click on the button named `name`.
inline void Click(QWidget& parent, const QString& name) {
    QTest::mouseClick(Find<QAbstractButton>(parent, name), Qt::LeftButton);
}

// Replaces an edit's text key by key, as the operator types it.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Type(QWidget& parent, const QString& name, const QString& text) {
    Type(Find<QLineEdit>(parent, name), text);
}

// The operator's choice in a combo box: the selection, then the signal a real choice sends.
inline void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void Choose(QWidget& parent, const QString& name, int index) {
    Choose(Find<QComboBox>(parent, name), index);
}

// The operator's answer in a file chooser: the path typed into the name field, then Open or
// Save. A full path given to selectFile() was at times dropped for the proposed name.
inline void AnswerFileDialog(QFileDialog& files, const QString& path) {
    Find<QLineEdit>(files, QStringLiteral("fileNameEdit"))->setText(path);
    QMetaObject::invokeMethod(&files, "accept");
}

}  // namespace klv::test
