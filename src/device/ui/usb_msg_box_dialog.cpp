#include "device/ui/usb_msg_box_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace klv {

CUsbMsgBox::CUsbMsgBox(SoundPlayer& sounds, QWidget* parent) : QDialog(parent), m_sounds(sounds) {
    setObjectName("CUsbMsgBox");
    setWindowTitle("KLV-570 USB Communication error");
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

static QStyle::StandardPixmap PixmapOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Stop:
            return QStyle::SP_MessageBoxCritical;
        case MsgIcon::Question:
            return QStyle::SP_MessageBoxQuestion;
        case MsgIcon::Information:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_MessageBoxWarning;
    }
}

void CUsbMsgBox::Build(const std::string& text, const UsbMsgBoxLayout& layout) {
    auto* top = new QHBoxLayout;
    if (layout.icon != MsgIcon::None) {
        auto* icon = new QLabel;
        icon->setObjectName("icon");
        icon->setPixmap(style()->standardIcon(PixmapOf(layout.icon)).pixmap(32, 32));
        top->addWidget(icon, 0, Qt::AlignTop);
    }
    auto* label = new QLabel(QString::fromLatin1(text.c_str()));
    label->setObjectName("text");
    label->setWordWrap(true);
    if (QScreen* screen = QApplication::primaryScreen())
        label->setMaximumWidth(screen->availableGeometry().width() / 2);
    // A text that fits the box's width stays on one line; a longer one wraps at that width.
    label->setMinimumWidth(
        std::min(label->fontMetrics().size(0, label->text()).width(), label->maximumWidth()));
    top->addWidget(label, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const UsbMsgBoxButton& b : layout.buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.text));
        button->setObjectName(QString("button%1").arg(b.id));
        button->setEnabled(false);
        button->setAutoDefault(false);
        int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
        row->addWidget(button);
        m_buttons.push_back(button);
    }
    row->addStretch();
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(row);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

int CUsbMsgBox::Run(const std::string& text, int boxType, const std::function<void()>& onShown,
                    const std::function<void(int)>& onPressed) {
    UsbMsgBoxLayout layout = DescribeUsbMsgBox(boxType);
    m_onPressed = onPressed;
    m_escapeId = layout.escapeId;
    Build(text, layout);
    m_sounds.Beep();
    // Shown before exec() so that onShown runs with the box up: it must block the other
    // windows from the start, which exec() cannot make it once it is visible.
    setWindowModality(Qt::ApplicationModal);
    show();
    QCoreApplication::processEvents();
    onShown();
    for (QPushButton* b : m_buttons)
        b->setEnabled(true);
    m_buttons.front()->setFocus();
    m_ready = true;
    return exec();
}

void CUsbMsgBox::Press(int id) {
    if (!m_ready)
        return;
    m_ready = false;
    if (m_onPressed)
        m_onPressed(id);
    done(id);
}

void CUsbMsgBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_escapeId)
            Press(m_escapeId);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CUsbMsgBox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace klv
