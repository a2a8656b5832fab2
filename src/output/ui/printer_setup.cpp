#include "output/ui/printer_setup.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "output/roll_paper_lines.h"
#include "output/roll_paper_model.h"
#include "output/ui/print_face.h"

namespace klv {

namespace {

// Fixed-pitch outline faces; Latin faces stand for ANSI, Japanese ones for Shift-JIS.
std::vector<FontFace> InstalledPrintFaces() {
    std::vector<FontFace> faces;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family) || !QFontDatabase::isScalable(family))
            continue;
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
        const std::string face = UiTextCodec().FromQString(family);
        if (systems.contains(QFontDatabase::Japanese))
            faces.push_back({face, kShiftJisFontCharSet});
        if (systems.contains(QFontDatabase::Latin))
            faces.push_back({face, kAnsiFontCharSet});
    }
    return MergeFontFaces(std::move(faces));
}

QRadioButton* MakeRadio(const QString& text, int id) {
    auto* radio = new QRadioButton(text);
    radio->setObjectName(QStringLiteral("ctl%1").arg(id));
    return radio;
}

}  // namespace

CPrinterSetup::CPrinterSetup(const PrinterSetupValues& values, ModelProbe probe, Operator& op,
                             QWidget* parent)
    : QDialog(parent), m_values(values), m_probe(std::move(probe)), m_op(op) {
    setObjectName(QStringLiteral("CPrinterSetup"));
    setWindowTitle(QStringLiteral("Printer set"));
    auto* grid = new QGridLayout;
    int row = 0;
    m_page = MakeRadio(QStringLiteral("Using page printer"), 1200);
    grid->addWidget(m_page, row++, 0, 1, 4);
    m_pageFace = MakeFontCombo("ctl1211", values.page);
    m_pageSize = MakeSizeCombo("ctl1212", values.page.sizeTenths);
    AddFontRow(*grid, row++, m_pageFace, m_pageSize);
    AddFaceUsed(*grid, row++, m_pageFace, "pageFaceUsed");

    m_rollPaper = MakeRadio(QStringLiteral("Using roll paper printer"), 1201);
    grid->addWidget(m_rollPaper, row++, 0, 1, 4);
    m_model = new QComboBox;
    m_model->setObjectName(QStringLiteral("ctl1223"));
    for (const RollPaperModel& model : RollPaperModels()) {
        m_model->addItem(QString::fromLatin1(model.displayName), model.id);
        if (model.id == values.modelId)
            m_model->setCurrentIndex(m_model->count() - 1);
    }
    if (FindRollPaperModel(values.modelId) == nullptr)
        m_model->setCurrentIndex(-1);
    grid->addWidget(new QLabel(QStringLiteral("Printer name")), row, 1);
    grid->addWidget(m_model, row++, 2, 1, 3);
    m_rollFace = MakeFontCombo("ctl1221", values.rollPaperFont);
    m_rollSize = MakeSizeCombo("ctl1222", values.rollPaperFont.sizeTenths);
    AddFontRow(*grid, row++, m_rollFace, m_rollSize);
    AddFaceUsed(*grid, row++, m_rollFace, "rollFaceUsed");

    m_mode = new QButtonGroup(this);
    const struct {
        int id;
        int bit;
        const char* text;
    } modes[] = {
        {1224, kPrintOneDataPerLine, "Print out measurement data of 1 data / line"},
        {1225, kPrintFiveDataPerLine, "Print out measurement data of 5 data / line"},
        {1226, kPrintAtStatistics,
         "Print out measurement data altogether at the time of statistics"},
    };
    for (const auto& m : modes) {
        QRadioButton* radio = MakeRadio(QString::fromLatin1(m.text), m.id);
        m_mode->addButton(radio, m.bit);
        radio->setChecked(SelectedPrintMode(values.mode) == m.bit);
        grid->addWidget(radio, row++, 1, 1, 4);
    }
    auto* note = new QLabel(
        QStringLiteral("If the data has Alloy  . Multi-layer . Weight calculation, print out 1 "
                       "data / line"));
    note->setObjectName(QStringLiteral("note"));
    grid->addWidget(note, row++, 1, 1, 4);

    auto* kind = new QButtonGroup(this);
    kind->addButton(m_page);
    kind->addButton(m_rollPaper);
    (values.rollPaper ? m_rollPaper : m_page)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrinterSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrinterSetup::reject);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(0, 16);
    m_pageSize->setFixedWidth(72);
    m_rollSize->setFixedWidth(72);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CPrinterSetup::AddFontRow(QGridLayout& grid, int row, QComboBox* face, QComboBox* size) {
    grid.addWidget(new QLabel(QStringLiteral("Font")), row, 1);
    grid.addWidget(face, row, 2);
    grid.addWidget(new QLabel(QStringLiteral("Size")), row, 3);
    grid.addWidget(size, row, 4);
}

