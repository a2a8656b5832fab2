#pragma once

#include <QObject>
#include <QString>

namespace klv {

// Watches every key press of the application: letters and digits typed with Shift and Ctrl
// held roll through an 8-character buffer, and "QJV" at its end is consumed and reported.
class CHiddenKeySequence : public QObject {
    Q_OBJECT
public:
    explicit CHiddenKeySequence(QObject* parent = nullptr);

signals:
    void sequenceTyped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_buffer;
};

}  // namespace klv
