#include "reference/ui/meas_data_display.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/event_sounds.h"
#include "base/ui/glyph_label.h"
#include "base/ui/report_drawing.h"
#include "base/ui/text_codec.h"
#include "reference/condition_display_text.h"
#include "reference/condition_print_block.h"
#include "reference/ui/condition_text_fields.h"

namespace klv {

namespace {

constexpr const char* kDeleteNote = "Delete this test condition data";
constexpr const char* kLayerNames[kLayerTextCount] = {
    "coatText", "solutionText", "sensitivityText", "rangeText", "pumpText", "autoStopText"};
constexpr const char* kSideNames[kSideTextCount] = {"baseText", "unitText", "gasketText",
                                                    "calDateText", "calValueText"};

}  // namespace

CMeasDataDisplay::CMeasDataDisplay(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                   bool deleteMode, CEventSounds* sounds, QWidget* parent)
    : QDialog(parent), m_deleteMode(deleteMode), m_sounds(sounds) {
    setObjectName(QStringLiteral("measDataDisplay"));
    setWindowTitle(ToQString("Measurement condition"));
    const ConditionDisplayTexts t = MakeConditionDisplayTexts(d, index, ctx.calibration);

    auto* extra = new CGlyphLabel(ToQString(t.extraLabels + "\n" + t.extraValues), this);
    extra->setObjectName(QStringLiteral("extraItems"));
    extra->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* note = new QLabel(ToQString(kDeleteNote), this);
    note->setObjectName(QStringLiteral("deleteNote"));
    note->setStyleSheet(QStringLiteral("color: red;"));
    note->setVisible(deleteMode);

    auto* ok = new QPushButton(ToQString("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setVisible(deleteMode);
    auto* cancel = new QPushButton(ToQString(deleteMode ? "Cancel" : "Close"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Deleting is never what Enter does by itself.
    cancel->setDefault(true);
    auto* print = new QPushButton(ToQString("Print out"), this);
    print->setObjectName(QStringLiteral("printButton"));
    print->setAutoDefault(false);
    print->setEnabled(ctx.reports != nullptr);
    connect(print, &QPushButton::clicked, this,
            [this, &ctx, d] { PrintCondition(*ctx.reports, d, &ctx.calibration, this); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(note);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeHeader(t, d.nItemCt != 0));
    layout->addLayout(MakeLayerTable(t, GetCoatCount(d)));
    layout->addWidget(extra);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool PrintCondition(ReportPrinter& printer, const MeasFileData& d,
                    const CalibrationStore* calibration, QWidget* dialog) {
    const std::string title = "[ " + FromQString(dialog->windowTitle()) + " ]";
    const bool printed = printer.PrintReport(dialog, [&](QWidget*, PrintPageContext& pc) {
        PrintTitleLine(pc, title, false, true, false);
        ReportPage page(MetricsOf(pc));
        const int bottom =
            ConditionPrintBlock(page, pc.rect.left, pc.rect.top, pc.rect.right, d, calibration);
        DrawReportPage(pc, page, pc.font);
        pc.rect.bottom = std::min(pc.rect.bottom, bottom);
        return false;
    });
    if (printed)
        printer.FeedRollPaper();
    return printed;
}

QLabel* CMeasDataDisplay::Value(const std::string& text, const QString& name, int chars) {
    auto* value = new QLabel(ToQString(text), this);
    value->setObjectName(name);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ReserveTextWidth(*value, chars);
    return value;
}

void CMeasDataDisplay::AddPair(QGridLayout* grid, int row, int column, const char* caption,
                               const std::string& text, const char* name, int chars) {
    grid->addWidget(new QLabel(ToQString(caption), this), row, column);
    grid->addWidget(Value(text, QString::fromLatin1(name), chars), row, column + 1);
}

QGridLayout* CMeasDataDisplay::MakeHeader(const ConditionDisplayTexts& t, bool hasData) {
    auto* grid = new QGridLayout;
    // The title is "%d : %s": the channel number and its separator before the name.
    grid->addWidget(Value(t.title, QStringLiteral("titleText"), 5 + kFileNameChars), 0, 0, 1, 6);
    AddPair(grid, 1, 0, "Customer name", t.customer, "customerText", kCustomerChars);
    AddPair(grid, 2, 0, "Name of goods", t.goods, "goodsText", kGoodsChars);
    AddPair(grid, 1, 2, "Tested by", t.tester, "testerText", kTesterChars);
    AddPair(grid, 2, 2, "Lot No.", t.lot, "lotText", kLotNoChars);
    AddPair(grid, 1, 4, "Data quantity", t.quantity, "dataQuantityText");
    auto* dates = new QHBoxLayout;
    QLabel* first = Value(t.firstDate, QStringLiteral("firstDateText"));
    auto* dash = new QLabel(ToQString("--"), this);
    QLabel* last = Value(t.lastDate, QStringLiteral("lastDateText"));
    for (QLabel* w : {first, dash, last}) {
        w->setEnabled(hasData);
        dates->addWidget(w);
    }
    grid->addWidget(new QLabel(ToQString("Test date"), this), 2, 4);
    grid->addLayout(dates, 2, 5);
    return grid;
}

QGridLayout* CMeasDataDisplay::MakeLayerTable(const ConditionDisplayTexts& t, int layers) {
    auto* grid = new QGridLayout;
    for (int row = 0; row < kLayerTextCount; ++row) {
        grid->addWidget(new QLabel(ToQString(kLayerTextCaptions[row]), this), row, 0);
        for (int k = 0; k < layers; ++k) {
            const QString name =
                QStringLiteral("%1%2").arg(QLatin1String(kLayerNames[row])).arg(k + 1);
            grid->addWidget(Value(t.layers[k][row], name), row, 1 + k);
        }
    }
    const int side = 1 + kMaxLayers;
    grid->setColumnMinimumWidth(side, 12);
    for (int row = 0; row < kSideTextCount; ++row)
        AddPair(grid, row, side + 1, kSideTextCaptions[row], t.side[row], kSideNames[row]);
    return grid;
}

void CMeasDataDisplay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_deleteMode && !m_warned && m_sounds != nullptr) {
        m_warned = true;
        m_sounds->Beep();
    }
}

bool ShowCondition(ConditionEditContext& ctx, const MeasFileData& d, int index, bool deleteMode,
                   QWidget* parent, CEventSounds* sounds) {
    CMeasDataDisplay dialog(ctx, d, index, deleteMode, sounds, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace klv