void CPrinterSetup::AddFaceUsed(QGridLayout& grid, int row, QComboBox* face, const char* name) {
    // A face that is missing or proportional is replaced when printing: the operator sees by what.
    auto* used = new QLabel;
    used->setObjectName(QString::fromLatin1(name));
    auto show = [used](const QString& chosen) {
        used->setText(QStringLiteral("Printed in ") + ResolvePrintFace(chosen.trimmed()));
    };
    show(face->currentText());
    connect(face, &QComboBox::currentTextChanged, used, show);
    grid.addWidget(used, row, 2, 1, 3);
}

QComboBox* CPrinterSetup::MakeFontCombo(const char* name, const PrintFontChoice& font) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const FontFace& f : InstalledPrintFaces())
        combo->addItem(UiTextCodec().ToQString(f.face), int(f.charSet));
    const QString stored = UiTextCodec().ToQString(font.face);
    const int at = combo->findText(stored, Qt::MatchFixedString);
    if (at >= 0)
        combo->setCurrentIndex(at);
    else
        combo->setEditText(stored);
    return combo;
}

QComboBox* CPrinterSetup::MakeSizeCombo(const char* name, int sizeTenths) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int size : ListedPointSizes())
        combo->addItem(QString::number(size));
    const QString stored = QString::number(sizeTenths / 10);
    const int at = combo->findText(stored);
    if (at >= 0)
        combo->setCurrentIndex(at);
    else
        combo->setEditText(stored);
    return combo;
}

bool CPrinterSetup::TakeFont(QComboBox* face, QComboBox* size, PointSizeRange range,
                             PrintFontChoice& out) {
    const std::optional<int> points = CheckPointSize(size->currentText().toStdString(), range);
    if (!points) {
        ShowRangeError(m_op, size, range.min, range.max);
        return false;
    }
    out.sizeTenths = *points * 10;
    out.face = UiTextCodec().FromQString(face->currentText().trimmed());
    const int listed = face->findText(face->currentText().trimmed(), Qt::MatchFixedString);
    out.charSet =
        listed >= 0 ? static_cast<std::uint8_t>(face->itemData(listed).toInt()) : kAnsiFontCharSet;
    return true;
}

void CPrinterSetup::accept() {
    PrinterSetupValues next = m_values;
    if (m_rollPaper->isChecked()) {
        if (!CheckComboSelected(m_op, m_model))
            return;
        const int model = m_model->currentData().toInt();
        if (m_probe && !m_probe(model))
            return;
        if (!TakeFont(m_rollFace, m_rollSize, kRollPaperPointSizes, next.rollPaperFont))
            return;
        next.modelId = model;
        next.mode = WithPrintMode(
            next.mode, m_mode->checkedId() > 0 ? m_mode->checkedId() : kPrintOneDataPerLine);
        next.rollPaper = true;
    } else {
        if (!TakeFont(m_pageFace, m_pageSize, kPagePointSizes, next.page))
            return;
        next.rollPaper = false;
    }
    m_values = next;
    QDialog::accept();
}

}  // namespace klv
