#include "app/ui/customize_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/file_name_profile.h"
#include "app/klv570_app.h"
#include "app/messages.h"
#include "base/event_sounds.h"
#include "base/ui/control_name.h"
#include "base/ui/file_dialogs.h"

namespace klv {
namespace {

// Labels in the order of the sound table.
constexpr std::array<const char*, kSoundEventCount> kEventLabels = {
    "Measurement end", "Measurement stop", "Automatic stop", " Probe has came off",
    "Bad measurement", "Bad calibration",  "Error"};

constexpr char kSoundFilter[] = "Sound file (*.wav)|*.wav|All of the file(*.*)|*.*||";

// File names are the file system's bytes, not texts of the single-byte codec.
QString PathText(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

std::string PathOf(const QLabel* label) {
    return QFile::encodeName(label->text()).toStdString();
}

}  // namespace

CCustomize::CCustomize(const EnvironmentChoice& shown, std::string graphicsDir, std::string dataDir,
                       CEventSounds& sounds, Operator& op, QWidget* parent)
    : QDialog(parent),
      m_graphicsDir(std::move(graphicsDir)),
      m_dataDir(std::move(dataDir)),
      m_sounds(sounds),
      m_op(op) {
    setObjectName(QStringLiteral("CCustomize"));
    setWindowTitle(QStringLiteral("Environment set"));

    auto* click = new QGroupBox(QStringLiteral("Click method"), this);
    m_byPointing = Named(
        new QRadioButton(QStringLiteral("Select by pointing, execute by single click"), click),
        1301);
    m_bySingleClick = Named(
        new QRadioButton(QStringLiteral("Select by single click, execute by double click"), click),
        1302);
    auto* clickRows = new QVBoxLayout(click);
    clickRows->addWidget(m_byPointing);
    clickRows->addWidget(m_bySingleClick);

    auto* soundBox = new QGroupBox(QStringLiteral("Sound"), this);
    auto* grid = new QGridLayout(soundBox);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int r = static_cast<int>(i);
        Row& row = m_rows[i];
        row.makeSound = Named(new QCheckBox(QStringLiteral("Make sound"), soundBox), 1310 + r);
        row.test = Named(new QPushButton(QStringLiteral("Test"), soundBox), 1320 + r);
        row.change = Named(new QPushButton(QStringLiteral("change"), soundBox), 1330 + r);
        row.file = Named(new QLabel(soundBox), 1340 + r);
        row.file->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        row.file->setMinimumWidth(220);
        grid->addWidget(new QLabel(QString::fromLatin1(kEventLabels[i]), soundBox), r, 0);
        grid->addWidget(row.makeSound, r, 1);
        grid->addWidget(row.file, r, 2);
        grid->addWidget(row.test, r, 3);
        grid->addWidget(row.change, r, 4);
        connect(row.makeSound, &QCheckBox::toggled, this, [this, i] { UpdateRow(i); });
        connect(row.test, &QPushButton::clicked, this, [this, i] {
            m_sounds.PlayFile(ResolveProgramPath(PathOf(m_rows[i].file), m_graphicsDir));
        });
        connect(row.change, &QPushButton::clicked, this, [this, i] { ChangeFile(i); });
    }
    grid->setColumnStretch(2, 1);

    auto* reset = Named(new QPushButton(QStringLiteral("Reset"), this), 1300);
    connect(reset, &QPushButton::clicked, this, [this] { Show(DefaultEnvironment()); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reset);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* page = new QVBoxLayout(this);
    page->addWidget(click);
    page->addWidget(soundBox);
    page->addLayout(bottom);
    Show(shown);
}

void CCustomize::Show(const EnvironmentChoice& choice) {
    (choice.selectBySingleClick ? m_bySingleClick : m_byPointing)->setChecked(true);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].file->setText(PathText(choice.shownFile[i]));
        m_rows[i].makeSound->setChecked(choice.makeSound[i]);
        UpdateRow(i);
    }
}

void CCustomize::UpdateRow(std::size_t i) {
    const bool on = m_rows[i].makeSound->isChecked();
    m_rows[i].test->setEnabled(on);
    m_rows[i].change->setEnabled(on);
    m_rows[i].file->setEnabled(on);
}

void CCustomize::ChangeFile(std::size_t i) {
    std::string path = ResolveProgramPath(PathOf(m_rows[i].file), m_graphicsDir);
    if (FileOpenDialog(path, "", kSoundFilter, m_dataDir, m_op, this))
        m_rows[i].file->setText(PathText(DeleteProgramPath(path, m_graphicsDir)));
}

EnvironmentChoice CCustomize::Chosen() const {
    EnvironmentChoice c;
    c.selectBySingleClick = m_bySingleClick->isChecked();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        c.makeSound[i] = m_rows[i].makeSound->isChecked();
        c.shownFile[i] = PathOf(m_rows[i].file);
    }
    return c;
}

bool EditEnvironment(CKLV570App& app, QWidget* parent) {
    CCustomize dialog(CurrentEnvironment(app), app.GraphicsDirectory(), app.DataDirectory(),
                      app.EventSounds(), app.Op(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!ApplyEnvironment(app, dialog.Chosen()))
        app.Op().ShowMessage(kMsgCannotMakeFile, MsgIcon::Stop, MsgButtons::Ok);
    return true;
}

}  // namespace klv
